// Code page 932 through glibc's iconv.
#include "core/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace kedravo {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

// In code page 932 these take the byte after them, which may lie in the ASCII range.
bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::size_t asciiRunEnd(std::string_view in, std::size_t at) {
    while (at < in.size() && isAscii(in[at]))
        ++at;
    return at;
}

std::size_t utf8RunEnd(std::string_view in, std::size_t at) {
    while (at < in.size() && !isAscii(in[at]))
        ++at;
    return at;
}

std::size_t cp932RunEnd(std::string_view in, std::size_t at) {
    while (at < in.size() && !isAscii(in[at]))
        at += isLeadByte(in[at]) && at + 1 < in.size() ? 2 : 1;
    return at;
}

// Converts `run`, which starts at `offset` of the whole input, onto the end of `out`.
bool convertRun(iconv_t cd, std::string_view run, std::size_t offset, Conversion& out) {
    char* src = const_cast<char*>(run.data());
    std::size_t srcLeft = run.size();
    char buffer[1024];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.text.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out.ok = false;
            out.badOffset = offset + run.size() - srcLeft;
            return false;
        }
    }
    return true;
}

// Bytes below 0x80 are the same characters in UTF-8 and in code page 932, and they make up most of every data
// file; only the runs of other characters go through iconv, which takes a hundred instructions a byte.
Conversion convert(const char* to, const char* from, std::string_view in,
                   std::size_t (*otherRunEnd)(std::string_view, std::size_t)) {
    Conversion out;
    iconv_t opened = iconv_open(to, from);
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        out.ok = false;
        return out;
    }
    Iconv cd(opened);
    out.text.reserve(in.size());
    for (std::size_t at = 0; at < in.size();) {
        const std::size_t ascii = asciiRunEnd(in, at);
        out.text.append(in.substr(at, ascii - at));
        at = otherRunEnd(in, ascii);
        if (!convertRun(static_cast<iconv_t>(cd.get()), in.substr(ascii, at - ascii), ascii, out))
            return out;
    }
    return out;
}

} // namespace

Conversion utf8ToCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, utf8RunEnd);
}

Conversion cp932ToUtf8(std::string_view bytes) {
    return convert("UTF-8", "CP932", bytes, cp932RunEnd);
}

} // namespace kedravo
