// A user's actions on the Win32 controls, for scripted runs: each goes through the control as the mouse or the
// keyboard would, so that the same notifications, limits and filters apply.
#include "platform/win32/message_pump.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

#include <cassert>

namespace kedravo::platform::win32 {
namespace {

LPARAM point(int x, int y) {
    return MAKELPARAM(x, y);
}

bool keyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

char keyOf(WPARAM key) {
    if (key >= 'A' && key <= 'Z')
        return static_cast<char>(key);
    if (key == VK_RETURN)
        return KEY_ENTER;
    return key == VK_ESCAPE ? KEY_ESCAPE : '\0';
}

KeyChord chordOf(const MSG& message) {
    return {keyDown(VK_CONTROL), keyDown(VK_SHIFT), keyDown(VK_MENU), keyOf(message.wParam)};
}

// Scrolls the row into view and clicks the middle of it.
void clickListRow(HWND list, int row) {
    RECT client;
    RECT item;
    GetClientRect(list, &client);
    SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    if (item.top < client.top || item.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, row, 0);
        SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    }
    const LPARAM at = point((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

// A line break (CR LF, or a CR or LF alone) is the Enter key; other control characters are no typing.
void typeCharacters(HWND edit, const std::wstring& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            SendMessageW(edit, WM_CHAR, VK_RETURN, 0);
        } else if (text[i] >= L' ' && text[i] != 0x7F) {
            SendMessageW(edit, WM_CHAR, text[i], 0);
        }
    }
}

} // namespace

Refusal Win32Toolkit::refusal(const ControlState& control) {
    if (!IsWindowVisible(window(control.def->window).handle))
        return Refusal::Hidden;
    return IsWindowEnabled(control.handle) ? Refusal::None : Refusal::Disabled;
}

Refusal Win32Toolkit::click(int control) {
    ControlState& c = this->control(control);
    const Refusal refused = refusal(c);
    if (refused == Refusal::None) {
        SendMessageW(c.handle, BM_CLICK, 0, 0);
        pumpMessages();
    }
    return refused;
}

// What the drop-down's list does when the user picks an item in it.
Refusal Win32Toolkit::pick(int control, int position) {
    ControlState& c = this->control(control);
    assert(position >= 0 && position < itemCount(control));
    const Refusal refused = refusal(c);
    if (refused == Refusal::None) {
        SendMessageW(c.handle, CB_SETCURSEL, position, 0);
        SendMessageW(GetParent(c.handle), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.handle), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(c.handle));
        pumpMessages();
    }
    return refused;
}

Refusal Win32Toolkit::clickRow(int control, int row) {
    ControlState& c = this->control(control);
    assert(row >= 0 && row < itemCount(control));
    const Refusal refused = refusal(c);
    if (refused == Refusal::None) {
        clickListRow(c.handle, row);
        pumpMessages();
    }
    return refused;
}

Refusal Win32Toolkit::type(int control, const std::string& text) {
    ControlState& c = this->control(control);
    Refusal refused = refusal(c);
    if (refused == Refusal::None && (GetWindowLongPtrW(c.handle, GWL_STYLE) & ES_READONLY) != 0)
        refused = Refusal::ReadOnly;
    if (refused == Refusal::None) {
        SendMessageW(c.handle, EM_SETSEL, 0, -1);
        SendMessageW(c.handle, WM_CLEAR, 0, 0);
        typeCharacters(c.handle, widen(text));
        pumpMessages();
    }
    return refused;
}

// As the window manager asks, whether or not the window shows a close box.
Refusal Win32Toolkit::closeWindow(int window) {
    WindowState& w = this->window(window);
    if (!IsWindowVisible(w.handle))
        return Refusal::Hidden;
    if (w.def->closeBox)
        SendMessageW(w.handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        SendMessageW(w.handle, WM_CLOSE, 0, 0); // what the window manager sends without a system menu
    pumpMessages();
    return Refusal::None;
}

Refusal Win32Toolkit::chooseMenuItem(int window, int position) {
    WindowState& w = this->window(window);
    assert(position >= 0 && position < static_cast<int>(w.menu.size()));
    if (!IsWindowVisible(w.handle))
        return Refusal::Hidden;
    const MenuItem& item = w.menu[static_cast<std::size_t>(position)];
    if (!item.enabled)
        return Refusal::Disabled;
    raise(window, item.event);
    pumpMessages();
    return Refusal::None;
}

Refusal Win32Toolkit::pressKeys(int window, KeyChord chord) {
    WindowState& w = this->window(window);
    if (!IsWindowVisible(w.handle))
        return Refusal::Hidden;
    takeChord(w, chord);
    pumpMessages();
    return Refusal::None;
}

// A right click on a control opens the window's menu rather than the control's own (an edit box's copy menu).
bool Win32Toolkit::navigate(MSG& message) {
    for (WindowState& window : windows_) {
        if (message.hwnd != window.handle && !IsChild(window.handle, message.hwnd))
            continue;
        if (message.message == WM_KEYDOWN && takeChord(window, chordOf(message)))
            return true;
        // A multi-line edit box asks the dialog manager for every key, Tab included, and would keep the keyboard
        // for good; Tab leaves it as it leaves any other control, as on the Qt backend.
        if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !keyDown(VK_CONTROL) &&
            isMultiLineEdit(controlOf(message.hwnd))) {
            SetFocus(GetNextDlgTabItem(window.handle, message.hwnd, keyDown(VK_SHIFT)));
            return true;
        }
        if (message.message == WM_RBUTTONUP && !window.menu.empty()) {
            SendMessageW(window.handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(message.hwnd), GetMessagePos());
            return true;
        }
        return IsDialogMessageW(window.handle, &message) != FALSE;
    }
    return false;
}

} // namespace kedravo::platform::win32
