#include "platform/headless/headless_toolkit.h"

#include "platform/edit_lines.h"
#include "platform/key_chords.h"
#include "platform/typing_rule.h"

#include <algorithm>
#include <cassert>

namespace kedravo::platform {
namespace {

bool has(const ControlDef& def, unsigned style) {
    return (def.style & style) != 0;
}

} // namespace

void HeadlessToolkit::create(const Catalogue& catalogue, EventSink& events) {
    events_ = &events;
    windows_.clear();
    for (const WindowDef& def : catalogue.windows)
        windows_.push_back({&def, def.visibleAtStart, def.topmost, {def.left, def.top}, {}});
    controls_.clear();
    for (const ControlDef& def : catalogue.controls) {
        assert(def.id == static_cast<int>(controls_.size()));
        controls_.push_back(
            {.def = &def, .text = def.caption, .checked = has(def, CHECKED), .items = {}, .rowSelected = {}});
    }
}

HeadlessToolkit::WindowState& HeadlessToolkit::window(int id) {
    return byId(windows_, id);
}

HeadlessToolkit::ControlState& HeadlessToolkit::control(int id) {
    return byId(controls_, id);
}

HeadlessToolkit::ControlState& HeadlessToolkit::control(int id, [[maybe_unused]] ControlKind kind) {
    ControlState& c = control(id);
    assert(c.def->kind == kind);
    return c;
}

HeadlessToolkit::ControlState& HeadlessToolkit::itemControl(int id) {
    ControlState& c = control(id);
    assert(c.def->kind == ControlKind::ListBox || c.def->kind == ControlKind::DropDown);
    return c;
}

// Without a screen there is nothing to draw a caption, a font or a scroll position on; only the id is checked.
void HeadlessToolkit::setCaption(int window, const std::string&) {
    this->window(window);
}
void HeadlessToolkit::activate(int window) {
    this->window(window);
}
void HeadlessToolkit::setFocus(int control) {
    this->control(control);
    focused_ = control;
}
void HeadlessToolkit::setFont(int control, FontFace, int) {
    this->control(control);
}
void HeadlessToolkit::scrollToEnd(int control) {
    this->control(control, ControlKind::EditBox);
}

void HeadlessToolkit::show(int window) {
    this->window(window).visible = true;
}
void HeadlessToolkit::hide(int window) {
    this->window(window).visible = false;
}
bool HeadlessToolkit::isVisible(int window) {
    return this->window(window).visible;
}
void HeadlessToolkit::makeTopmost(int window) {
    this->window(window).topmost = true;
}
bool HeadlessToolkit::isTopmost(int window) {
    return this->window(window).topmost;
}
Position HeadlessToolkit::position(int window) {
    return this->window(window).position;
}
void HeadlessToolkit::move(int window, Position position) {
    this->window(window).position = position;
}

void HeadlessToolkit::setEnabled(int control, bool enabled) {
    this->control(control).enabled = enabled;
}
bool HeadlessToolkit::isEnabled(int control) {
    return this->control(control).enabled;
}

void HeadlessToolkit::setText(int control, const std::string& text) {
    this->control(control).text = text;
}
std::string HeadlessToolkit::text(int control) {
    return this->control(control).text;
}

int HeadlessToolkit::lineCount(int control) {
    return static_cast<int>(editLines(this->control(control, ControlKind::EditBox).text).size());
}

std::string HeadlessToolkit::line(int control, int n) {
    return editLine(this->control(control, ControlKind::EditBox).text, n);
}

void HeadlessToolkit::clear(int control) {
    ControlState& c = itemControl(control);
    c.items.clear();
    c.rowSelected.clear();
}

void HeadlessToolkit::addItem(int control, const std::string& text) {
    ControlState& c = itemControl(control);
    c.items.push_back(text);
    c.rowSelected.push_back(false);
}

int HeadlessToolkit::itemCount(int control) {
    return static_cast<int>(itemControl(control).items.size());
}

std::string HeadlessToolkit::item(int control, int position) {
    const ControlState& c = itemControl(control);
    return position >= 0 && position < static_cast<int>(c.items.size()) ? c.items[static_cast<std::size_t>(position)]
                                                                        : std::string();
}

int HeadlessToolkit::selected(int control) {
    const std::vector<bool>& rows = itemControl(control).rowSelected;
    auto first = std::find(rows.begin(), rows.end(), true);
    return first == rows.end() ? -1 : static_cast<int>(first - rows.begin());
}

void HeadlessToolkit::setSelected(int control, int position) {
    std::vector<bool>& rows = itemControl(control).rowSelected;
    std::fill(rows.begin(), rows.end(), false);
    if (position >= 0 && position < static_cast<int>(rows.size()))
        rows[static_cast<std::size_t>(position)] = true;
}

bool HeadlessToolkit::isRowSelected(int control, int row) {
    const std::vector<bool>& rows = itemControl(control).rowSelected;
    return row >= 0 && row < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(row)];
}

// A radio group starts at a FIRST_OF_GROUP radio button and runs through the radio buttons after it in the same
// window; a radio button belongs to the last group started at or before it (-1: none started yet).
int HeadlessToolkit::groupOf(const ControlDef& radio) const {
    int group = -1;
    for (const ControlState& c : controls_) {
        if (c.def->id > radio.id)
            break;
        if (c.def->window == radio.window && c.def->kind == ControlKind::RadioButton && has(*c.def, FIRST_OF_GROUP))
            group = c.def->id;
    }
    return group;
}

void HeadlessToolkit::checkRadio(ControlState& radio) {
    const int group = groupOf(*radio.def);
    for (ControlState& c : controls_)
        if (c.def->kind == ControlKind::RadioButton && c.def->window == radio.def->window && groupOf(*c.def) == group)
            c.checked = false;
    radio.checked = true;
}

void HeadlessToolkit::setChecked(int control, bool checked) {
    ControlState& c = this->control(control);
    assert(c.def->kind == ControlKind::RadioButton || c.def->kind == ControlKind::CheckBox);
    if (checked && c.def->kind == ControlKind::RadioButton)
        checkRadio(c);
    else
        c.checked = checked;
}

bool HeadlessToolkit::isChecked(int control) {
    return this->control(control).checked;
}

Refusal HeadlessToolkit::refusal(const ControlState& control) {
    if (!window(control.def->window).visible)
        return Refusal::Hidden;
    return control.enabled ? Refusal::None : Refusal::Disabled;
}

Refusal HeadlessToolkit::click(int control) {
    ControlState& c = this->control(control);
    if (Refusal r = refusal(c); r != Refusal::None)
        return r;
    switch (c.def->kind) {
    case ControlKind::PushButton:
        break;
    case ControlKind::CheckBox:
        c.checked = !c.checked;
        break;
    case ControlKind::RadioButton:
        checkRadio(c);
        break;
    default:
        assert(!"only buttons, radio buttons and check boxes can be clicked");
    }
    events_->raise(control, Event::On);
    return Refusal::None;
}

Refusal HeadlessToolkit::pick(int control, int position) {
    ControlState& c = this->control(control, ControlKind::DropDown);
    assert(position >= 0 && position < static_cast<int>(c.items.size()));
    if (Refusal r = refusal(c); r != Refusal::None)
        return r;
    setSelected(control, position);
    events_->raise(control, Event::Change);
    return Refusal::None;
}

Refusal HeadlessToolkit::clickRow(int control, int row) {
    ControlState& c = this->control(control, ControlKind::ListBox);
    assert(row >= 0 && row < static_cast<int>(c.items.size()));
    if (Refusal r = refusal(c); r != Refusal::None)
        return r;
    if (has(*c.def, MULTI_SELECT))
        c.rowSelected[static_cast<std::size_t>(row)] = !c.rowSelected[static_cast<std::size_t>(row)];
    else
        setSelected(control, row);
    events_->raise(control, Event::Click);
    return Refusal::None;
}

Refusal HeadlessToolkit::type(int control, const std::string& text) {
    ControlState& c = this->control(control, ControlKind::EditBox);
    if (Refusal r = refusal(c); r != Refusal::None)
        return r;
    if (has(*c.def, READ_ONLY))
        return Refusal::ReadOnly;
    c.text = typedInto(*c.def, text);
    return Refusal::None;
}

// A disabled button takes no press from the keyboard either.
void HeadlessToolkit::press(const std::vector<int>& buttons) {
    for (int button : buttons)
        if (control(button, ControlKind::PushButton).enabled)
            events_->raise(button, Event::On);
}

Refusal HeadlessToolkit::closeWindow(int window) {
    const WindowState& w = this->window(window);
    if (!w.visible)
        return Refusal::Hidden;
    if (w.def->closeBox)
        events_->raise(window, Event::End);
    else
        press(closeRequestButtons(*w.def));
    return Refusal::None;
}

} // namespace kedravo::platform

namespace kedravo::platform {

void HeadlessToolkit::setMenu(int window, const std::vector<MenuItem>& items) {
    this->window(window).menu = items;
}

std::vector<MenuItem> HeadlessToolkit::menu(int window) {
    return this->window(window).menu;
}

Refusal HeadlessToolkit::chooseMenuItem(int window, int position) {
    const WindowState& w = this->window(window);
    assert(position >= 0 && position < static_cast<int>(w.menu.size()));
    if (!w.visible)
        return Refusal::Hidden;
    const MenuItem& item = w.menu[static_cast<std::size_t>(position)];
    if (!item.enabled)
        return Refusal::Disabled;
    events_->raise(window, item.event);
    return Refusal::None;
}

Refusal HeadlessToolkit::pressKeys(int window, KeyChord chord) {
    const WindowState& w = this->window(window);
    if (!w.visible)
        return Refusal::Hidden;
    if (const std::optional<Event> event = chordEvent(chord); event && w.def->undoKeys)
        events_->raise(window, *event);
    press(chordButtons(*w.def, chord));
    return Refusal::None;
}

} // namespace kedravo::platform
