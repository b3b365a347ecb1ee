#include "ui/event_bindings.h"

#include "ui/backup_switch.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/shutdown.h"

#include <array>

namespace kedravo::ui {
namespace {

using platform::Event;

struct Binding {
    int control; // a window for Event::End
    Event event;
    Handler handler;
};

// Every handler of the program; any event not listed here is ignored.
constexpr std::array bindings{
    Binding{COMBO1, Event::Change, COMBO1_CHANGE}, Binding{COMBO5, Event::Change, COMBO5_CHANGE},
    Binding{RADIO1, Event::On, RADIO1_ON},         Binding{RADIO2, Event::On, RADIO2_ON},
    Binding{CHECK1, Event::On, CHECK1_ON},         Binding{MAINFORM, Event::End, MAINFORM_END},
};

} // namespace

Handler handlerFor(int control, Event event) {
    for (const Binding& b : bindings)
        if (b.control == control && b.event == event)
            return b.handler;
    return nullptr;
}

} // namespace kedravo::ui
