#pragma once
// The key chords every window takes beside its controls' own keys, the same on every backend: Ctrl+Z undoes,
// Ctrl+Y and Ctrl+Shift+Z redo.
#include "platform/toolkit.h"

#include <optional>

namespace kedravo::platform {

std::optional<Event> chordEvent(const KeyChord& chord);

} // namespace kedravo::platform
