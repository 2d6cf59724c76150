#include "common/utf8.h"

namespace lexorama::utf8 {

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at text[i], or 0.
std::size_t sequenceLength(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t min = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3, min = 0x800, cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, min = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto cc = static_cast<unsigned char>(text[i + k]);
        if (!isContinuation(cc))
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string_view cutToWidth(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end])))
        --end;
    return text.substr(0, end);
}

std::size_t findInvalid(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // Two-byte sequences (Cyrillic, most IPA) are the common case: check them inline.
        if (c >= 0xC2 && c <= 0xDF && i + 1 < n && isContinuation(static_cast<unsigned char>(text[i + 1]))) {
            i += 2;
            continue;
        }
        const std::size_t length = sequenceLength(text, i);
        if (length == 0)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

Position positionOf(std::string_view text, std::size_t offset)
{
    Position pos;
    const std::size_t end = offset < text.size() ? offset : text.size();
    for (std::size_t i = 0; i < end; ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++pos.line;
            pos.column = 1;
        } else if (!isContinuation(static_cast<unsigned char>(c))) {
            ++pos.column;
        }
    }
    return pos;
}

void append(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace lexorama::utf8
