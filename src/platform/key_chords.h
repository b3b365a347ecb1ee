#pragma once
// The key chords every window takes beside its controls' own keys, the same on every backend: Ctrl+Z undoes,
// Ctrl+Y and Ctrl+Shift+Z redo; Enter presses the window's Enter button and Escape closes a secondary window as
// its close button does. A close request from the window manager closes it the same way.
#include "platform/toolkit.h"

#include <optional>
#include <vector>

namespace kedravo::platform {

std::optional<Event> chordEvent(const KeyChord& chord);

// The buttons the chord presses in the window, in order; none when the chord is not Enter or Escape or the
// window has no such button.
std::vector<int> chordButtons(const WindowDef& window, const KeyChord& chord);

// What a close request presses on a window without a close box: its cancel button, if any, then its close button.
std::vector<int> closeRequestButtons(const WindowDef& window);

} // namespace kedravo::platform
