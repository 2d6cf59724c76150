#pragma once

#include "phonetics/rule_list.h"
#include "phonetics/rule_matcher.h"

#include <string>
#include <string_view>

namespace lexorama::phonetics {

/// The transcription engine the main window owns: the working rule table and fix list
/// (WorkRules, WorkFixes), the alternate pair swapped in by "Набор фонем 2" (AltRules,
/// AltFixes), and the compiled matchers of all four. Starts with the built-in tables in both
/// slots and the toggle disabled.
class Transcriber {
public:
    Transcriber();

    /// The conversion proper: every rule line in order, "#" removed, then every fix line.
    /// Throws RuleError for a broken or runaway user rule.
    std::string PhonemeStr(std::string_view text) const;
    /// For words typed or generated one at a time: upper-case vowels А Е И О У Ы Э Ю Я stay,
    /// a hyphen becomes a blank, everything else is lowered; then PhonemeStr.
    std::string Phoneme(std::string_view word) const;
    /// For bulk renewal: as Phoneme, but "Ё" also stays upper case and the hyphen is kept.
    std::string CreateCurrentPhoneme(std::string_view word) const;

    /// LoadPhonemes: the built-in rule table and fix list become the working lists. The
    /// alternate set and the toggle are not touched.
    void loadBuiltIn();

    /// A user rule file was read (lines possibly empty): it becomes the working rule table.
    /// With no line at all the built-in tables come back in both slots and the toggle is
    /// disabled; otherwise the toggle is enabled and the alternate set kept.
    void applyUserRules(RuleList lines);
    /// A user fix file was read: it becomes the working fix list (nothing else changes).
    void applyUserFixes(RuleList lines);

    /// "Набор фонем 2" changed state: exchanges the working and the alternate set. The window
    /// then transcribes the current word again with Phoneme.
    void swapSets();
    /// Whether the toggle button may be used.
    bool toggleEnabled() const { return toggleEnabled_; }

    const RuleList &workRules() const { return workRules_; }
    const RuleList &workFixes() const { return workFixes_; }
    const RuleList &altRules() const { return altRules_; }
    const RuleList &altFixes() const { return altFixes_; }

    /// The built-in lists in loaded form.
    static const RuleList &builtInRules();
    static const RuleList &builtInFixes();

private:
    void copyWorkToAlt();

    RuleList workRules_, workFixes_, altRules_, altFixes_;
    RuleMatcher workRuleMatcher_, workFixMatcher_, altRuleMatcher_, altFixMatcher_;
    bool toggleEnabled_ = false;
};

} // namespace lexorama::phonetics
