// Conversion between the program's UTF-8 texts and the GBK bytes of drawing files and byte counts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wall {

// UTF-8 to GBK. Characters GBK cannot hold become '?'.
std::string Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. Invalid bytes become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// Length of a UTF-8 text in GBK bytes: ASCII counts 1, a Chinese character 2.
std::size_t GbkLength(std::string_view utf8);

}  // namespace wall
