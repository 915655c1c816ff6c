// GBK conversion through glibc iconv.
#include "text/Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace wall {
namespace {

// Converts with iconv; on an unconvertible or invalid sequence skips one input unit and writes
// `replacement` instead. `unit` is the number of input bytes to skip for one character.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    bool utf8Input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.reserve(in.size() * 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[256];
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, dst - buf);
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one character of input.
        size_t skip = 1;
        if (utf8Input) {
            unsigned char c = static_cast<unsigned char>(*src);
            skip = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        } else if (static_cast<unsigned char>(*src) >= 0x81 && srcLeft >= 2) {
            skip = 2;
        }
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
        out.append(replacement);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    return Convert("GBK", "UTF-8", utf8, "?", true);
}

std::string GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", false);
}

std::size_t GbkLength(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            n += 1;
            i += 1;
        } else {
            std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            n += 2;
            i += len;
        }
    }
    return n;
}

}  // namespace wall
