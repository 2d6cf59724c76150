#pragma once

#include "common/russian_collator.h"

#include <string>
#include <string_view>
#include <vector>

namespace lexorama::wordforms {

/// The lookups' result list: kept in Russian alphabetical order without regard to case, and a
/// text that compares equal to one already in it is ignored (so «рукИ» is dropped after «рУки»).
class SclonList {
public:
    void clear() { items_.clear(); }
    /// Adds the text unless an equal one is present; returns whether it was added.
    bool add(std::string_view text);
    const std::vector<std::string> &items() const { return items_; }

private:
    RussianCollator collator_;
    std::vector<std::string> items_;
};

} // namespace lexorama::wordforms
