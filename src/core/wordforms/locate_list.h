#pragma once

#include "wordforms/sclon_forms.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The declension command's word list: every distinct lemma of the word-form dictionary
/// except «а», in dictionary order. It refers to the dictionary's lines instead of copying
/// the words, so the dictionary must outlive it. A second order of the same entries, by their
/// bytes, made on the first search, turns each "first word that begins with" search into a
/// binary search.
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
    const std::vector<std::uint32_t> &byOrder() const;
    // Positions of the list whose words begin with the text, as a range of byOrder().
    std::pair<std::size_t, std::size_t> beginningWith(std::string_view text) const;

    const SclonForms *forms_ = nullptr;
    std::vector<std::uint32_t> lines_;
    mutable std::vector<std::uint32_t> byOrder_; // positions in lines_, sorted by their words' bytes
    mutable std::unique_ptr<std::once_flag> sorted_ = std::make_unique<std::once_flag>();
};

} // namespace lexorama::wordforms
