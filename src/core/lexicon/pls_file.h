#pragma once

#include <string>

namespace lexorama {
class Feedback;
}

namespace lexorama::lexicon {

class RecordTable;

/// Appends the entries of a PLS file to table. Per-element problems are reported and the entry
/// is still added; a file that cannot be read or parsed is reported and adds nothing.
bool OpenFilePLS(RecordTable &table, const std::string &path, Feedback &feedback);

/// Writes table's records in its present order as a PLS file, replacing the file in one step:
/// if writing fails the old file is left as it was and the system's message is reported.
bool SaveFilePLS(RecordTable &table, const std::string &path, bool noByteOrderMark, Feedback &feedback);

/// Writes an empty lexicon file (with byte-order mark).
bool CreateNewPLS(const std::string &path, Feedback &feedback);

} // namespace lexorama::lexicon
