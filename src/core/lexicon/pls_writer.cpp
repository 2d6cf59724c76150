#include "lexicon/pls_writer.h"

#include "common/text_case.h"
#include "lexicon/record_table.h"

#include <ctime>
#include <string_view>
#include <vector>

namespace lexorama::lexicon {

namespace {

constexpr std::string_view kRootStart
    = "<lexicon id=\"http://www.w3.org/2005/01/pronunciation-lexicon\""
      " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
      " xsi:schemaLocation=\"http://www.w3.org/2005/01/pronunciation-lexicon"
      " http://www.w3.org/TR/2007/CR-pronunciation-lexicon-20071212/pls.xsd\""
      " alphabet=\"x-sampa\" xml:lang=\"ru-RU\">\r\n";

// Element names by field: the field name in lower case, every grapheme field as "grapheme";
// empty for integer fields, which are never written.
std::vector<std::string> elementNames(const FieldLayout &layout)
{
    std::vector<std::string> names;
    for (const FieldDef &field : layout.fields()) {
        std::string name = field.type == FieldType::Integer ? std::string() : toLower(field.name);
        if (name.starts_with("grapheme"))
            name = "grapheme";
        names.push_back(std::move(name));
    }
    return names;
}

void appendHexReference(std::string &out, unsigned char c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += "&#x";
    if (c >= 16)
        out += digits[c >> 4];
    out += digits[c & 15];
    out += ';';
}

// Markup characters become entities and a line feed becomes a CR LF line break. A carriage
// return is written as a character reference so that it reads back as itself.
void appendEscaped(std::string &out, std::string_view text)
{
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '\n': out += "\r\n"; break;
        default:
            if (c < 32)
                appendHexReference(out, c);
            else
                out += ch;
        }
    }
}

void appendLexeme(std::string &out, const Record &record, const std::vector<std::string> &elements)
{
    bool any = false;
    for (std::size_t f = 0; f < elements.size(); ++f) {
        if (elements[f].empty())
            continue;
        const auto value = record.value(f);
        if (!value)
            continue;
        if (!any)
            out += "  <lexeme>\r\n";
        any = true;
        out += "    <";
        out += elements[f];
        out += '>';
        appendEscaped(out, *value);
        out += "</";
        out += elements[f];
        out += ">\r\n";
    }
    out += any ? "  </lexeme>\r\n" : "  <lexeme/>\r\n";
}

} // namespace

std::string PlsWriter::write(const RecordTable &table, bool byteOrderMark, const std::string &date)
{
    std::string out;
    out.reserve(256 + table.recordCount() * 96);
    if (byteOrderMark)
        out += "\xEF\xBB\xBF";
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    out += kRootStart;
    out += "  <!--\r\n";
    out += date;
    out += "\r\n-->\r\n";
    const std::vector<std::string> elements = elementNames(table.layout());
    for (std::size_t row = 0; row < table.recordCount(); ++row)
        appendLexeme(out, table.recordAt(row), elements);
    out += "</lexicon>\r\n";
    return out;
}

std::string PlsWriter::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d.%m.%Y", &local);
    return text;
}

} // namespace lexorama::lexicon
