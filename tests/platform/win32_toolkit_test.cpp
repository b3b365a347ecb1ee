// What the Win32 toolkit must do beyond the contract every backend keeps: texts the program shows fit the boxes
// the catalogue gives them, in whatever face stands in for MS PGothic, the longest ones too; Tab follows the layout;
// windows are reachable on the work area.
#include "longest_texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"
#include "tab_walks.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kedravo::platform::win32 {
namespace {

using namespace ui;

struct Ignore : EventSink {
    void raise(int, Event) override {}
};

// A drop-down list's height is its height dropped down; closed it is only as high as its font needs.
HWND controlHandle(Win32Toolkit& kit, const ControlDef& def) {
    const POINT inside{def.left + def.width / 2, def.top + (def.kind == ControlKind::DropDown ? 4 : def.height / 2)};
    return ChildWindowFromPoint(kit.windowHandle(def.window), inside);
}

int advance(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

// The width the control's font needs for the text, with an edit box's margins.
int neededWidth(HWND control, const std::wstring& text) {
    const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
    return advance(control, text) + LOWORD(margins) + HIWORD(margins);
}

// Texts the program puts into the controls of the catalogue's larger fonts: a date, a time, a price.
TEST(Win32Toolkit, DatesTimesAndPricesFitTheirBoxes) {
    Win32Toolkit kit;
    Ignore ignore;
    kit.create(catalogue(), ignore);
    const std::pair<int, const char*> cases[] = {
        {EDIT3, "2016/12/31"}, {EDIT4, "23:59:59"}, {TEXT8, "999.99999"}, {TEXT1, "999.99999"}};
    for (const auto& [control, text] : cases) {
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        HWND handle = controlHandle(kit, def);
        ASSERT_NE(handle, nullptr) << def.name;
        RECT client{};
        GetClientRect(handle, &client);
        EXPECT_LE(neededWidth(handle, widen(text)), client.right) << def.name;
    }
}

// Just inside the control's top left corner: a drop-down's catalogue height is its height dropped down.
HWND cornerHandle(Win32Toolkit& kit, const ControlDef& def) {
    return ChildWindowFromPoint(kit.windowHandle(def.window), POINT{def.left + 3, def.top + 3});
}

std::string nameOf(Win32Toolkit& kit, HWND handle) {
    for (const ControlDef& def : catalogue().controls)
        if (cornerHandle(kit, def) == handle)
            return def.name;
    return "?";
}

// Keyboard-only use, through the dialog manager as the message loop runs it: as the window is read, top to
// bottom and left to right, stopping at the checked radio button, and round to the first again.
TEST(Win32Toolkit, TabFollowsTheLayout) {
    Win32Toolkit kit;
    Ignore ignore;
    kit.create(catalogue(), ignore);
    for (const test::TabWalk& c : test::tabWalks()) {
        const char* window = catalogue().windows[static_cast<std::size_t>(c.window)].name;
        if (c.checked >= 0)
            kit.setChecked(c.checked, true);
        kit.show(c.window);
        kit.activate(c.window);
        for (const ControlDef& def : catalogue().controls)
            if (def.name == c.stops.front())
                SetFocus(cornerHandle(kit, def));
        std::vector<std::string> visited;
        for (std::size_t step = 0; step <= c.stops.size(); ++step) {
            visited.push_back(nameOf(kit, GetFocus()));
            MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
            kit.navigate(tab);
        }
        EXPECT_EQ(visited, c.roundTrip()) << window;
        if (c.window != MAINFORM)
            kit.hide(c.window);
    }
}

struct Recorder : EventSink {
    std::vector<std::pair<int, Event>> events;
    void raise(int control, Event event) override { events.emplace_back(control, event); }
};

// Enter as the message loop gets it, with the keyboard on a control.
TEST(Win32Toolkit, EnterPressesTheFocusedButtonOnlyInAWindowWithAnEnterButton) {
    Win32Toolkit kit;
    Recorder recorder;
    kit.create(catalogue(), recorder);
    const struct {
        const char* name;
        int focus;
        std::vector<std::pair<int, Event>> events;
    } cases[] = {
        {"the price box: the Enter button", EDIT5, {{BUTTON6, Event::On}}},
        {"a focused button: that button", BUTTON7, {{BUTTON7, Event::On}}},
        {"the update window's register button: nothing", BUTTON3, {}},
        {"a main-window button: nothing", BUTTON2, {}},
    };
    for (const auto& c : cases) {
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(c.focus)];
        kit.show(def.window);
        kit.activate(def.window);
        kit.setFocus(c.focus);
        recorder.events.clear();
        MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        kit.navigate(enter);
        EXPECT_EQ(recorder.events, c.events) << c.name;
    }
}

// Positions from a session on a larger screen, or from two monitors no longer there.
TEST(Win32Toolkit, ShownWindowsAreMovedOntoTheWorkAreaAndThoseThatFitKept) {
    Win32Toolkit kit;
    Ignore ignore;
    kit.create(catalogue(), ignore);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const struct {
        const char* name;
        int window;
        bool shownFirst; // moved while shown, as start-up moves the main window
        Position at;
        bool kept;
    } cases[] = {
        {"beyond the bottom right, shown", MAINFORM, true, {work.right - 10, work.bottom - 10}, false},
        {"off every monitor", FORM5, false, {-5000, 5000}, false},
        {"inside", FORM3, false, {work.left + 20, work.top + 30}, true},
    };
    for (const auto& c : cases) {
        if (c.shownFirst)
            kit.show(c.window);
        kit.move(c.window, c.at);
        kit.show(c.window);
        RECT shown{};
        GetWindowRect(kit.windowHandle(c.window), &shown);
        EXPECT_TRUE(shown.left >= work.left && shown.top >= work.top && shown.right <= work.right &&
                    shown.bottom <= work.bottom)
            << c.name;
        if (c.kept) {
            EXPECT_EQ(kit.position(c.window), c.at) << c.name;
        }
    }
}

// The longest texts, in the fonts start-up sets, typed into their boxes: whole, and from their beginning.
TEST(Win32Toolkit, TheLongestTextsShowWhole) {
    Win32Toolkit kit;
    Ignore ignore;
    kit.create(catalogue(), ignore);
    for (const ControlDef& def : catalogue().controls)
        kit.setFont(def.id, def.face, def.fontSize);
    for (const auto& [control, text] : LONGEST_EDIT_TEXTS) {
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        kit.show(def.window);
        kit.type(control, text);
        HWND handle = controlHandle(kit, def);
        ASSERT_NE(handle, nullptr) << def.name;
        RECT client{};
        GetClientRect(handle, &client);
        EXPECT_LE(neededWidth(handle, widen(text)), client.right) << def.name;
        const auto margins = static_cast<DWORD>(SendMessageW(handle, EM_GETMARGINS, 0, 0));
        const LPARAM firstShown = MAKELPARAM(LOWORD(margins) + 1, client.bottom / 2);
        EXPECT_EQ(LOWORD(SendMessageW(handle, EM_CHARFROMPOS, 0, firstShown)), 0) << def.name << " typed, scrolled";
    }
    for (const auto& [control, text] : LONGEST_ITEMS) {
        kit.clear(control);
        kit.addItem(control, text);
        kit.setSelected(control, 0);
        const ControlDef& def = catalogue().controls[static_cast<std::size_t>(control)];
        HWND handle = controlHandle(kit, def);
        ASSERT_NE(handle, nullptr) << def.name;
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(handle, &info)) << def.name;
        EXPECT_LE(advance(handle, widen(text)), info.rcItem.right - info.rcItem.left) << def.name;
    }
}

} // namespace
} // namespace kedravo::platform::win32
