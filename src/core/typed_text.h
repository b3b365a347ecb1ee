#pragma once
// What an edit box keeps of a text the user types into it. Its limit is in code page 932 bytes, not characters:
// a full-width character counts two, and so does a line break (CR LF).
#include <string>
#include <string_view>

namespace kedravo {

// The text an empty edit box holds after `typed` has been typed into it one character at a time. A character
// code page 932 cannot hold, a control character, or one that would pass `maxBytes` (0: no limit) is dropped
// and typing goes on. A line break (CR LF, or CR or LF alone, as the Enter key) becomes CR LF in a multi-line
// box; a single-line box takes none. A character in `refused` is dropped as well.
std::string typedText(std::string_view typed, int maxBytes, bool multiLine, std::u32string_view refused = {});

} // namespace kedravo
