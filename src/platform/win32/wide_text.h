#pragma once
// The UTF-16 text of the Windows API ("W" functions) and the UTF-8 text held in memory. Every call to the system
// goes through the W functions, so that Japanese text and paths pass whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace kedravo::platform::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// wchar_t is a UTF-16 unit on Windows; the shared typing rule works on char16_t.
std::u16string asUtf16(std::wstring_view wide);
std::wstring asWide(std::u16string_view utf16);

} // namespace kedravo::platform::win32
