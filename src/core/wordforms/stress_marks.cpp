#include "wordforms/stress_marks.h"

#include <algorithm>

namespace lexorama::wordforms {

namespace {

// а е ё и о у ы э ю я in Windows-1251, and their upper-case forms.
constexpr unsigned char kVowels[] = {0xE0, 0xE5, 0xB8, 0xE8, 0xEE, 0xF3, 0xFB, 0xFD, 0xFE, 0xFF};

unsigned char upper(unsigned char vowel)
{
    return vowel == 0xB8 ? 0xA8 : static_cast<unsigned char>(vowel - 0x20);
}

// Replaces every occurrence of `from` (two bytes) by `to` (one or two bytes), left to right.
void replaceAll(std::string &text, std::string_view from, std::string_view to)
{
    if (text.find(from) == std::string::npos)
        return;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out += to;
    }
    out.append(text, pos);
    text = std::move(out);
}

} // namespace

std::string markStress(std::string_view cp1251)
{
    std::string text(cp1251);
    for (const unsigned char v : kVowels) {
        const char from[] = {static_cast<char>(v), '\''};
        const char to[] = {static_cast<char>(upper(v))};
        replaceAll(text, {from, 2}, {to, 1});
    }
    for (const unsigned char v : kVowels) {
        const char from[] = {static_cast<char>(v), '`'};
        const char to[] = {'`', static_cast<char>(v)};
        replaceAll(text, {from, 2}, {to, 2});
    }
    return text;
}

std::string stripStressMarks(std::string_view text)
{
    std::string out(text);
    out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == '\'' || c == '`'; }),
              out.end());
    return out;
}

} // namespace lexorama::wordforms
