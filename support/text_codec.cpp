// Interim implementation over iconv; the table decoder replaces it.
#include "support/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace tarvo::text {
namespace {
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   bool strict, const char* replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) break;
        if (strict) {
            iconv_close(cd);
            return std::nullopt;
        }
        for (const char* r = replacement; *r; ++r) *dst++ = *r, --dstLeft;
        ++src;
        --srcLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}
}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
    return convert("UTF-8", "CP936", gbk, false, "\xEF\xBF\xBD").value_or(std::string());
}
std::string utf8ToGbk(std::string_view utf8) {
    return convert("CP936", "UTF-8", utf8, false, "?").value_or(std::string());
}
std::optional<std::string> gbkToUtf8Strict(std::string_view gbk) {
    return convert("UTF-8", "CP936", gbk, true, "");
}
std::optional<std::string> utf8ToGbkStrict(std::string_view utf8) {
    return convert("CP936", "UTF-8", utf8, true, "");
}
bool isValidUtf8(std::string_view bytes) {
    return convert("UTF-8", "UTF-8", bytes, true, "").has_value();
}

}  // namespace tarvo::text
