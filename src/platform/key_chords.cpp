#include "platform/key_chords.h"

namespace kedravo::platform {

std::optional<Event> chordEvent(const KeyChord& chord) {
    if (!chord.control || chord.alt)
        return std::nullopt;
    if (chord.key == 'Z')
        return chord.shift ? Event::Redo : Event::Undo;
    if (chord.key == 'Y' && !chord.shift)
        return Event::Redo;
    return std::nullopt;
}

std::vector<int> chordButtons(const WindowDef& window, const KeyChord& chord) {
    if (chord.control || chord.shift || chord.alt)
        return {};
    if (chord.key == KEY_ENTER && window.enterButton != NO_CONTROL)
        return {window.enterButton};
    if (chord.key == KEY_ESCAPE && !window.closeBox)
        return closeRequestButtons(window);
    return {};
}

std::vector<int> closeRequestButtons(const WindowDef& window) {
    std::vector<int> buttons;
    for (int button : {window.cancelButton, window.closeButton})
        if (button != NO_CONTROL)
            buttons.push_back(button);
    return buttons;
}

} // namespace kedravo::platform
