// Code page 932 through the system's own tables, whatever the system's ANSI code page is.
#include "core/cp932.h"

#include <windows.h>

namespace kedravo {
namespace {

constexpr UINT CP932 = 932;

// Single bytes that the system's table maps to control or private-use characters but that are no characters of
// code page 932 (nor of the other platforms' conversion): text holding them is refused everywhere alike.
bool isStraySingleByte(wchar_t c) {
    return c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3);
}

bool toWide(UINT codePage, std::string_view in, std::wstring& out) {
    out.clear();
    if (in.empty())
        return true;
    const int size = static_cast<int>(in.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    out.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), length);
    if (codePage == CP932)
        for (wchar_t c : out)
            if (isStraySingleByte(c))
                return false;
    return true;
}

// The UTF-8 conversion has no default character; only code page 932 can have to fall back to one.
bool fromWide(UINT codePage, std::wstring_view in, std::string& out) {
    out.clear();
    if (in.empty())
        return true;
    const DWORD flags = codePage == CP932 ? WC_NO_BEST_FIT_CHARS : WC_ERR_INVALID_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* checkDefault = codePage == CP932 ? &usedDefault : nullptr;
    const int size = static_cast<int>(in.size());
    const int length = WideCharToMultiByte(codePage, flags, in.data(), size, nullptr, 0, nullptr, checkDefault);
    if (length <= 0 || usedDefault)
        return false;
    out.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, flags, in.data(), size, out.data(), length, nullptr, nullptr);
    return true;
}

bool convert(UINT from, UINT to, std::string_view in, std::string& out) {
    std::wstring wide;
    return toWide(from, in, wide) && fromWide(to, wide, out);
}

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC0 ? 2 : 1;
}

std::size_t cp932SequenceLength(unsigned char lead) {
    return IsDBCSLeadByteEx(CP932, lead) ? 2 : 1;
}

// The whole text at once; when that fails, character by character up to the first one that does not convert.
template <class SequenceLength>
Conversion convertText(UINT from, UINT to, std::string_view in, SequenceLength sequenceLength) {
    Conversion out;
    if (convert(from, to, in, out.text))
        return out;
    out.text.clear();
    std::string piece;
    for (std::size_t at = 0; at < in.size();) {
        const std::string_view one = in.substr(at, sequenceLength(static_cast<unsigned char>(in[at])));
        if (!convert(from, to, one, piece)) {
            out.ok = false;
            out.badOffset = at;
            return out;
        }
        out.text += piece;
        at += one.size();
    }
    return out;
}

} // namespace

Conversion utf8ToCp932(std::string_view utf8) {
    return convertText(CP_UTF8, CP932, utf8, utf8SequenceLength);
}

Conversion cp932ToUtf8(std::string_view bytes) {
    return convertText(CP932, CP_UTF8, bytes, cp932SequenceLength);
}

} // namespace kedravo
