#include "wordforms/sclon_matcher.h"

#include "wordforms/cp1251.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <optional>

namespace lexorama::wordforms {

namespace {

// PCRE2's character table layout: lower-case map, case-flip map, ten class bitmaps, types.
constexpr std::size_t kLcc = 0, kFcc = 256, kCbits = 512, kCtypes = 832, kTablesSize = 1088;
constexpr std::size_t kCbitSpace = 0, kCbitXdigit = 32, kCbitDigit = 64, kCbitUpper = 96,
                      kCbitLower = 128, kCbitWord = 160, kCbitGraph = 192, kCbitPrint = 224,
                      kCbitPunct = 256, kCbitCntrl = 288;
constexpr unsigned char kTypeSpace = 0x01, kTypeLetter = 0x02, kTypeLower = 0x04, kTypeDigit = 0x08,
                        kTypeWord = 0x10;

bool isRussianUpper(int c) { return (c >= 0xC0 && c <= 0xDF) || c == 0xA8; }
bool isRussianLower(int c) { return c >= 0xE0 || c == 0xB8; }
bool isAsciiUpper(int c) { return c >= 'A' && c <= 'Z'; }
bool isAsciiLower(int c) { return c >= 'a' && c <= 'z'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '-'; }
bool isControl(int c) { return c < 0x20 || c == 0x7F; }

// Character tables for Windows-1251 text: Russian letters are word characters but have no
// other case (so they match case-sensitively), and "-" counts as a blank.
const unsigned char *sclonTables()
{
    static const std::array<unsigned char, kTablesSize> tables = [] {
        std::array<unsigned char, kTablesSize> t{};
        auto setBit = [&t](std::size_t map, int c) { t[kCbits + map + c / 8] |= 1u << (c & 7); };
        for (int c = 0; c < 256; ++c) {
            const bool upper = isAsciiUpper(c) || isRussianUpper(c);
            const bool lower = isAsciiLower(c) || isRussianLower(c);
            const bool letter = upper || lower;
            const bool word = letter || isDigit(c) || c == '_';
            t[kLcc + c] = static_cast<unsigned char>(isAsciiUpper(c) ? c + 32 : c);
            t[kFcc + c] = static_cast<unsigned char>(isAsciiUpper(c) ? c + 32 : isAsciiLower(c) ? c - 32 : c);
            if (isSpace(c)) setBit(kCbitSpace, c);
            if (isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')) setBit(kCbitXdigit, c);
            if (isDigit(c)) setBit(kCbitDigit, c);
            if (upper) setBit(kCbitUpper, c);
            if (lower) setBit(kCbitLower, c);
            if (word) setBit(kCbitWord, c);
            if (c > 0x20 && !isControl(c)) setBit(kCbitGraph, c);
            if (c >= 0x20 && !isControl(c)) setBit(kCbitPrint, c);
            if (c > 0x20 && c < 0x7F && !word) setBit(kCbitPunct, c);
            if (isControl(c)) setBit(kCbitCntrl, c);
            t[kCtypes + c] = static_cast<unsigned char>((isSpace(c) ? kTypeSpace : 0) |
                                                        (letter ? kTypeLetter : 0) |
                                                        (lower ? kTypeLower : 0) |
                                                        (isDigit(c) ? kTypeDigit : 0) |
                                                        (word ? kTypeWord : 0));
        }
        return t;
    }();
    return tables.data();
}

// Ranges of Russian letters follow the alphabet, where "ё" stands right after "е": "[а-я]"
// takes "ё" and "[А-Я]" takes "Ё", which their Windows-1251 codes would leave out.
std::string withRussianRanges(std::string_view pattern)
{
    std::string out;
    bool inClass = false;
    std::optional<unsigned char> rangeStart; // the last plain character of the class
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto c = static_cast<unsigned char>(pattern[i]);
        out += pattern[i];
        if (c == '\\' && i + 1 < pattern.size()) {
            out += pattern[++i];
            rangeStart.reset();
        } else if (!inClass) {
            if (c == '[') {
                inClass = true;
                rangeStart.reset();
                for (const char lead : {'^', ']'}) // "]" first in a class is a literal
                    if (i + 1 < pattern.size() && pattern[i + 1] == lead)
                        out += pattern[++i];
            }
        } else if (c == ']') {
            inClass = false;
        } else if (c == '-' && rangeStart && i + 1 < pattern.size() && pattern[i + 1] != ']' &&
                   pattern[i + 1] != '\\') {
            const auto from = *rangeStart;
            const auto to = static_cast<unsigned char>(pattern[++i]);
            out += static_cast<char>(to);
            if (from >= 0xC0 && from <= 0xC5 && to >= 0xC6)
                out += '\xA8'; // Ё
            if (from >= 0xC0 && from <= 0xE5 && to >= 0xE6)
                out += '\xB8'; // ё
            rangeStart.reset();
        } else {
            rangeStart = c;
        }
    }
    return out;
}

std::string errorText(int code)
{
    std::array<PCRE2_UCHAR, 256> buffer{};
    pcre2_get_error_message(code, buffer.data(), buffer.size());
    return reinterpret_cast<const char *>(buffer.data());
}

} // namespace

struct SclonMatcher::Impl {
    pcre2_code *code = nullptr;
    pcre2_match_data *matchData = nullptr;

    ~Impl()
    {
        pcre2_match_data_free(matchData);
        pcre2_code_free(code);
    }

    // Finds the next match at or after start; returns the number of captured pairs or <= 0.
    int match(std::string_view subject, std::size_t start, std::uint32_t options) const
    {
        const int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(),
                                   start, options, matchData, nullptr);
        if (rc < PCRE2_ERROR_NOMATCH)
            throw SclonPatternError("regular expression error: " + errorText(rc));
        return rc;
    }
};

SclonMatcher::SclonMatcher(std::string_view patternCp1251)
    : impl_(std::make_unique<Impl>())
{
    pcre2_compile_context *context = pcre2_compile_context_create(nullptr);
    pcre2_set_character_tables(context, sclonTables());
    int error = 0;
    PCRE2_SIZE offset = 0;
    const std::string pattern = withRussianRanges(patternCp1251);
    // No auto-possessification: it takes byte 0xFF ("я") for a non-word character whatever
    // the tables say, and would make "\w+" before "я" possessive, so that "(\w+)ять" missed.
    impl_->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                PCRE2_CASELESS | PCRE2_DOTALL | PCRE2_DOLLAR_ENDONLY | PCRE2_NO_AUTO_POSSESS, &error, &offset,
                                context);
    pcre2_compile_context_free(context);
    if (!impl_->code)
        throw SclonPatternError("Ошибка в шаблоне правила «" + cp1251::toUtf8(patternCp1251) +
                                "» (позиция " + std::to_string(offset + 1) + "): " + errorText(error));
    pcre2_jit_compile(impl_->code, PCRE2_JIT_COMPLETE); // falls back to the interpreter on failure
    impl_->matchData = pcre2_match_data_create_from_pattern(impl_->code, nullptr);
}

SclonMatcher::~SclonMatcher() = default;
SclonMatcher::SclonMatcher(SclonMatcher &&) noexcept = default;
SclonMatcher &SclonMatcher::operator=(SclonMatcher &&) noexcept = default;

bool SclonMatcher::matches(std::string_view subject) const
{
    return impl_->match(subject, 0, 0) > 0;
}

std::string SclonMatcher::replaceAll(std::string_view subject, std::string_view replacement) const
{
    std::string out;
    std::size_t copied = 0;
    std::size_t start = 0;
    std::uint32_t options = 0;
    while (start <= subject.size()) {
        const int pairs = impl_->match(subject, start, options);
        if (pairs <= 0) {
            if (options == 0)
                break;
            // No non-empty match where the last empty one was: step over one character.
            options = 0;
            ++start;
            continue;
        }
        const PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(impl_->matchData);
        out.append(subject.substr(copied, ovector[0] - copied));
        for (std::size_t i = 0; i < replacement.size(); ++i) {
            const char c = replacement[i];
            if (c == '$' && i + 1 < replacement.size() && replacement[i + 1] >= '0' && replacement[i + 1] <= '9') {
                const int group = replacement[++i] - '0';
                if (group < pairs && ovector[2 * group] != PCRE2_UNSET)
                    out.append(subject.substr(ovector[2 * group], ovector[2 * group + 1] - ovector[2 * group]));
            } else {
                out += c;
            }
        }
        copied = ovector[1];
        start = ovector[1];
        options = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    out.append(subject.substr(std::min(copied, subject.size())));
    return out;
}

} // namespace lexorama::wordforms
