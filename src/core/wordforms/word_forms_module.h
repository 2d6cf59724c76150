#pragma once

#include "common/feedback.h"
#include "wordforms/locate_list.h"
#include "wordforms/sclon_forms.h"
#include "wordforms/sclon_list.h"
#include "wordforms/sclon_rules.h"

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The word-form data module: the word-form dictionary (inflated in a background thread from
/// the moment the module is created, so start-up does not wait for it), the generator rules
/// and the two lookups Sclonenie and Spisok. Lookups run on one thread; a lookup that needs
/// the dictionary waits until it is ready.
class WordFormsModule {
public:
    /// The name of the built-in dictionary among the program's resources.
    static constexpr std::string_view kDictionaryResource = "wordforms/all_forms.zlib";

    /// Loads the built-in dictionary resource and the built-in rules.
    WordFormsModule();
    /// Loads the dictionary from these zlib bytes (which must outlive the module), or none.
    explicit WordFormsModule(std::optional<std::string_view> compressedDictionary);
    ~WordFormsModule();
    WordFormsModule(const WordFormsModule &) = delete;
    WordFormsModule &operator=(const WordFormsModule &) = delete;

    /// True once the dictionary is loaded (or known to be unavailable); never waits.
    bool dictionaryReady() const;
    /// The dictionary (empty when missing or damaged); waits for it.
    const SclonForms &dictionary() const;
    /// The declension command's word list; waits for the dictionary.
    const LocateList &locateList() const;
    /// Why the dictionary is empty, for the user; empty text when it loaded. Waits for it.
    const std::string &dictionaryProblem() const;
    /// The dictionary problem the first time it is asked for, empty text afterwards (so the
    /// user is told once per run).
    std::string takeDictionaryProblem();

    /// The forms of a lemma from the dictionary (stress as upper-case vowels, secondary stress
    /// as "`" before its vowel), sorted, equal texts once; Spisok of it when the dictionary
    /// has no such lemma.
    std::vector<std::string> Sclonenie(std::string_view lemma);
    /// The forms the generator rules give for a word, sorted, equal texts once; one empty text
    /// when no rule matches. Throws SclonPatternError for an invalid rule pattern.
    std::vector<std::string> Spisok(std::string_view word);
    /// The forms of the dictionary line at this index, as Sclonenie gives them.
    std::vector<std::string> formsOfLine(std::size_t line);

    /// Restores the built-in generator rules.
    void LoadSclon();
    /// Applies a user generator-rules file (the Sclonjator_rexFileName option). When it cannot
    /// be read, reports the reason, leaves no rule in force and returns false.
    bool applyUserRules(const std::string &path, Feedback &feedback);
    const SclonRules &rules() const { return rules_; }

    /// The forms the declension command adds for what the user typed: the dictionary
    /// paradigm when the lower-cased text is a form of the lemma found by its longest known
    /// beginning, otherwise Spisok of the text as typed.
    std::vector<std::string> formsForTyped(std::string_view typed);

private:
    struct Dictionary;

    static std::shared_ptr<const Dictionary> load(std::optional<std::string_view> compressedDictionary);
    const Dictionary &loaded() const;
    std::vector<std::string> listFromPieces(std::string_view text, char separator, bool skipEmpty);

    std::shared_future<std::shared_ptr<const Dictionary>> dictionary_;
    SclonRules rules_;
    SclonList list_;
    bool problemTaken_ = false;
};

} // namespace lexorama::wordforms
