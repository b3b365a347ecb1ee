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

} // namespace kedravo::platform
