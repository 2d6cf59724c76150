#include "phonetics/transcriber.h"

#include "common/resources.h"
#include "common/utf8.h"

#include <unicode/uchar.h>

#include <stdexcept>
#include <utility>

namespace lexorama::phonetics {

namespace {

RuleList loadResource(std::string_view name)
{
    const auto text = resources::find(name);
    if (!text)
        throw std::runtime_error("built-in data missing: " + std::string(name));
    RuleList list = RuleList::fromText(*text);
    list.toLoadedForm();
    return list;
}

/// How a word is prepared for conversion.
struct Preparation {
    bool keepYo;        // "Ё" stays upper case as a stressed vowel
    bool hyphenToBlank; // "-" becomes " "
};

bool isKeptUpperVowel(char32_t c, bool keepYo)
{
    switch (c) {
    case U'А': case U'Е': case U'И': case U'О': case U'У':
    case U'Ы': case U'Э': case U'Ю': case U'Я':
        return true;
    case U'Ё':
        return keepYo;
    default:
        return false;
    }
}

char32_t lower(char32_t c)
{
    if (c < 0x80)
        return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

std::string prepare(std::string_view word, Preparation how)
{
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size();) {
        const auto b0 = static_cast<unsigned char>(word[i]);
        const std::size_t n = b0 < 0x80 ? 1 : b0 < 0xC2 ? 0 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : b0 < 0xF5 ? 4 : 0;
        bool whole = n != 0 && i + n <= word.size();
        for (std::size_t k = 1; whole && k < n; ++k)
            whole = (static_cast<unsigned char>(word[i + k]) & 0xC0) == 0x80;
        if (!whole) {
            out += word[i++]; // a stray byte passes through
            continue;
        }
        char32_t c = n == 1 ? b0 : (b0 & (0xFF >> (n + 1)));
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(word[i + k]) & 0x3F);
        i += n;
        if (c == U'-' && how.hyphenToBlank)
            out += ' ';
        else if (isKeptUpperVowel(c, how.keepYo))
            utf8::append(out, c);
        else
            utf8::append(out, lower(c));
    }
    return out;
}

} // namespace

const RuleList &Transcriber::builtInRules()
{
    static const RuleList list = loadResource("phonetics/rules.txt");
    return list;
}

const RuleList &Transcriber::builtInFixes()
{
    static const RuleList list = loadResource("phonetics/fixes.txt");
    return list;
}

Transcriber::Transcriber()
{
    loadBuiltIn();
    copyWorkToAlt();
}

void Transcriber::loadBuiltIn()
{
    workRules_ = builtInRules();
    workFixes_ = builtInFixes();
    workRuleMatcher_ = RuleMatcher(workRules_);
    workFixMatcher_ = RuleMatcher(workFixes_);
}

void Transcriber::copyWorkToAlt()
{
    altRules_ = workRules_;
    altFixes_ = workFixes_;
    altRuleMatcher_ = workRuleMatcher_; // the same lists: share their compiled form
    altFixMatcher_ = workFixMatcher_;
}

void Transcriber::applyUserRules(RuleList lines)
{
    lines.toLoadedForm();
    if (lines.empty()) {
        toggleEnabled_ = false;
        loadBuiltIn();
        copyWorkToAlt();
        return;
    }
    workRules_ = std::move(lines);
    workRuleMatcher_ = RuleMatcher(workRules_);
    toggleEnabled_ = true;
}

void Transcriber::applyUserFixes(RuleList lines)
{
    lines.toLoadedForm();
    workFixes_ = std::move(lines);
    workFixMatcher_ = RuleMatcher(workFixes_);
}

void Transcriber::swapSets()
{
    std::swap(workRules_, altRules_);
    std::swap(workFixes_, altFixes_);
    std::swap(workRuleMatcher_, altRuleMatcher_);
    std::swap(workFixMatcher_, altFixMatcher_);
}

std::string Transcriber::PhonemeStr(std::string_view text) const
{
    std::string s(text);
    workRuleMatcher_.apply(s);
    std::erase(s, '#');
    workFixMatcher_.apply(s);
    return s;
}

std::string Transcriber::Phoneme(std::string_view word) const
{
    return PhonemeStr(prepare(word, {.keepYo = false, .hyphenToBlank = true}));
}

std::string Transcriber::CreateCurrentPhoneme(std::string_view word) const
{
    return PhonemeStr(prepare(word, {.keepYo = true, .hyphenToBlank = false}));
}

} // namespace lexorama::phonetics
