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

Conversion convert(const char* to, const char* from, std::string_view in) {
    std::unique_ptr<void, IconvCloser> cd(iconv_open(to, from));
    Conversion out;
    if (cd.get() == reinterpret_cast<void*>(-1)) {
        cd.release();
        out.ok = false;
        return out;
    }
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(static_cast<iconv_t>(cd.get()), &src, &srcLeft, &dst, &dstLeft);
        out.text.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out.ok = false;
            out.badOffset = in.size() - srcLeft;
            return out;
        }
    }
    return out;
}

} // namespace

Conversion utf8ToCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8);
}

Conversion cp932ToUtf8(std::string_view bytes) {
    return convert("UTF-8", "CP932", bytes);
}

} // namespace kedravo
