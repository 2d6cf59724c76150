#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
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
    Record(const Record &other);
    Record &operator=(const Record &other);
    Record(Record &&) noexcept = default;
    Record &operator=(Record &&) noexcept = default;
    /// A record whose fields take the given values in order.
    static Record fromValues(std::span<const std::optional<std::string_view>> values);

    std::size_t fieldCount() const;
    bool isNull(std::size_t field) const;
    std::optional<std::string_view> value(std::size_t field) const;
    /// The field's text; "" for null.
    std::string_view text(std::size_t field) const;
    void setValue(std::size_t field, std::optional<std::string_view> value);

    bool operator==(const Record &other) const { return bytes() == other.bytes(); }

private:
    std::string_view bytes() const { return {data_.get(), size_}; }
    void assign(std::span<const std::optional<std::string_view>> values);

    // Layout: the field count, one varint per field (0 = null, else length + 1), then the values
    // back to back. A bare buffer rather than std::string: half the fixed size per row.
    std::unique_ptr<char[]> data_;
    std::uint32_t size_ = 0;
};

} // namespace lexorama::lexicon
