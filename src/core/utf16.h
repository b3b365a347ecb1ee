#pragma once
// UTF-16 text, as toolkits hold it, and the UTF-8 text held in memory. An unpaired surrogate becomes U+FFFD.
#include <string>
#include <string_view>

namespace kedravo {

std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);

} // namespace kedravo
