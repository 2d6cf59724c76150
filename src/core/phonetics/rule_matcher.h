#pragma once

#include "phonetics/rule_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lexorama::phonetics {

/// The compiled form of one rule list: every entry's pattern compiled once (PCRE2, UTF, JIT),
/// applied in list order by apply(). Matching follows the transcription semantics: Cyrillic
/// letters case-sensitive, ASCII letters without regard to case, "^" and "$" only at the ends
/// of the whole text, replacements inserted literally, matches found left to right without
/// overlapping (one character further after an empty match). A rule whose required literal
/// text does not occur in the current text is skipped without running the matcher.
/// Copies share the compiled rules (and their scratch space): use them on one thread.
class RuleMatcher {
public:
    /// Match limit per search; a pattern that needs more is reported as running away.
    static constexpr std::uint32_t kMatchLimit = 1'000'000;

    RuleMatcher();
    explicit RuleMatcher(const RuleList &rules);
    ~RuleMatcher();
    RuleMatcher(const RuleMatcher &);
    RuleMatcher &operator=(const RuleMatcher &);
    RuleMatcher(RuleMatcher &&) noexcept;
    RuleMatcher &operator=(RuleMatcher &&) noexcept;

    /// Rewrites text with every rule in order. Throws RuleError when a rule whose pattern did
    /// not compile is reached, or when a search hits the match limit.
    void apply(std::string &text) const;

    std::size_t ruleCount() const;

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
};

} // namespace lexorama::phonetics
