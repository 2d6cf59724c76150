#include "lexicon/pls_reader.h"

#include "common/utf8.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/xml_encoding.h"

#include <array>
#include <functional>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <pugixml.hpp>
#include <sstream>
#include <string_view>

namespace lexorama::lexicon {

namespace {

constexpr std::size_t kMaxFileSize = std::size_t(1) << 31;

const char *describe(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_out_of_memory: return "недостаточно памяти";
    case pugi::status_unrecognized_tag: return "нераспознанная разметка";
    case pugi::status_bad_pi: return "ошибка в объявлении XML или инструкции обработки";
    case pugi::status_bad_comment: return "ошибка в комментарии";
    case pugi::status_bad_cdata: return "ошибка в разделе CDATA";
    case pugi::status_bad_doctype: return "ошибка в объявлении типа документа";
    case pugi::status_bad_pcdata: return "ошибка в тексте";
    case pugi::status_bad_start_element: return "ошибка в начальном теге";
    case pugi::status_bad_attribute: return "ошибка в атрибуте";
    case pugi::status_bad_end_element: return "ошибка в конечном теге";
    case pugi::status_end_element_mismatch: return "конечный тег не соответствует начальному";
    case pugi::status_no_document_element: return "нет корневого элемента";
    default: return "ошибка разбора XML";
    }
}

std::string errorAt(const std::string &name, std::string_view text, std::size_t offset, const std::string &what)
{
    const utf8::Position p = utf8::positionOf(text, offset);
    return "ERROR: " + name + ": строка " + std::to_string(p.line) + ", позиция " + std::to_string(p.column)
        + ": " + what;
}

// Which field an element of an entry fills; Grapheme stands for the grapheme counter.
std::optional<LexiconField> fieldOf(const char *name)
{
    static constexpr std::array<std::pair<std::string_view, LexiconField>, 6> names = {{
        {"grapheme", Grapheme},
        {"phoneme", PhonemeField},
        {"alias", Alias},
        {"grammar", Grammar},
        {"lexname", Lexname},
        {"comment", Comment},
    }};
    for (const auto &[elementName, field] : names)
        if (name[0] == elementName[0] && elementName == name)
            return field;
    return std::nullopt;
}

bool isBlank(const char *text)
{
    for (; *text; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r')
            return false;
    return true;
}

// An entry counts when it has a child other than a lone run of white space.
bool hasContent(const pugi::xml_node &node)
{
    const pugi::xml_node child = node.first_child();
    if (!child)
        return false;
    return child.next_sibling() || child.type() != pugi::node_pcdata || !isBlank(child.value());
}

class EntryWalker {
public:
    EntryWalker(std::string_view buffer, PlsReader::Result &result)
        : buffer_(buffer), result_(result) {}

    /// Offset in the file of the first byte that is not valid UTF-8, when walk() failed.
    std::size_t badOffset() const { return badOffset_; }

    // False when a value is not valid UTF-8.
    bool walk(const pugi::xml_node &root)
    {
        for (pugi::xml_node entry = root.child("lexeme"); entry; entry = entry.next_sibling()) {
            if (hasContent(entry) && !readEntry(entry))
                return false;
        }
        return true;
    }

private:
    bool readEntry(const pugi::xml_node &entry)
    {
        std::array<std::optional<std::string_view>, LexiconFieldCount> values;
        int graphemes = 0;
        for (pugi::xml_node child = entry.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            auto field = fieldOf(child.name());
            if (!field)
                continue;
            if (*field == Grapheme) {
                if (graphemes >= 3)
                    continue;
                field = static_cast<LexiconField>(Grapheme + graphemes++);
            }
            const pugi::xml_node first = child.first_child();
            if (!first) {
                values[*field] = std::string_view();
                continue;
            }
            if (first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata) {
                const std::string word(values[Grapheme].value_or(std::string_view()));
                result_.elementErrors.push_back("ERROR: " + word + " - ошибка при обработке.");
                continue;
            }
            const std::string_view text(first.value());
            if (const std::size_t bad = utf8::findInvalid(text); bad != std::string_view::npos) {
                badOffset_ = static_cast<std::size_t>(text.data() - buffer_.data()) + bad;
                return false;
            }
            values[*field] = text;
        }
        result_.records.push_back(Record::fromValues(values));
        return true;
    }

    std::string_view buffer_;
    PlsReader::Result &result_;
    std::size_t badOffset_ = 0;
};

using OriginalBytes = std::function<std::string()>;

// Parses work in place (no copy of a large file); the original bytes are fetched again only to
// turn an error offset into line and column.
PlsReader::Result parseInPlace(std::string &work, const std::string &name, const OriginalBytes &original)
{
    PlsReader::Result result;
    if (std::string problem = convertDeclaredEncoding(work); !problem.empty()) {
        result.error = "ERROR: " + name + ": " + problem;
        return result;
    }
    pugi::xml_document doc;
    const unsigned options = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_comments
        | pugi::parse_pi | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result parsed = doc.load_buffer_inplace(work.data(), work.size(), options);
    if (!parsed) {
        result.error = errorAt(name, original(), static_cast<std::size_t>(parsed.offset), describe(parsed.status));
        return result;
    }
    result.records.reserve(work.size() / 96); // a lexeme of the usual size takes about 100 bytes
    EntryWalker walker(work, result);
    if (!walker.walk(doc.document_element())) {
        result.records.clear();
        result.elementErrors.clear();
        result.error = errorAt(name, original(), walker.badOffset(), "недопустимая последовательность UTF-8");
    }
    return result;
}

std::optional<std::string> readWhole(const std::string &path, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "ERROR: " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || static_cast<std::size_t>(size) > kMaxFileSize) {
        error = "ERROR: " + path + ": файл слишком велик для словаря";
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) {
        error = "ERROR: " + path + ": не удалось прочитать файл";
        return std::nullopt;
    }
    return bytes;
}

} // namespace

PlsReader::Result PlsReader::readFile(const std::string &path)
{
    Result result;
    std::optional<std::string> bytes = readWhole(path, result.error);
    if (!bytes)
        return result;
    return parseInPlace(*bytes, path, [&path] {
        std::string ignored;
        std::string again = readWhole(path, ignored).value_or(std::string());
        convertDeclaredEncoding(again);
        return again;
    });
}

PlsReader::Result PlsReader::readBytes(std::string_view bytes, const std::string &name)
{
    std::string work(bytes);
    return parseInPlace(work, name, [bytes] {
        std::string again(bytes);
        convertDeclaredEncoding(again);
        return again;
    });
}

} // namespace lexorama::lexicon
