#include "platform/win32/win32_toolkit.h"

#include "platform/edit_lines.h"
#include "platform/tab_order.h"
#include "platform/win32/limited_edit.h"
#include "platform/win32/wide_text.h"

#include <cassert>

namespace kedravo::platform::win32 {

Win32Toolkit::Win32Toolkit() = default;

// The event sink may be gone already; nothing destroying the windows does is the user's.
Win32Toolkit::~Win32Toolkit() {
    events_ = nullptr;
    for (WindowState& window : windows_)
        if (window.handle != nullptr)
            DestroyWindow(window.handle);
}

void Win32Toolkit::create(const Catalogue& catalogue, EventSink& events) {
    events_ = &events;
    const ProgramCall call(*this);
    // The window procedures hold on to their state, which must not move.
    windows_.reserve(catalogue.windows.size());
    for (const WindowDef& def : catalogue.windows) {
        windows_.push_back({this, &def, nullptr, {}});
        createWindow(windows_.back());
    }
    controls_.reserve(catalogue.controls.size());
    int leader = -1;
    for (const ControlDef& def : catalogue.controls) {
        assert(def.id == static_cast<int>(controls_.size()));
        if (def.kind == ControlKind::RadioButton &&
            ((def.style & FIRST_OF_GROUP) != 0 || leader < 0 ||
             controls_[static_cast<std::size_t>(leader)].def->window != def.window))
            leader = def.id;
        controls_.push_back({&def, nullptr, def.kind == ControlKind::RadioButton ? leader : -1, {}});
        createControl(controls_.back());
    }
    for (const WindowDef& def : catalogue.windows)
        setTabOrder(tabOrder(catalogue, def.id));
    for (WindowState& window : windows_)
        if (window.def->visibleAtStart)
            showOnScreen(window);
}

HWND Win32Toolkit::windowHandle(int window) {
    return this->window(window).handle;
}

Win32Toolkit::WindowState& Win32Toolkit::window(int id) {
    return byId(windows_, id);
}

Win32Toolkit::ControlState& Win32Toolkit::control(int id) {
    return byId(controls_, id);
}

bool Win32Toolkit::isList(const ControlState& c) {
    assert(c.def->kind == ControlKind::ListBox || c.def->kind == ControlKind::DropDown);
    return c.def->kind == ControlKind::ListBox;
}

void Win32Toolkit::setCaption(int window, const std::string& caption) {
    const ProgramCall call(*this);
    SetWindowTextW(this->window(window).handle, widen(caption).c_str());
}

void Win32Toolkit::show(int window) {
    const ProgramCall call(*this);
    showOnScreen(this->window(window));
}

void Win32Toolkit::hide(int window) {
    const ProgramCall call(*this);
    ShowWindow(this->window(window).handle, SW_HIDE);
}

bool Win32Toolkit::isVisible(int window) {
    return IsWindowVisible(this->window(window).handle) != FALSE;
}

void Win32Toolkit::makeTopmost(int window) {
    const ProgramCall call(*this);
    SetWindowPos(this->window(window).handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Toolkit::isTopmost(int window) {
    return (GetWindowLongPtrW(this->window(window).handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Win32Toolkit::activate(int window) {
    const ProgramCall call(*this);
    SetForegroundWindow(this->window(window).handle);
}

Position Win32Toolkit::position(int window) {
    RECT outer;
    GetWindowRect(this->window(window).handle, &outer);
    return {outer.left, outer.top};
}

void Win32Toolkit::move(int window, Position position) {
    const ProgramCall call(*this);
    WindowState& w = this->window(window);
    SetWindowPos(w.handle, nullptr, position.left, position.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsWindowVisible(w.handle))
        fitOnScreens(w);
}

void Win32Toolkit::setMenu(int window, const std::vector<MenuItem>& items) {
    this->window(window).menu = items;
}

std::vector<MenuItem> Win32Toolkit::menu(int window) {
    return this->window(window).menu;
}

void Win32Toolkit::setFocus(int control) {
    const ProgramCall call(*this);
    SetFocus(this->control(control).handle);
}

void Win32Toolkit::setEnabled(int control, bool enabled) {
    const ProgramCall call(*this);
    EnableWindow(this->control(control).handle, enabled);
}

bool Win32Toolkit::isEnabled(int control) {
    return IsWindowEnabled(this->control(control).handle) != FALSE;
}

void Win32Toolkit::setFont(int control, FontFace face, int size) {
    const ProgramCall call(*this);
    applyFont(this->control(control), face, size);
}

namespace {

// What must show whole: a single-line box's text, each item of a drop-down list.
std::vector<std::wstring> wholeTexts(const ControlDef& def, HWND handle) {
    if (isLineEdit(def))
        return {windowText(handle)};
    std::vector<std::wstring> items;
    if (def.kind == ControlKind::DropDown)
        for (WPARAM i = 0, count = SendMessageW(handle, CB_GETCOUNT, 0, 0); i < count; ++i) {
            std::wstring item(static_cast<std::size_t>(SendMessageW(handle, CB_GETLBTEXTLEN, i, 0)), L'\0');
            SendMessageW(handle, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            items.push_back(std::move(item));
        }
    return items;
}

// The pixels the text is drawn in: an edit's formatting rectangle (less the caret), a drop-down's item field.
int textWidth(const ControlDef& def, HWND handle) {
    RECT room{};
    if (def.kind == ControlKind::EditBox) {
        SendMessageW(handle, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        return room.right - room.left - 1;
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(handle, &info);
    return info.rcItem.right - info.rcItem.left - 2;
}

// A box scrolled while its text was wider than it stays scrolled when a smaller font makes the text fit; it is
// brought back to its beginning, the selection kept.
void showBeginning(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_SETSEL, start, end);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

} // namespace

// A text that would scroll out of its box or be cut in its drop-down takes a smaller size of the face. The room
// is measured with the margins of the font the control has, which are no narrower than a smaller one's.
void Win32Toolkit::applyFont(const ControlState& c, FontFace face, int size) {
    HFONT font = fonts_.get(face, size);
    if (const auto texts = wholeTexts(*c.def, c.handle); !texts.empty())
        font = fonts_.fitted(face, size, texts, textWidth(*c.def, c.handle));
    if (reinterpret_cast<HFONT>(SendMessageW(c.handle, WM_GETFONT, 0, 0)) == font)
        return;
    SendMessageW(c.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (c.def->kind == ControlKind::EditBox)
        showBeginning(c.handle);
}

void Win32Toolkit::setText(int control, const std::string& text) {
    const ProgramCall call(*this);
    SetWindowTextW(this->control(control).handle, widen(text).c_str());
}

std::string Win32Toolkit::text(int control) {
    return narrow(windowText(this->control(control).handle));
}

// The edit control's own line count counts the lines as wrapped on the screen; these are the lines of the text.
int Win32Toolkit::lineCount(int control) {
    return static_cast<int>(editLines(text(control)).size());
}

std::string Win32Toolkit::line(int control, int n) {
    return editLine(text(control), n);
}

void Win32Toolkit::scrollToEnd(int control) {
    const ProgramCall call(*this);
    HWND edit = this->control(control).handle;
    const int length = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, length, length);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void Win32Toolkit::clear(int control) {
    const ProgramCall call(*this);
    ControlState& c = this->control(control);
    SendMessageW(c.handle, isList(c) ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    if (!isList(c))
        applyFont(c, c.def->face, c.def->fontSize);
}

void Win32Toolkit::addItem(int control, const std::string& text) {
    const ProgramCall call(*this);
    ControlState& c = this->control(control);
    const std::wstring item = widen(text);
    SendMessageW(c.handle, isList(c) ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (!isList(c))
        applyFont(c, c.def->face, c.def->fontSize);
}

int Win32Toolkit::itemCount(int control) {
    ControlState& c = this->control(control);
    return static_cast<int>(SendMessageW(c.handle, isList(c) ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
}

std::string Win32Toolkit::item(int control, int position) {
    ControlState& c = this->control(control);
    const bool list = isList(c);
    const LRESULT length = SendMessageW(c.handle, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, position, 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    SendMessageW(c.handle, list ? LB_GETTEXT : CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text.data()));
    return narrow(text);
}

int Win32Toolkit::selected(int control) {
    ControlState& c = this->control(control);
    if (!isList(c))
        return static_cast<int>(SendMessageW(c.handle, CB_GETCURSEL, 0, 0));
    for (int row = 0; row < itemCount(control); ++row)
        if (isRowSelected(control, row))
            return row;
    return -1;
}

// A multiple-selection list has no single current selection to set: every row is unselected, then the one
// selected and scrolled into view.
void Win32Toolkit::setSelected(int control, int position) {
    const ProgramCall call(*this);
    ControlState& c = this->control(control);
    if (!isList(c)) {
        SendMessageW(c.handle, CB_SETCURSEL, position, 0);
    } else if ((c.def->style & MULTI_SELECT) == 0) {
        SendMessageW(c.handle, LB_SETCURSEL, position, 0);
    } else {
        SendMessageW(c.handle, LB_SETSEL, FALSE, -1);
        if (position >= 0) {
            SendMessageW(c.handle, LB_SETSEL, TRUE, position);
            SendMessageW(c.handle, LB_SETCARETINDEX, position, FALSE);
        }
    }
}

bool Win32Toolkit::isRowSelected(int control, int row) {
    ControlState& c = this->control(control);
    if (!isList(c))
        return row >= 0 && selected(control) == row;
    return SendMessageW(c.handle, LB_GETSEL, row, 0) > 0;
}

// Tab comes into a radio group at its checked button, the one tab stop of the group.
void Win32Toolkit::checkRadio(ControlState& radio) {
    for (ControlState& c : controls_) {
        if (c.groupLeader != radio.groupLeader)
            continue;
        SendMessageW(c.handle, BM_SETCHECK, &c == &radio ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(c.handle, GWL_STYLE);
        SetWindowLongPtrW(c.handle, GWL_STYLE, &c == &radio ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

void Win32Toolkit::setChecked(int control, bool checked) {
    const ProgramCall call(*this);
    ControlState& c = this->control(control);
    assert(c.def->kind == ControlKind::RadioButton || c.def->kind == ControlKind::CheckBox);
    if (checked && c.def->kind == ControlKind::RadioButton)
        checkRadio(c);
    else
        SendMessageW(c.handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Toolkit::isChecked(int control) {
    return SendMessageW(this->control(control).handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace kedravo::platform::win32
