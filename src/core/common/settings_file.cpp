#include "common/settings_file.h"

#include "common/atomic_file.h"

#include <filesystem>
#include <pugixml.hpp>
#include <sstream>

namespace lexorama {

std::string SettingsFile::load(const std::string &path)
{
    windows_.clear();
    if (!std::filesystem::exists(path))
        return {};
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    if (!parsed)
        return path + ": " + parsed.description();
    for (pugi::xml_node window : doc.child("settings").children("window")) {
        auto &properties = windows_[window.attribute("name").value()];
        for (pugi::xml_node p : window.children("property")) {
            Property &property = properties[p.attribute("name").value()];
            if (pugi::xml_attribute v = p.attribute("value"))
                property.value = v.value();
            for (pugi::xml_node item : p.children("item"))
                property.items.emplace_back(item.text().get());
        }
    }
    return {};
}

std::string SettingsFile::save(const std::string &path) const
{
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("settings");
    for (const auto &[windowName, properties] : windows_) {
        pugi::xml_node window = root.append_child("window");
        window.append_attribute("name") = windowName.c_str();
        for (const auto &[name, property] : properties) {
            pugi::xml_node p = window.append_child("property");
            p.append_attribute("name") = name.c_str();
            if (property.value)
                p.append_attribute("value") = property.value->c_str();
            for (const std::string &item : property.items)
                p.append_child("item").text() = item.c_str();
        }
    }
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return AtomicFile::write(path, out.str());
}

const SettingsFile::Property *SettingsFile::find(const std::string &window, const std::string &property) const
{
    const auto w = windows_.find(window);
    if (w == windows_.end())
        return nullptr;
    const auto p = w->second.find(property);
    return p == w->second.end() ? nullptr : &p->second;
}

std::optional<std::string> SettingsFile::value(const std::string &window, const std::string &property) const
{
    const Property *p = find(window, property);
    return p ? p->value : std::nullopt;
}

void SettingsFile::setValue(const std::string &window, const std::string &property, const std::string &value)
{
    windows_[window][property] = Property{value, {}};
}

std::optional<std::vector<std::string>> SettingsFile::list(const std::string &window,
                                                           const std::string &property) const
{
    const Property *p = find(window, property);
    if (!p)
        return std::nullopt;
    return p->items;
}

void SettingsFile::setList(const std::string &window, const std::string &property,
                           const std::vector<std::string> &items)
{
    windows_[window][property] = Property{std::nullopt, items};
}

} // namespace lexorama
