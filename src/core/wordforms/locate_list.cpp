#include "wordforms/locate_list.h"

#include "wordforms/cp1251.h"

#include <algorithm>

namespace lexorama::wordforms {

LocateList::LocateList(const SclonForms &forms)
    : forms_(&forms)
{
    for (std::size_t line = 0; line < forms.lineCount(); ++line)
        if (forms.lemma(line) != "\xE0" && forms.isFirstOfLemma(line)) // "а"
            lines_.push_back(static_cast<std::uint32_t>(line));
}

const std::vector<std::uint32_t> &LocateList::byOrder() const
{
    std::call_once(*sorted_, [this] {
        byOrder_.resize(lines_.size());
        for (std::uint32_t i = 0; i < byOrder_.size(); ++i)
            byOrder_[i] = i;
        std::sort(byOrder_.begin(), byOrder_.end(),
                  [this](std::uint32_t a, std::uint32_t b) { return word(a) < word(b); });
    });
    return byOrder_;
}

std::pair<std::size_t, std::size_t> LocateList::beginningWith(std::string_view text) const
{
    // Words that begin with the text sort together, right from where the text itself would.
    const std::vector<std::uint32_t> &order = byOrder();
    const auto from = std::lower_bound(order.begin(), order.end(), text,
                                       [this](std::uint32_t at, std::string_view t) { return word(at) < t; });
    const auto to = std::partition_point(from, order.end(),
                                         [this, text](std::uint32_t at) { return word(at).starts_with(text); });
    return {static_cast<std::size_t>(from - order.begin()), static_cast<std::size_t>(to - order.begin())};
}

std::string LocateList::wordUtf8(std::size_t index) const
{
    return cp1251::toUtf8(word(index));
}

std::optional<std::size_t> LocateList::longestKnownBeginning(std::string_view textCp1251) const
{
    std::optional<std::size_t> found;
    for (std::size_t n = 1; n <= textCp1251.size(); ++n) {
        const auto [from, to] = beginningWith(textCp1251.substr(0, n));
        if (from == to)
            break;
        // the first in list order among the words that begin so
        found = lines_[*std::min_element(byOrder_.begin() + from, byOrder_.begin() + to)];
    }
    return found;
}

} // namespace lexorama::wordforms
