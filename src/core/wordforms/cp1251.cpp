#include "wordforms/cp1251.h"

#include "common/utf8.h"

#include <array>

namespace lexorama::wordforms::cp1251 {

namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t codePointOf(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kUpperHalf[byte - 0x80];
}

std::optional<char> byteOf(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<char>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == cp && cp != 0xFFFD)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// Decodes the sequence at text[i] and advances i; a broken sequence yields nothing.
std::optional<char32_t> decode(std::string_view text, std::size_t &i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view sequence = text.substr(i, length);
    if (utf8::findInvalid(sequence) != std::string_view::npos) {
        ++i;
        return std::nullopt;
    }
    i += length;
    if (length == 1)
        return lead;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
    return cp;
}

// Converts while every character maps; stops at the first one that does not when strict.
std::optional<std::string> encode(std::string_view utf8, bool strict)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = decode(utf8, i);
        const auto byte = cp ? byteOf(*cp) : std::nullopt;
        if (!byte && strict)
            return std::nullopt;
        out += byte.value_or('?');
    }
    return out;
}

} // namespace

std::string toUtf8(std::string_view cp1251)
{
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            utf8::append(out, codePointOf(byte));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8)
{
    return *encode(utf8, false);
}

std::optional<std::string> fromUtf8Exact(std::string_view utf8)
{
    return encode(utf8, true);
}

} // namespace lexorama::wordforms::cp1251
