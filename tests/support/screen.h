#pragma once
// The windows and the routines' context over the headless toolkit, for calling routines directly.
#include "platform/headless/headless_toolkit.h"
#include "platform/scripted/scripted_dialogs.h"
#include "support/tables_builder.h"
#include "test_services.h"
#include "ui/catalogue.h"
#include "ui/context.h"

#include <sstream>

namespace kedravo::ui::test {

using kedravo::test::Line;
using kedravo::test::putPage;

class IgnoreEvents : public platform::EventSink {
public:
    void raise(int, platform::Event) override {}
};

struct Screen {
    Screen() { toolkit.create(catalogue(), events); }

    Tables t;
    platform::HeadlessToolkit toolkit;
    IgnoreEvents events;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::MemoryFileSystem files;
    Context c{t, toolkit, dialogs, clock, files, {files, clock, dialogs}, nullptr, false, {}, {}, {}};
};

} // namespace kedravo::ui::test
