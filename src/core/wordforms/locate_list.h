#pragma once

#include "wordforms/sclon_forms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The declension command's word list: every distinct lemma of the word-form dictionary
/// except «а», in dictionary order. It refers to the dictionary's lines instead of copying
/// the words, so the dictionary must outlive it.
class LocateList {
public:
    LocateList() = default;
    explicit LocateList(const SclonForms &forms);

    std::size_t size() const { return lines_.size(); }
    /// The word at a position, as Windows-1251.
    std::string_view word(std::size_t index) const { return forms_->lemma(lines_.at(index)); }
    std::string wordUtf8(std::size_t index) const;

    /// The dictionary line of the word found for the longest known beginning of text
    /// (Windows-1251): for n = 1, 2, … the first word of the list that begins with the first
    /// n characters, until no word does. Nothing when not even the first character begins one.
    std::optional<std::size_t> longestKnownBeginning(std::string_view textCp1251) const;

private:
    const SclonForms *forms_ = nullptr;
    std::vector<std::uint32_t> lines_;
};

} // namespace lexorama::wordforms
