#pragma once
// Half-width conversion: full-width forms of printable ASCII (with "￥" for the backslash and "￣" for the
// tilde) and the ideographic space become single-byte characters; full-width katakana become half-width ones,
// voiced and semi-voiced ones as base plus mark. Everything else is kept.
#include <string>
#include <string_view>

namespace kedravo {

std::string toHalfWidth(std::string_view utf8);

} // namespace kedravo
