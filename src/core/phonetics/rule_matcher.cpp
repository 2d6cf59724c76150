#include "phonetics/rule_matcher.h"

#include "phonetics/ascii_caseless.h"
#include "phonetics/key_presence.h"
#include "phonetics/required_literal.h"
#include "phonetics/rule_error.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <bit>

namespace lexorama::phonetics {

namespace {

/// Decodes the character at text[i] and advances i; malformed bytes decode as themselves.
char32_t decode(std::string_view text, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80 || i + 1 >= text.size()) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        const char32_t c = ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
        i += 2;
        return c;
    }
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        ++i;
    return 0x10000; // a character outside the key range
}

std::size_t charLength(std::string_view text, std::size_t i)
{
    std::size_t j = i;
    decode(text, j);
    return j - i;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool hasAsciiLetter(std::string_view s)
{
    for (const char c : s)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return true;
    return false;
}

/// Lower-cases ASCII letters only; every other byte stays.
std::string asciiLowered(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = asciiLower(c);
    return out;
}

/// Whether text at `at` holds `lowered` (already ASCII-lowered), ASCII letters without regard
/// to case.
bool equalsAt(std::string_view text, std::size_t at, std::string_view lowered)
{
    if (at + lowered.size() > text.size())
        return false;
    for (std::size_t k = lowered.size(); k-- > 0;)
        if (asciiLower(text[at + k]) != lowered[k])
            return false;
    return true;
}

std::size_t findCaseless(std::string_view text, std::string_view lowered, std::size_t from)
{
    for (std::size_t at = from; at + lowered.size() <= text.size(); ++at)
        if (equalsAt(text, at, lowered))
            return at;
    return std::string_view::npos;
}

/// string::find, quicker on the short texts and short literals of transcription.
std::size_t findLiteral(std::string_view text, std::string_view literal, std::size_t from = 0)
{
    if (literal.size() < 2)
        return text.find(literal, from);
    const char a = literal[0], b = literal[1];
    const std::size_t rest = literal.size() - 2;
    for (std::size_t i = from; i + literal.size() <= text.size(); ++i) {
        if (text[i + 1] != b || text[i] != a)
            continue;
        std::size_t k = 0;
        while (k < rest && text[i + 2 + k] == literal[2 + k])
            ++k;
        if (k == rest)
            return i;
    }
    return std::string_view::npos;
}

/// Whether text holds literal at byte offset at.
bool literalAt(std::string_view text, std::size_t at, std::string_view literal)
{
    if (at + literal.size() > text.size())
        return false;
    for (std::size_t k = 0; k < literal.size(); ++k)
        if (text[at + k] != literal[k])
            return false;
    return true;
}

std::string pcre2Message(int code)
{
    std::array<PCRE2_UCHAR, 256> buffer{};
    pcre2_get_error_message(code, buffer.data(), buffer.size());
    return reinterpret_cast<const char *>(buffer.data());
}

struct CompiledRule {
    std::size_t line = 0;
    std::string pattern;
    std::string replacement;
    pcre2_code *code = nullptr;
    bool jit = false;
    std::string error;
    std::string literal;
    bool plain = false;
    bool literalAtStart = false; // the literal must begin the text
    bool literalAtEnd = false;   // the literal must end the text
    bool plainCaseless = false;  // a plain literal with ASCII letters: compared on lowered text
    bool atStart = false;
    bool atEnd = false;
    bool addsLetters = false;     // the replacement holds letters a later rule may look for
    std::uint32_t key = 0;        // index into the presence bits: a letter or a pair of letters
    bool hasKey = false;          // false: the rule is tried on every text
    bool literalIsKey = false;    // the literal is exactly its key letters
    std::size_t group = SIZE_MAX; // the letter map this rule is part of
};

/// A run of consecutive rules that each replace one letter everywhere by a text without
/// letters (the base rules of a table). Applied in one pass over the text, with the same
/// result as one rule after the other: no replacement holds a letter a later one looks for.
struct LetterMap {
    std::size_t first = 0;
    std::size_t last = 0;
    std::array<const std::string *, kKeyIds> replacement{};
};

} // namespace

struct RuleMatcher::Impl {
    std::vector<CompiledRule> rules;
    std::size_t words = 0;
    std::vector<std::uint64_t> always;
    /// Rules by key, flat: the rules of key k are keyRules[keyStart[k] .. keyStart[k + 1]).
    std::vector<std::uint32_t> keyStart;
    std::vector<std::uint32_t> keyRules;
    std::vector<LetterMap> letterMaps;
    /// What is read of every candidate rule, kept apart from the rules so that skipping one
    /// touches little memory: its presence key, whether its literal is just that key, and the
    /// first bytes of its literal.
    struct Hot {
        std::uint32_t key = 0;
        bool hasKey = false;
        bool literalIsKey = false;
        bool inGroup = false;
        bool atStart = false;
        bool atEnd = false;
        std::uint8_t shortLength = 0; // literal length when it fits into `literal`, else 0
        char literal[8] = {};
    };
    std::vector<Hot> hot;
    pcre2_match_data *matchData = nullptr;
    pcre2_match_context *matchContext = nullptr;
    mutable std::vector<std::uint64_t> candidates;
    /// The bytes the last change replaced, in the text before it.
    mutable std::size_t changeFrom = 0;
    mutable std::size_t changeTo = 0;
    mutable KeyPresence presence;
    mutable std::string scratch;

    ~Impl()
    {
        for (CompiledRule &r : rules)
            pcre2_code_free(r.code);
        pcre2_match_data_free(matchData);
        pcre2_match_context_free(matchContext);
    }

    void compile(CompiledRule &rule);
    void index(std::uint32_t ruleIndex);
    /// After a rule (index after) changed the text; the old text is in scratch.
    void noteChange(std::string_view text, std::size_t after) const;
    void mark(std::uint32_t key, std::size_t after) const;
    void indexKeys();
    void buildLetterMaps();
    bool applyLetterMap(const LetterMap &map, std::string &text) const;
    bool applyRule(const CompiledRule &rule, std::string &text) const;
    bool applyPlain(const CompiledRule &rule, std::string &text) const;
    bool applyRegex(const CompiledRule &rule, std::string &text) const;
};

void RuleMatcher::Impl::compile(CompiledRule &rule)
{
    if (isPlainLiteral(rule.pattern, rule.literal, rule.atStart, rule.atEnd)) {
        rule.plain = true;
        rule.plainCaseless = hasAsciiLetter(rule.literal);
        if (rule.plainCaseless)
            rule.literal = asciiLowered(rule.literal);
    } else {
        const std::string translated = asciiCaseless(rule.pattern);
        int errorCode = 0;
        PCRE2_SIZE errorOffset = 0;
        rule.code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(),
                                  PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_DOLLAR_ENDONLY,
                                  &errorCode, &errorOffset, nullptr);
        if (!rule.code) {
            rule.error = "Ошибка в правиле, строка " + std::to_string(rule.line) + ": «" + rule.pattern +
                         "»: " + pcre2Message(errorCode);
            return;
        }
        rule.jit = pcre2_jit_compile(rule.code, PCRE2_JIT_COMPLETE) == 0;
        const RequiredText required = requiredText(translated);
        rule.literal = required.literal;
        rule.literalAtStart = required.atStart;
        rule.literalAtEnd = required.atEnd;
    }
    for (std::size_t i = 0; i < rule.replacement.size();) {
        const std::size_t id = keyId(decode(rule.replacement, i));
        rule.addsLetters = rule.addsLetters || (id != 0 && id <= keyId(U'-'));
    }
}

void RuleMatcher::Impl::index(std::uint32_t ruleIndex)
{
    CompiledRule &rule = rules[ruleIndex];
    std::size_t i = 0;
    const std::size_t first = rule.literal.empty() || !rule.error.empty() ? 0 : keyId(decode(rule.literal, i));
    if (first == 0) {
        always[ruleIndex / 64] |= std::uint64_t{1} << (ruleIndex % 64);
        return;
    }
    const std::size_t afterFirst = i;
    const std::size_t second = i < rule.literal.size() ? keyId(decode(rule.literal, i)) : 0;
    rule.hasKey = true;
    rule.key = static_cast<std::uint32_t>(second == 0 ? first : KeyPresence::kSingles + first * kKeyIds + second);
    rule.literalIsKey = (second == 0 ? afterFirst : i) == rule.literal.size();
}

void RuleMatcher::Impl::indexKeys()
{
    keyStart.assign(KeyPresence::kSize + 1, 0);
    for (const CompiledRule &rule : rules)
        if (rule.hasKey)
            ++keyStart[rule.key + 1];
    for (std::size_t k = 0; k < KeyPresence::kSize; ++k)
        keyStart[k + 1] += keyStart[k];
    keyRules.assign(keyStart.back(), 0);
    std::vector<std::uint32_t> next(keyStart.begin(), keyStart.end() - 1);
    for (std::uint32_t r = 0; r < rules.size(); ++r)
        if (rules[r].hasKey)
            keyRules[next[rules[r].key]++] = r;
}

void RuleMatcher::Impl::mark(std::uint32_t key, std::size_t after) const
{
    for (std::uint32_t i = keyStart[key]; i < keyStart[key + 1]; ++i)
        if (const std::uint32_t r = keyRules[i]; after == SIZE_MAX || r > after)
            candidates[r / 64] |= std::uint64_t{1} << (r % 64);
}

void RuleMatcher::Impl::noteChange(std::string_view text, std::size_t after) const
{
    presence.change(scratch, text, changeFrom, changeTo, changeTo + text.size() - scratch.size(),
                    [&](std::uint32_t key) { mark(key, after); });
}

bool RuleMatcher::Impl::applyPlain(const CompiledRule &rule, std::string &text) const
{
    const std::string &lit = rule.literal;
    const bool caseless = rule.plainCaseless;
    auto find = [&](std::size_t from) {
        return caseless ? findCaseless(text, lit, from) : findLiteral(text, lit, from);
    };
    if (rule.atStart || rule.atEnd) {
        if (text.size() < lit.size() || (rule.atStart && rule.atEnd && text.size() != lit.size()))
            return false;
        const std::size_t at = rule.atStart ? 0 : text.size() - lit.size();
        if (!equalsAt(text, at, lit))
            return false;
        scratch.assign(text, 0, at);
        scratch += rule.replacement;
        scratch.append(text, at + lit.size());
        text.swap(scratch);
        changeFrom = at;
        changeTo = at + lit.size();
        return true;
    }
    std::size_t at = find(0);
    if (at == std::string::npos)
        return false;
    scratch.clear();
    changeFrom = at;
    std::size_t copied = 0;
    for (; at != std::string::npos; at = find(copied)) {
        scratch.append(text, copied, at - copied);
        scratch += rule.replacement;
        copied = at + lit.size();
    }
    changeTo = copied;
    scratch.append(text, copied);
    text.swap(scratch);
    return true;
}

bool RuleMatcher::Impl::applyRegex(const CompiledRule &rule, std::string &text) const
{
    const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData);
    bool changed = false;
    std::size_t copied = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const int rc = rule.jit
            ? pcre2_jit_match(rule.code, subject, text.size(), start, 0, matchData, matchContext)
            : pcre2_match(rule.code, subject, text.size(), start, 0, matchData, matchContext);
        if (rc == PCRE2_ERROR_NOMATCH)
            break;
        if (rc < 0) {
            const bool limit = rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT ||
                               rc == PCRE2_ERROR_HEAPLIMIT;
            throw RuleError(rule.line, std::string("Правило в строке ") + std::to_string(rule.line) + " («" +
                                           rule.pattern + "») " +
                                           (limit ? "остановлено: слишком долгий перебор при сопоставлении (" : "не применено (") +
                                           pcre2Message(rc) + ")");
        }
        const std::size_t matchStart = ovector[0];
        const std::size_t matchEnd = std::max(ovector[1], matchStart);
        if (!changed) {
            scratch.clear();
            changed = true;
            changeFrom = matchStart;
        }
        changeTo = matchEnd;
        scratch.append(text, copied, matchStart - copied);
        scratch += rule.replacement;
        copied = matchEnd;
        if (matchEnd > start) {
            start = matchEnd;
            continue;
        }
        if (matchEnd >= text.size())
            break;
        const std::size_t next = matchEnd + charLength(text, matchEnd);
        scratch.append(text, copied, next - copied);
        copied = next;
        start = next;
    }
    if (!changed)
        return false;
    scratch.append(text, copied);
    text.swap(scratch);
    return true;
}

bool RuleMatcher::Impl::applyRule(const CompiledRule &rule, std::string &text) const
{
    if (!rule.error.empty())
        throw RuleError(rule.line, rule.error);
    if (rule.hasKey && !presence.has(rule.key))
        return false;
    if (!rule.literalIsKey && !rule.literal.empty() && !rule.plainCaseless &&
        findLiteral(text, rule.literal) == std::string::npos)
        return false;
    return rule.plain ? applyPlain(rule, text) : applyRegex(rule, text);
}

void RuleMatcher::Impl::buildLetterMaps()
{
    auto fits = [](const CompiledRule &r) {
        return r.plain && !r.atStart && !r.atEnd && r.hasKey && r.literalIsKey && r.key < KeyPresence::kSingles &&
               !r.addsLetters;
    };
    for (std::size_t i = 0; i < rules.size();) {
        std::size_t j = i;
        LetterMap map;
        while (j < rules.size() && fits(rules[j]) && !map.replacement[rules[j].key]) {
            map.replacement[rules[j].key] = &rules[j].replacement;
            ++j;
        }
        if (j - i >= 2) {
            map.first = i;
            map.last = j - 1;
            for (std::size_t k = i; k < j; ++k)
                rules[k].group = letterMaps.size();
            letterMaps.push_back(map);
        }
        i = std::max(j, i + 1);
    }
}

bool RuleMatcher::Impl::applyLetterMap(const LetterMap &map, std::string &text) const
{
    scratch.clear();
    bool changed = false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    for (std::size_t i = 0, n = text.size(); i < n;) {
        std::size_t length = 1;
        const std::size_t id = keyAt(bytes, i, n, length);
        if (const std::string *replacement = id != 0 ? map.replacement[id] : nullptr) {
            scratch += *replacement;
            if (!changed)
                changeFrom = i;
            changeTo = i + length;
            changed = true;
        } else {
            scratch.append(text, i, length);
        }
        i += length;
    }
    if (changed)
        text.swap(scratch);
    return changed;
}

RuleMatcher::RuleMatcher() : RuleMatcher(RuleList{}) {}

RuleMatcher::RuleMatcher(const RuleList &list) : impl_(std::make_shared<Impl>())
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (const auto entry = list.entry(i)) {
            CompiledRule rule;
            rule.line = i + 1;
            rule.pattern = std::string(entry->pattern);
            rule.replacement = std::string(entry->replacement);
            impl_->rules.push_back(std::move(rule));
        }
    }
    impl_->words = (impl_->rules.size() + 63) / 64;
    impl_->always.assign(impl_->words, 0);
    for (std::uint32_t r = 0; r < impl_->rules.size(); ++r) {
        impl_->compile(impl_->rules[r]);
        impl_->index(r);
    }
    impl_->indexKeys();
    impl_->buildLetterMaps();
    for (const CompiledRule &rule : impl_->rules) {
        Impl::Hot h;
        h.key = rule.key;
        h.hasKey = rule.hasKey;
        h.literalIsKey = rule.literalIsKey;
        h.inGroup = rule.group != SIZE_MAX;
        h.atStart = rule.plain ? rule.atStart : rule.literalAtStart;
        h.atEnd = rule.plain ? rule.atEnd : rule.literalAtEnd;
        if (!rule.plainCaseless && rule.error.empty() && !rule.literal.empty() && rule.literal.size() <= sizeof h.literal) {
            h.shortLength = static_cast<std::uint8_t>(rule.literal.size());
            rule.literal.copy(h.literal, rule.literal.size());
        }
        impl_->hot.push_back(h);
    }
    impl_->matchData = pcre2_match_data_create(4, nullptr);
    impl_->matchContext = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(impl_->matchContext, kMatchLimit);
    pcre2_set_depth_limit(impl_->matchContext, kMatchLimit / 10);
}

RuleMatcher::~RuleMatcher() = default;
RuleMatcher::RuleMatcher(const RuleMatcher &) = default;
RuleMatcher &RuleMatcher::operator=(const RuleMatcher &) = default;
RuleMatcher::RuleMatcher(RuleMatcher &&) noexcept = default;
RuleMatcher &RuleMatcher::operator=(RuleMatcher &&) noexcept = default;

std::size_t RuleMatcher::ruleCount() const { return impl_->rules.size(); }

void RuleMatcher::apply(std::string &text) const
{
    const Impl &m = *impl_;
    m.candidates = m.always;
    const bool keyed = !m.keyRules.empty(); // a fix list of IPA text has no keys to track
    if (keyed)
        m.presence.reset(text, [&](std::uint32_t key) { m.mark(key, SIZE_MAX); });
    for (std::size_t w = 0; w < m.words; ++w) {
        while (m.candidates[w] != 0) {
            const std::size_t bit = static_cast<std::size_t>(std::countr_zero(m.candidates[w]));
            m.candidates[w] &= m.candidates[w] - 1;
            const std::size_t r = w * 64 + bit;
            const Impl::Hot &hot = m.hot[r];
            if (hot.hasKey && !m.presence.has(hot.key))
                continue;
            if (hot.shortLength != 0 && !hot.inGroup) {
                const std::string_view literal(hot.literal, hot.shortLength);
                const std::string_view whole(text);
                if (hot.atStart ? !literalAt(whole, 0, literal)
                    : hot.atEnd ? (whole.size() < literal.size() || !literalAt(whole, whole.size() - literal.size(), literal))
                    : !hot.literalIsKey && findLiteral(whole, literal) == std::string::npos)
                    continue;
            }
            const CompiledRule &rule = m.rules[r];
            if (rule.group != SIZE_MAX) {
                const LetterMap &map = m.letterMaps[rule.group];
                for (std::size_t k = w; k <= map.last / 64; ++k)
                    m.candidates[k] &= k < map.last / 64 ? 0 : ~std::uint64_t{0} << (map.last % 64) << 1;
                if (m.applyLetterMap(map, text) && keyed)
                    m.noteChange(text, map.last);
                continue;
            }
            if (m.applyRule(rule, text) && keyed)
                m.noteChange(text, r);
        }
    }
}

} // namespace lexorama::phonetics
