#pragma once
// The windowing toolkit as the handlers see it. No toolkit type appears here: every window and control is
// addressed by its catalogue id. Setting a text, a selection or a check state from the program raises no event.
#include "platform/catalogue.h"

#include <string>
#include <vector>

namespace kedravo::platform {

// Undo and Redo come from a window's context menu or its key chords (platform/key_chords.h), beside its controls;
// ExportCsv and ImportCsv from the main window's context menu.
enum class Event { On, Change, Click, End, Undo, Redo, ExportCsv, ImportCsv };

// Events raised on a window rather than on one of its controls.
constexpr bool isWindowEvent(Event event) {
    return event == Event::End || event == Event::Undo || event == Event::Redo || event == Event::ExportCsv ||
           event == Event::ImportCsv;
}

// Receives the events raised by the user. `control` is a control id, or for a window event a window id.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void raise(int control, Event event) = 0;
};

// One entry of a window's context menu: choosing it raises `event` on the window.
struct MenuItem {
    Event event;
    std::string text;
    bool enabled = true;
    bool operator==(const MenuItem&) const = default;
};

struct Position {
    int left = 0;
    int top = 0;
    bool operator==(const Position&) const = default;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Creates every window and control of the catalogue; windows marked visibleAtStart are shown.
    virtual void create(const Catalogue& catalogue, EventSink& events) = 0;

    // Windows.
    virtual void setCaption(int window, const std::string& caption) = 0;
    virtual void show(int window) = 0;
    virtual void hide(int window) = 0;
    virtual bool isVisible(int window) = 0;
    virtual void makeTopmost(int window) = 0;
    virtual bool isTopmost(int window) = 0;
    virtual void activate(int window) = 0;
    virtual Position position(int window) = 0;
    virtual void move(int window, Position position) = 0;
    // The menu a right click anywhere on the window opens; none when empty.
    virtual void setMenu(int window, const std::vector<MenuItem>& items) = 0;
    virtual std::vector<MenuItem> menu(int window) = 0;

    // Any control.
    // The control the keyboard types into; in a hidden window, the one it will type into when shown.
    virtual void setFocus(int control) = 0;
    virtual void setEnabled(int control, bool enabled) = 0;
    virtual bool isEnabled(int control) = 0;
    virtual void setFont(int control, FontFace face, int size) = 0;

    // Buttons, static texts and edit boxes. Multi-line texts use CR LF between lines.
    virtual void setText(int control, const std::string& text) = 0;
    virtual std::string text(int control) = 0;
    // Lines of a multi-line edit box as separated by line breaks (not as wrapped on screen); n from 1.
    virtual int lineCount(int control) = 0;
    virtual std::string line(int control, int n) = 0;
    virtual void scrollToEnd(int control) = 0;

    // List boxes and drop-down lists; positions from 0, -1 for none.
    virtual void clear(int control) = 0;
    virtual void addItem(int control, const std::string& text) = 0;
    virtual int itemCount(int control) = 0;
    virtual std::string item(int control, int position) = 0;
    virtual int selected(int control) = 0;
    virtual void setSelected(int control, int position) = 0;
    virtual bool isRowSelected(int control, int row) = 0;

    // Radio buttons and check boxes.
    virtual void setChecked(int control, bool checked) = 0;
    virtual bool isChecked(int control) = 0;
};

// What a user can do, for scripted runs. Each call acts exactly as the user's action would (limits and
// refused characters apply, events are raised) and says why it was refused, if it was.
enum class Refusal { None, Hidden, Disabled, ReadOnly };

// Keys other than letters that a KeyChord can name.
inline constexpr char KEY_ENTER = '\r';
inline constexpr char KEY_ESCAPE = '\x1b';

// A key with its modifiers; `key` is 'A' to 'Z', KEY_ENTER or KEY_ESCAPE.
struct KeyChord {
    bool control = false;
    bool shift = false;
    bool alt = false;
    char key = 0;
    bool operator==(const KeyChord&) const = default;
};

class UserInput {
public:
    virtual ~UserInput() = default;
    virtual Refusal click(int control) = 0;                         // push button, radio button, check box
    virtual Refusal pick(int control, int position) = 0;            // drop-down list
    virtual Refusal clickRow(int control, int row) = 0;             // list box
    virtual Refusal type(int control, const std::string& text) = 0; // replaces the whole text, char by char
    virtual Refusal closeWindow(int window) = 0;                    // the close box, or the window manager's
    virtual Refusal chooseMenuItem(int window, int position) = 0;   // from the window's context menu
    virtual Refusal pressKeys(int window, KeyChord chord) = 0;      // a key chord with the window active
};

} // namespace kedravo::platform
