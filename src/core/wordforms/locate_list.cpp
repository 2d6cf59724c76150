#include "wordforms/locate_list.h"

#include "wordforms/cp1251.h"

namespace lexorama::wordforms {

LocateList::LocateList(const SclonForms &forms)
    : forms_(&forms)
{
    for (std::size_t line = 0; line < forms.lineCount(); ++line)
        if (forms.lemma(line) != "\xE0" && forms.isFirstOfLemma(line)) // "а"
            lines_.push_back(static_cast<std::uint32_t>(line));
}

std::string LocateList::wordUtf8(std::size_t index) const
{
    return cp1251::toUtf8(word(index));
}

std::optional<std::size_t> LocateList::longestKnownBeginning(std::string_view textCp1251) const
{
    // A word that begins with n + 1 characters also begins with n, so each search goes on from
    // where the previous one stopped and the whole walk is one pass over the list.
    std::optional<std::size_t> found;
    std::size_t from = 0;
    for (std::size_t n = 1; n <= textCp1251.size(); ++n) {
        const std::string_view beginning = textCp1251.substr(0, n);
        while (from < lines_.size() && !word(from).starts_with(beginning))
            ++from;
        if (from == lines_.size())
            break;
        found = lines_[from];
    }
    return found;
}

} // namespace lexorama::wordforms
