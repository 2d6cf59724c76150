#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lexorama::lexicon {

enum class FieldType { String, Integer };

/// One column of a table. Width counts UTF-8 bytes; 0 means unlimited.
struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    std::size_t width = 0;
    bool required = false;
};

/// The columns of a table, looked up by name without regard to case.
class FieldLayout {
public:
    FieldLayout() = default;
    explicit FieldLayout(std::vector<FieldDef> fields);

    std::size_t size() const { return fields_.size(); }
    const FieldDef &operator[](std::size_t i) const { return fields_[i]; }
    const std::vector<FieldDef> &fields() const { return fields_; }
    std::optional<std::size_t> indexOf(std::string_view name) const;

private:
    std::vector<FieldDef> fields_;
};

} // namespace lexorama::lexicon
