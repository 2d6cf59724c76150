#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::lexicon {

/// One row of a table: a fixed number of fields, each null or holding text. Integer fields hold
/// their decimal text. The values are packed into one allocation, since a lexicon can hold
/// hundreds of thousands of rows.
class Record {
public:
    Record() = default;
    explicit Record(std::size_t fieldCount);
    /// A record whose fields take the given values in order.
    static Record fromValues(const std::vector<std::optional<std::string_view>> &values);

    std::size_t fieldCount() const;
    bool isNull(std::size_t field) const;
    std::optional<std::string_view> value(std::size_t field) const;
    /// The field's text; "" for null.
    std::string_view text(std::size_t field) const;
    void setValue(std::size_t field, std::optional<std::string_view> value);

    bool operator==(const Record &other) const { return packed_ == other.packed_; }

private:
    // Layout: one varint per field (0 = null, else length + 1), then the values back to back.
    std::string packed_;
};

} // namespace lexorama::lexicon
