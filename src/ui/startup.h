#pragma once
#include "platform/toolkit.h"
#include "ui/context.h"

namespace kedravo::ui {

// Everything from process start to the wait for the first event; `events` receives the windows' events.
void startup(Context& c, platform::EventSink& events);

} // namespace kedravo::ui
