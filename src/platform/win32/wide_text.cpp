#include "platform/win32/wide_text.h"

#include "core/utf16.h"

namespace kedravo::platform::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W functions take UTF-16");

std::wstring widen(std::string_view utf8) {
    return asWide(toUtf16(utf8));
}

std::string narrow(std::wstring_view wide) {
    return fromUtf16(asUtf16(wide));
}

std::u16string asUtf16(std::wstring_view wide) {
    return {wide.begin(), wide.end()};
}

std::wstring asWide(std::u16string_view utf16) {
    return {utf16.begin(), utf16.end()};
}

} // namespace kedravo::platform::win32
