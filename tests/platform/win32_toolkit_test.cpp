// What the Win32 toolkit must do beyond the contract every backend keeps: texts the program shows fit the boxes
// the catalogue gives them, in whatever face stands in for MS PGothic.
#include "longest_texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <gtest/gtest.h>
#include <utility>

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
