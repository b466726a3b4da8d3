#pragma once
// The one text-conversion layer: UTF-8 inside the program, GBK (code page 936) at the file and
// service boundaries. Nothing here throws or crashes on bad input.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::text {

// GBK bytes to UTF-8. Byte 0x80 is the euro sign, as in code page 936. An invalid or truncated
// sequence becomes U+FFFD, so the result is always valid UTF-8.
std::string gbkToUtf8(std::string_view gbk);

// UTF-8 to GBK. A character that GBK cannot hold, and every byte of invalid UTF-8, becomes '?',
// as the system's ANSI conversion does: such characters are lost at the file boundary.
std::string utf8ToGbk(std::string_view utf8);

// Strict forms: no result when the input holds anything that does not convert exactly.
std::optional<std::string> gbkToUtf8Strict(std::string_view gbk);
std::optional<std::string> utf8ToGbkStrict(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);

}  // namespace tarvo::text
