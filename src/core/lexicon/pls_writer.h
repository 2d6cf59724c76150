#pragma once

#include <string>

namespace lexorama::lexicon {

class RecordTable;

/// Writes a table of the lexicon layout as a PLS file, byte for byte in the program's layout:
/// optional byte-order mark, CR LF line ends, the lexicon root with its five attributes, a date
/// comment, then one lexeme per record in the table's present order. Null fields are left out,
/// empty strings give empty elements, tag is never written.
class PlsWriter {
public:
    /// The file's bytes. date is the text of the date comment.
    static std::string write(const RecordTable &table, bool byteOrderMark, const std::string &date);
    /// Today's date in the short form used in the date comment (dd.mm.yyyy).
    static std::string today();
};

} // namespace lexorama::lexicon
