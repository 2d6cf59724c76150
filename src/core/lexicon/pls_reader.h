#pragma once

#include "lexicon/record.h"

#include <string>
#include <string_view>
#include <vector>

namespace lexorama {
class Feedback;
}

namespace lexorama::lexicon {

/// Reads the lexemes of a PLS file as lexicon records.
///
/// From the root's first child element named "lexeme" on, that node and every following sibling
/// with children becomes one record, whatever its name. Inside an entry the elements grapheme
/// (first three), phoneme, alias, grammar, lexname and comment give the fields; a repeated one
/// wins over the earlier. An element's value is its first child's text, kept whole; an empty
/// element gives "". Root attributes, other elements and attributes are ignored.
class PlsReader {
public:
    struct Result {
        std::vector<Record> records;
        /// Set when the file could not be read or parsed: "ERROR: " and the reason.
        std::string error;
        /// One "ERROR: <word> - ошибка при обработке." per element that could not give a text.
        std::vector<std::string> elementErrors;
        bool ok() const { return error.empty(); }
    };

    /// Reads and parses a whole file.
    static Result readFile(const std::string &path);
    /// Parses bytes held in memory; name is used in messages only.
    static Result readBytes(std::string_view bytes, const std::string &name);
};

} // namespace lexorama::lexicon
