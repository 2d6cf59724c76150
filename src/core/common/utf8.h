#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexorama::utf8 {

/// The longest prefix of text that fits into maxBytes without splitting a character.
std::string_view cutToWidth(std::string_view text, std::size_t maxBytes);

/// Offset of the first byte that does not belong to a well-formed UTF-8 sequence, or npos.
std::size_t findInvalid(std::string_view text);

/// Line and column (1-based, column in characters) of a byte offset in text.
struct Position {
    int line = 1;
    int column = 1;
};
Position positionOf(std::string_view text, std::size_t offset);

/// Appends the UTF-8 encoding of a code point.
void append(std::string &out, char32_t codePoint);

} // namespace lexorama::utf8
