#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lexorama {

/// The program's XML settings file: for each window a set of stored properties, each a single
/// value or a list of strings. Reading a missing or damaged file gives no values (the windows
/// then use their defaults); saving replaces the file in one step.
class SettingsFile {
public:
    /// Reads the file; returns an error text for a file that exists but cannot be parsed.
    std::string load(const std::string &path);
    /// Writes the file; returns the system's message on failure.
    std::string save(const std::string &path) const;

    std::optional<std::string> value(const std::string &window, const std::string &property) const;
    void setValue(const std::string &window, const std::string &property, const std::string &value);
    std::optional<std::vector<std::string>> list(const std::string &window, const std::string &property) const;
    void setList(const std::string &window, const std::string &property, const std::vector<std::string> &items);

private:
    struct Property {
        std::optional<std::string> value;
        std::vector<std::string> items;
    };
    const Property *find(const std::string &window, const std::string &property) const;

    std::map<std::string, std::map<std::string, Property>> windows_;
};

} // namespace lexorama
