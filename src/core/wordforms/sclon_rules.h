#pragma once

#include "wordforms/sclon_matcher.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The generator rules: lines "pattern=template" in Windows-1251, tried in order; a line that
/// contains "#" or is blank is no rule. Patterns are compiled when first reached and kept.
class SclonRules {
public:
    SclonRules() = default;

    /// The built-in rule set, every line of it (comments and blank lines included).
    static SclonRules builtIn();
    /// A user rules file's bytes, read as Windows-1251 (as UTF-8 when the bytes are valid UTF-8
    /// with non-ASCII letters); only the rule lines are kept, untrimmed, in file order.
    static SclonRules fromUserFile(std::string_view bytes);

    std::size_t lineCount() const { return rules_.size(); }
    /// A line as Windows-1251.
    std::string_view line(std::size_t index) const { return rules_.at(index).line; }

    /// The word rewritten by the first rule whose pattern matches it: every match replaced by
    /// the template. Nothing when no rule matches. Throws SclonPatternError for an invalid
    /// pattern reached before a match.
    std::optional<std::string> apply(std::string_view wordCp1251) const;

    /// True for a line that holds a rule: not blank after trimming, no "#".
    static bool isRuleLine(std::string_view line);

private:
    struct Rule {
        std::string line;
        mutable std::shared_ptr<const SclonMatcher> matcher; // compiled on first use
    };

    static SclonRules fromLines(std::string_view text, bool rulesOnly);
    const SclonMatcher &matcherOf(const Rule &rule) const;

    std::vector<Rule> rules_;
};

} // namespace lexorama::wordforms
