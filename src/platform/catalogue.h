#pragma once
// The shape of a window catalogue: windows and controls as data, read by every backend. The catalogue itself
// (the six windows of the program) is defined by the ui layer.
#include <cassert>
#include <cstddef>
#include <span>

namespace kedravo::platform {

enum class ControlKind { PushButton, RadioButton, CheckBox, GroupBox, StaticText, EditBox, ListBox, DropDown };

inline constexpr int NO_CONTROL = -1;

enum class FontFace { Proportional, Fixed }; // "ＭＳ Ｐゴシック", "ＭＳ ゴシック"

enum ControlStyle : unsigned {
    STYLE_NONE = 0,
    MULTI_LINE = 1u << 0,
    READ_ONLY = 1u << 1,
    VERTICAL_SCROLL = 1u << 2,
    WRAP_LINES = 1u << 3,   // no horizontal scrolling: a line wider than the box wraps
    MULTI_SELECT = 1u << 4, // list box where a click toggles a row
    WHITE_ON_BLACK = 1u << 5,
    RED_TEXT = 1u << 6,
    FIRST_OF_GROUP = 1u << 7, // radio button that starts a group
    CHECKED = 1u << 8,        // radio button or check box checked initially
    // Edit box whose text a data file stores between double quotes, which have no escape there: typing one is
    // refused like a character code page 932 cannot hold.
    NO_DOUBLE_QUOTE = 1u << 9,
};

struct ControlDef {
    int id;           // position in the catalogue, also the handle every Toolkit operation takes
    const char* name; // BUTTON1, EDIT3, ...
    ControlKind kind;
    int window;          // index into the catalogue's windows
    const char* caption; // caption or initial text; "" when set at run time
    int left, top, width, height;
    FontFace face;
    int fontSize;
    unsigned style;
    int maxBytes; // edit boxes: limit in code page 932 bytes (a line break counts 2); 0 = none
};

// The toolkits make single-line and multi-line edit boxes as different controls.
inline bool isLineEdit(const ControlDef& def) {
    return def.kind == ControlKind::EditBox && !(def.style & MULTI_LINE);
}
inline bool isTextEdit(const ControlDef& def) {
    return def.kind == ControlKind::EditBox && (def.style & MULTI_LINE);
}

struct WindowDef {
    int id;
    const char* name; // MAINFORM, FORM2, ...
    const char* caption;
    int left, top, width, height; // outer size, caption bar and frame included
    bool closeBox;
    bool topmost;
    bool visibleAtStart;
    bool undoKeys; // takes the undo and redo key chords, over its edit boxes' own
    // The buttons the keyboard and the window manager press (NO_CONTROL for none): Enter presses enterButton;
    // Escape and a close request on a window without a close box press cancelButton, then closeButton.
    int enterButton;
    int cancelButton;
    int closeButton;
};

struct Catalogue {
    std::span<const WindowDef> windows;
    std::span<const ControlDef> controls;
};

// The entry for window or control `id` of a backend's table kept in the catalogue's order.
template <class Table> auto& byId(Table& table, int id) {
    assert(id >= 0 && id < static_cast<int>(table.size()));
    return table[static_cast<std::size_t>(id)];
}

} // namespace kedravo::platform
