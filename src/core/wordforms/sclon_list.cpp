#include "wordforms/sclon_list.h"

#include <algorithm>

namespace lexorama::wordforms {

bool SclonList::add(std::string_view text)
{
    const auto at = std::lower_bound(items_.begin(), items_.end(), text,
                                     [this](const std::string &item, std::string_view value) {
                                         return collator_.compare(item, value) < 0;
                                     });
    if (at != items_.end() && collator_.compare(*at, text) == 0)
        return false;
    items_.emplace(at, text);
    return true;
}

} // namespace lexorama::wordforms
