#include "phonetics/rule_matcher.h"

#include "phonetics/ascii_caseless.h"
#include "phonetics/required_literal.h"
#include "phonetics/rule_error.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <bit>

namespace lexorama::phonetics {

namespace {

/// Small ids for the letters rule literals are made of: Cyrillic U+0400..U+045F and the
/// hyphen; 0 for every other character.
constexpr std::size_t kKeyIds = 98;

std::size_t keyId(char32_t c)
{
    if (c >= 0x400 && c < 0x460)
        return c - 0x400 + 1;
    return c == U'-' ? 97 : 0;
}

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
    bool atStart = false;
    bool atEnd = false;
    bool joinsText = false; // the replacement may bring two letters together or add letters
};

} // namespace

struct RuleMatcher::Impl {
    std::vector<CompiledRule> rules;
    std::size_t words = 0;
    std::vector<std::uint64_t> always;
    std::array<std::vector<std::uint32_t>, kKeyIds> bySingle;
    std::vector<std::vector<std::uint32_t>> byPair = std::vector<std::vector<std::uint32_t>>(kKeyIds * kKeyIds);
    pcre2_match_data *matchData = nullptr;
    pcre2_match_context *matchContext = nullptr;
    mutable std::vector<std::uint64_t> candidates;
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
    void collectCandidates(std::string_view text, std::size_t after) const;
    bool applyRule(const CompiledRule &rule, std::string &text) const;
    bool applyPlain(const CompiledRule &rule, std::string &text) const;
    bool applyRegex(const CompiledRule &rule, std::string &text) const;
};

void RuleMatcher::Impl::compile(CompiledRule &rule)
{
    if (isPlainLiteral(rule.pattern, rule.literal, rule.atStart, rule.atEnd)) {
        rule.plain = true;
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
        rule.literal = requiredLiteral(translated);
    }
    for (std::size_t i = 0; i < rule.replacement.size();) {
        if (keyId(decode(rule.replacement, i)) != 0)
            rule.joinsText = true;
    }
    if (rule.replacement.empty())
        rule.joinsText = true;
}

void RuleMatcher::Impl::index(std::uint32_t ruleIndex)
{
    const CompiledRule &rule = rules[ruleIndex];
    std::size_t i = 0;
    const std::size_t first = rule.literal.empty() || !rule.error.empty() ? 0 : keyId(decode(rule.literal, i));
    if (first == 0) {
        always[ruleIndex / 64] |= std::uint64_t{1} << (ruleIndex % 64);
        return;
    }
    const std::size_t second = i < rule.literal.size() ? keyId(decode(rule.literal, i)) : 0;
    if (second == 0)
        bySingle[first].push_back(ruleIndex);
    else
        byPair[first * kKeyIds + second].push_back(ruleIndex);
}

void RuleMatcher::Impl::collectCandidates(std::string_view text, std::size_t after) const
{
    candidates = always;
    auto mark = [&](const std::vector<std::uint32_t> &list) {
        for (const std::uint32_t r : list)
            if (r > after || after == SIZE_MAX)
                candidates[r / 64] |= std::uint64_t{1} << (r % 64);
    };
    std::size_t previous = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t id = keyId(decode(text, i));
        if (id != 0) {
            mark(bySingle[id]);
            if (previous != 0)
                mark(byPair[previous * kKeyIds + id]);
        }
        previous = id;
    }
}

bool RuleMatcher::Impl::applyPlain(const CompiledRule &rule, std::string &text) const
{
    const std::string &lit = rule.literal;
    if (rule.atStart || rule.atEnd) {
        if (rule.atStart && rule.atEnd) {
            if (text != lit)
                return false;
            text = rule.replacement;
            return true;
        }
        if (rule.atStart ? !text.starts_with(lit) : !text.ends_with(lit))
            return false;
        text.replace(rule.atStart ? 0 : text.size() - lit.size(), lit.size(), rule.replacement);
        return true;
    }
    std::size_t at = text.find(lit);
    if (at == std::string::npos)
        return false;
    scratch.clear();
    std::size_t copied = 0;
    for (; at != std::string::npos; at = text.find(lit, copied)) {
        scratch.append(text, copied, at - copied);
        scratch += rule.replacement;
        copied = at + lit.size();
    }
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
        }
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
    if (!rule.literal.empty() && text.find(rule.literal) == std::string::npos)
        return false;
    return rule.plain ? applyPlain(rule, text) : applyRegex(rule, text);
}

RuleMatcher::RuleMatcher() : RuleMatcher(RuleList{}) {}

RuleMatcher::RuleMatcher(const RuleList &list) : impl_(std::make_unique<Impl>())
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
    impl_->matchData = pcre2_match_data_create(4, nullptr);
    impl_->matchContext = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(impl_->matchContext, kMatchLimit);
    pcre2_set_depth_limit(impl_->matchContext, kMatchLimit / 10);
}

RuleMatcher::~RuleMatcher() = default;
RuleMatcher::RuleMatcher(RuleMatcher &&) noexcept = default;
RuleMatcher &RuleMatcher::operator=(RuleMatcher &&) noexcept = default;

std::size_t RuleMatcher::ruleCount() const { return impl_->rules.size(); }

void RuleMatcher::apply(std::string &text) const
{
    const Impl &m = *impl_;
    m.collectCandidates(text, SIZE_MAX);
    for (std::size_t w = 0; w < m.words; ++w) {
        while (m.candidates[w] != 0) {
            const std::size_t bit = static_cast<std::size_t>(std::countr_zero(m.candidates[w]));
            m.candidates[w] &= m.candidates[w] - 1;
            const std::size_t r = w * 64 + bit;
            const CompiledRule &rule = m.rules[r];
            if (m.applyRule(rule, text) && rule.joinsText) {
                m.collectCandidates(text, r);
                for (std::size_t k = 0; k <= w; ++k)
                    m.candidates[k] &= k < w ? 0 : ~((bit == 63 ? ~std::uint64_t{0} : (std::uint64_t{2} << bit) - 1));
            }
        }
    }
}

} // namespace lexorama::phonetics
