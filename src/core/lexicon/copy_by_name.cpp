#include "lexicon/copy_by_name.h"

#include "lexicon/record_table.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace lexorama::lexicon {

void copyByName(const RecordTable &source, RecordTable &destination)
{
    if (!destination.isEditing())
        throw std::logic_error("Dataset not in edit or insert mode");
    const FieldLayout &from = source.layout();
    const FieldLayout &to = destination.layout();
    for (std::size_t i = 0; i < from.size(); ++i) {
        const auto j = to.indexOf(from[i].name);
        if (!j)
            continue;
        const auto value = source.value(i);
        if (!value) {
            destination.setStored(*j, std::nullopt);
        } else if (from[i].type == to[*j].type && from[i].width == to[*j].width) {
            destination.setStored(*j, value);
        } else if (to[*j].type == FieldType::Integer) {
            std::int32_t n = 0;
            std::from_chars(value->data(), value->data() + value->size(), n);
            destination.setInt(*j, n);
        } else {
            destination.setText(*j, *value);
        }
    }
}

} // namespace lexorama::lexicon
