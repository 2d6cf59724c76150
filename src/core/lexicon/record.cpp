#include "lexicon/record.h"

#include <cstring>
#include <stdexcept>

namespace lexorama::lexicon {

namespace {

std::size_t getVarint(std::string_view in, std::size_t &pos)
{
    std::size_t n = 0;
    int shift = 0;
    for (;;) {
        const auto b = static_cast<unsigned char>(in[pos++]);
        n |= static_cast<std::size_t>(b & 0x7F) << shift;
        if (!(b & 0x80))
            return n;
        shift += 7;
    }
}

struct Slot {
    bool null = true;
    std::string_view value;
};

std::vector<Slot> unpack(std::string_view packed, std::size_t count)
{
    std::vector<Slot> slots(count);
    std::size_t pos = 0;
    std::vector<std::size_t> codes(count);
    for (std::size_t i = 0; i < count; ++i)
        codes[i] = getVarint(packed, pos);
    for (std::size_t i = 0; i < count; ++i) {
        if (codes[i] == 0)
            continue;
        slots[i].null = false;
        slots[i].value = packed.substr(pos, codes[i] - 1);
        pos += codes[i] - 1;
    }
    return slots;
}

std::size_t varintSize(std::size_t n)
{
    std::size_t size = 1;
    for (; n >= 0x80; n >>= 7)
        ++size;
    return size;
}

char *writeVarint(char *out, std::size_t n)
{
    while (n >= 0x80) {
        *out++ = static_cast<char>((n & 0x7F) | 0x80);
        n >>= 7;
    }
    *out++ = static_cast<char>(n);
    return out;
}

} // namespace

Record::Record(std::size_t fieldCount)
{
    if (fieldCount > 127)
        throw std::length_error("too many fields");
    const std::vector<std::optional<std::string_view>> nulls(fieldCount);
    assign(nulls);
}

Record::Record(const Record &other)
    : data_(other.size_ ? new char[other.size_] : nullptr), size_(other.size_)
{
    if (size_)
        std::memcpy(data_.get(), other.data_.get(), size_);
}

Record &Record::operator=(const Record &other)
{
    if (this != &other)
        *this = Record(other);
    return *this;
}

Record Record::fromValues(std::span<const std::optional<std::string_view>> values)
{
    Record r;
    r.assign(values);
    return r;
}

// Sized once and written in place: this runs for every record of a file being opened.
void Record::assign(std::span<const std::optional<std::string_view>> values)
{
    std::size_t total = 1;
    for (const auto &v : values)
        total += v ? varintSize(v->size() + 1) + v->size() : 1;
    std::unique_ptr<char[]> data(new char[total]);
    char *p = data.get();
    *p++ = static_cast<char>(values.size());
    for (const auto &v : values)
        p = writeVarint(p, v ? v->size() + 1 : 0);
    for (const auto &v : values) {
        if (v && !v->empty()) {
            std::memcpy(p, v->data(), v->size());
            p += v->size();
        }
    }
    data_ = std::move(data); // values may point into the old buffer: replace it only now
    size_ = static_cast<std::uint32_t>(total);
}

std::size_t Record::fieldCount() const
{
    return size_ == 0 ? 0 : static_cast<unsigned char>(data_[0]);
}

std::optional<std::string_view> Record::value(std::size_t field) const
{
    const std::size_t count = fieldCount();
    if (field >= count)
        throw std::out_of_range("field index");
    const std::string_view body = bytes().substr(1);
    std::size_t pos = 0;
    std::size_t offset = 0;
    std::size_t code = 0;
    for (std::size_t i = 0; i <= field; ++i) {
        code = getVarint(body, pos);
        if (i < field && code > 0)
            offset += code - 1;
    }
    if (code == 0)
        return std::nullopt;
    for (std::size_t i = field + 1; i < count; ++i)
        getVarint(body, pos);
    return body.substr(pos + offset, code - 1);
}

bool Record::isNull(std::size_t field) const
{
    return !value(field).has_value();
}

std::string_view Record::text(std::size_t field) const
{
    return value(field).value_or(std::string_view());
}

void Record::setValue(std::size_t field, std::optional<std::string_view> value)
{
    const std::size_t count = fieldCount();
    if (field >= count)
        throw std::out_of_range("field index");
    const auto slots = unpack(bytes().substr(1), count);
    std::vector<std::optional<std::string_view>> values(count);
    for (std::size_t i = 0; i < count; ++i)
        if (!slots[i].null)
            values[i] = slots[i].value;
    values[field] = value;
    assign(values);
}

} // namespace lexorama::lexicon
