#include "lexicon/field_layout.h"

#include <algorithm>
#include <cctype>

namespace lexorama::lexicon {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FieldLayout::FieldLayout(std::vector<FieldDef> fields)
    : fields_(std::move(fields))
{
}

std::optional<std::size_t> FieldLayout::indexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (equalsIgnoringCase(fields_[i].name, name))
            return i;
    return std::nullopt;
}

} // namespace lexorama::lexicon
