#pragma once
// The binding of control events to their handlers.
#include "platform/toolkit.h"
#include "ui/context.h"

namespace kedravo::ui {

// The handler of `event` on `control` (for Event::End, on the window `control`); nullptr when the event is
// ignored.
Handler handlerFor(int control, platform::Event event);

} // namespace kedravo::ui
