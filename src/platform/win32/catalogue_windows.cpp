// The catalogue's windows and controls on the Win32 API: creation, the window procedure, and what a control's
// notification means.
#include "platform/key_chords.h"
#include "platform/screen_fit.h"
#include "platform/win32/limited_edit.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

#include <vector>
#include <windowsx.h>

namespace kedravo::platform::win32 {
namespace {

constexpr wchar_t WINDOW_CLASS[] = L"KedravoWindow";
// Control ids start above the dialog manager's IDOK and IDCANCEL, which Enter and Escape send.
constexpr int CONTROL_ID_BASE = 100;

bool has(const ControlDef& def, unsigned style) {
    return (def.style & style) != 0;
}

void registerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = WINDOW_CLASS;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// A caption bar and a fixed dialog frame, no minimise or maximise box; the system menu (and so the close box)
// only where the catalogue gives one. Not WS_CLIPCHILDREN: a group box leaves its inside for the window to paint.
DWORD windowStyle(const WindowDef& def) {
    return WS_OVERLAPPED | WS_CAPTION | (def.closeBox ? WS_SYSMENU : 0);
}

DWORD windowExStyle(const WindowDef& def) {
    return WS_EX_DLGMODALFRAME | (def.topmost ? WS_EX_TOPMOST : 0);
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

DWORD editStyle(const ControlDef& def) {
    DWORD style = WS_TABSTOP | WS_GROUP | (has(def, READ_ONLY) ? ES_READONLY : 0);
    if (!has(def, MULTI_LINE))
        return style | ES_AUTOHSCROLL;
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (has(def, VERTICAL_SCROLL) ? WS_VSCROLL : 0);
    return has(def, WRAP_LINES) ? style : style | ES_AUTOHSCROLL;
}

// Radio buttons are checked by the toolkit, so that a group is what the catalogue says it is.
ControlClass controlClass(const ControlDef& def) {
    switch (def.kind) {
    case ControlKind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case ControlKind::RadioButton:
        return {L"BUTTON",
                static_cast<DWORD>(BS_RADIOBUTTON | (has(def, FIRST_OF_GROUP) ? WS_GROUP : 0) |
                                   (has(def, CHECKED) ? WS_TABSTOP : 0)),
                0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX | WS_GROUP | WS_CLIPSIBLINGS, 0};
    case ControlKind::StaticText:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0};
    case ControlKind::EditBox:
        return {L"EDIT", editStyle(def), WS_EX_CLIENTEDGE};
    case ControlKind::ListBox:
        return {L"LISTBOX",
                static_cast<DWORD>(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP |
                                   (has(def, MULTI_SELECT) ? LBS_MULTIPLESEL : 0)),
                WS_EX_CLIENTEDGE};
    case ControlKind::DropDown:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0};
    }
    return {};
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<Area>*>(areas)->push_back(
            {work.left, work.top, work.right - work.left, work.bottom - work.top});
    }
    return TRUE;
}

std::vector<Area> workAreas() {
    std::vector<Area> areas;
    EnumDisplayMonitors(nullptr, nullptr, &addWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

} // namespace

void Win32Toolkit::createWindow(WindowState& window) {
    registerWindowClass(&Win32Toolkit::windowProc);
    const WindowDef& def = *window.def;
    window.handle =
        CreateWindowExW(windowExStyle(def), WINDOW_CLASS, widen(def.caption).c_str(), windowStyle(def), def.left,
                        def.top, def.width, def.height, nullptr, nullptr, GetModuleHandleW(nullptr), &window);
}

void Win32Toolkit::createControl(ControlState& control) {
    const ControlDef& def = *control.def;
    const ControlClass kind = controlClass(def);
    control.handle =
        CreateWindowExW(kind.exStyle, kind.name, widen(def.caption).c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                        def.left, def.top, def.width, def.height, window(def.window).handle,
                        reinterpret_cast<HMENU>(INT_PTR{CONTROL_ID_BASE + def.id}), GetModuleHandleW(nullptr), nullptr);
    applyFont(control, def.face, def.fontSize);
    if (has(def, CHECKED))
        SendMessageW(control.handle, BM_SETCHECK, BST_CHECKED, 0);
    if (def.kind == ControlKind::EditBox) {
        SendMessageW(control.handle, EM_SETLIMITTEXT, 0, 0); // the typing rule is the limit
        control.accepted = widen(def.caption);
    }
}

// Each window knows its state from its creation on.
LRESULT CALLBACK Win32Toolkit::windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* state = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    auto* window = reinterpret_cast<WindowState*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (window == nullptr || window->handle == nullptr) // still being created
        return DefWindowProcW(handle, message, wParam, lParam);
    return window->toolkit->handle(*window, message, wParam, lParam);
}

LRESULT Win32Toolkit::handle(WindowState& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (ControlState* control = lParam != 0 ? controlOf(reinterpret_cast<HWND>(lParam)) : nullptr)
            notified(*control, HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_CONTEXTMENU:
        if (window.menu.empty())
            return DefWindowProcW(window.handle, message, wParam, lParam);
        openMenu(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CLOSE:
        // Closing is the program's business: it hides or ends. A window without a close box closes as its close
        // button does.
        if (window.def->closeBox)
            raise(window.def->id, Event::End);
        else
            press(closeRequestButtons(*window.def));
        return 0;
    default:
        return DefWindowProcW(window.handle, message, wParam, lParam);
    }
}

void Win32Toolkit::notified(ControlState& control, WORD code) {
    switch (control.def->kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
        if (code == BN_CLICKED)
            raise(control.def->id, Event::On);
        break;
    case ControlKind::RadioButton:
        if (code == BN_CLICKED && programCalls_ == 0) {
            checkRadio(control);
            raise(control.def->id, Event::On);
        }
        break;
    case ControlKind::DropDown:
        if (code == CBN_SELCHANGE)
            raise(control.def->id, Event::Change);
        break;
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE)
            raise(control.def->id, Event::Click);
        break;
    case ControlKind::EditBox:
        if (code == EN_CHANGE)
            editChanged(control);
        break;
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
        break;
    }
}

// The program's own texts are taken as they are.
void Win32Toolkit::editChanged(ControlState& control) {
    if (programCalls_ == 0)
        holdToTypingRule(control.handle, *control.def, control.accepted);
    else
        control.accepted = windowText(control.handle);
    if (!has(*control.def, MULTI_LINE))
        applyFont(control, control.def->face, control.def->fontSize);
}

// Text is black on white, except for the styles WHITE_ON_BLACK and RED_TEXT.
HBRUSH Win32Toolkit::colour(HDC dc, HWND handle) {
    const ControlState* control = controlOf(handle);
    const unsigned style = control != nullptr ? control->def->style : STYLE_NONE;
    const bool inverse = (style & WHITE_ON_BLACK) != 0;
    SetTextColor(dc, inverse ? RGB(255, 255, 255) : (style & RED_TEXT) != 0 ? RGB(255, 0, 0) : RGB(0, 0, 0));
    SetBkColor(dc, inverse ? RGB(0, 0, 0) : RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(inverse ? BLACK_BRUSH : WHITE_BRUSH));
}

// A window that the monitors' work areas do not hold whole is moved onto the nearest one.
void Win32Toolkit::fitOnScreens(WindowState& window) {
    RECT outer;
    GetWindowRect(window.handle, &outer);
    const std::vector<Area> areas = workAreas();
    const Position fitted =
        fittedPosition({outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top}, areas);
    if (fitted.left != outer.left || fitted.top != outer.top)
        SetWindowPos(window.handle, nullptr, fitted.left, fitted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Toolkit::showOnScreen(WindowState& window) {
    fitOnScreens(window);
    ShowWindow(window.handle, SW_SHOW);
}

// The dialog manager tabs through the controls in their z-order, so the layout order is made theirs.
void Win32Toolkit::setTabOrder(const std::vector<int>& order) {
    HWND previous = HWND_TOP;
    for (int id : order) {
        HWND handle = control(id).handle;
        SetWindowPos(handle, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = handle;
    }
}

// A disabled button takes no press from the keyboard either.
void Win32Toolkit::press(const std::vector<int>& buttons) {
    for (int button : buttons)
        if (IsWindowEnabled(control(button).handle))
            raise(button, Event::On);
}

// From the keyboard (no point given) the menu opens at the window's corner.
void Win32Toolkit::openMenu(WindowState& window, POINT at) {
    if (at.x == -1 && at.y == -1) {
        at = {0, 0};
        ClientToScreen(window.handle, &at);
    }
    HMENU popup = CreatePopupMenu();
    UINT command = 1;
    for (const MenuItem& item : window.menu)
        AppendMenuW(popup, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), command++, widen(item.text).c_str());
    const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window.handle, nullptr);
    DestroyMenu(popup);
    if (chosen > 0)
        raise(window.def->id, window.menu[static_cast<std::size_t>(chosen - 1)].event);
}

// Enter on a focused push button presses that button, as in any dialog, rather than the window's Enter button.
// In a window without an Enter button it presses nothing, as on the Qt backend (the dialog manager would press
// the focused button); a multi-line box keeps it for its line breaks.
bool Win32Toolkit::takeChord(WindowState& window, KeyChord chord) {
    if (const std::optional<Event> event = chordEvent(chord); event && window.def->undoKeys) {
        raise(window.def->id, *event);
        return true;
    }
    const ControlState* focused = controlOf(GetFocus());
    std::vector<int> buttons = chordButtons(*window.def, chord);
    if (buttons.empty())
        return chord == KeyChord{.key = KEY_ENTER} && !isMultiLineEdit(focused);
    if (chord.key == KEY_ENTER && focused != nullptr && focused->def->kind == ControlKind::PushButton &&
        focused->def->window == window.def->id)
        buttons = {focused->def->id};
    press(buttons);
    return true;
}

bool Win32Toolkit::isMultiLineEdit(const ControlState* control) {
    return control != nullptr && isTextEdit(*control->def);
}

Win32Toolkit::ControlState* Win32Toolkit::controlOf(HWND handle) {
    const int id = GetDlgCtrlID(handle) - CONTROL_ID_BASE;
    if (id < 0 || id >= static_cast<int>(controls_.size()) || controls_[static_cast<std::size_t>(id)].handle != handle)
        return nullptr;
    return &controls_[static_cast<std::size_t>(id)];
}

void Win32Toolkit::raise(int id, Event event) {
    if (programCalls_ == 0 && events_ != nullptr)
        events_->raise(id, event);
}

} // namespace kedravo::platform::win32
