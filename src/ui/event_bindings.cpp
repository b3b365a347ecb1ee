#include "ui/event_bindings.h"

#include "ui/backup_switch.h"
#include "ui/controls.h"
#include "ui/csv_menu.h"
#include "ui/deletion_window.h"
#include "ui/main_window.h"
#include "ui/page_settings_window.h"
#include "ui/past_price_window.h"
#include "ui/shift_window.h"
#include "ui/shutdown.h"
#include "ui/undo_redo.h"
#include "ui/update_window.h"

#include <array>

namespace kedravo::ui {
namespace {

using platform::Event;

// Undo and redo come from any window; their handlers tell the windows apart.
constexpr int ANY_WINDOW = -1;

struct Binding {
    int control; // a window for a window event
    Event event;
    Handler handler;
};

// Every handler of the program; any event not listed here is ignored.
constexpr std::array bindings{
    Binding{COMBO1, Event::Change, COMBO1_CHANGE},
    Binding{COMBO5, Event::Change, COMBO5_CHANGE},
    Binding{RADIO1, Event::On, RADIO1_ON},
    Binding{RADIO2, Event::On, RADIO2_ON},
    Binding{CHECK1, Event::On, CHECK1_ON},
    Binding{MAINFORM, Event::End, MAINFORM_END},
    Binding{ANY_WINDOW, Event::Undo, UNDO_ON},
    Binding{ANY_WINDOW, Event::Redo, REDO_ON},
    Binding{MAINFORM, Event::ExportCsv, CSV_EXPORT_ON},
    Binding{MAINFORM, Event::ImportCsv, CSV_IMPORT_ON},
    // The update window and the past-price window, with their openers.
    Binding{BUTTON2, Event::On, BUTTON2_ON},
    Binding{BUTTON5, Event::On, BUTTON5_ON},
    Binding{COMBO4, Event::Change, COMBO4_CHANGE},
    Binding{BUTTON3, Event::On, BUTTON3_ON},
    Binding{BUTTON4, Event::On, BUTTON4_ON},
    Binding{BUTTON1, Event::On, BUTTON1_ON},
    Binding{BUTTON6, Event::On, BUTTON6_ON},
    Binding{BUTTON7, Event::On, BUTTON7_ON},
    // Page settings, deletion and shift windows.
    Binding{BUTTON10, Event::On, BUTTON10_ON},
    Binding{COMBO3, Event::Change, COMBO3_CHANGE},
    Binding{BUTTON11, Event::On, BUTTON11_ON},
    Binding{BUTTON8, Event::On, BUTTON8_ON},
    Binding{BUTTON9, Event::On, BUTTON9_ON},
    Binding{BUTTON14, Event::On, BUTTON14_ON},
    Binding{COMBO6, Event::Change, COMBO6_CHANGE},
    Binding{BUTTON12, Event::On, BUTTON12_ON},
    Binding{BUTTON13, Event::On, BUTTON13_ON},
    Binding{BUTTON17, Event::On, BUTTON17_ON},
    Binding{LIST3, Event::Click, LIST3_CLICK},
    Binding{BUTTON15, Event::On, BUTTON15_ON},
    Binding{BUTTON16, Event::On, BUTTON16_ON},
};

} // namespace

Handler handlerFor(int control, Event event) {
    for (const Binding& b : bindings)
        if ((b.control == control || b.control == ANY_WINDOW) && b.event == event)
            return b.handler;
    return nullptr;
}

} // namespace kedravo::ui
