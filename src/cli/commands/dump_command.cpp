#include "cli/commands/command.h"
#include "cli/commands/stream_feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_file.h"
#include "lexicon/record_table.h"

#include <ostream>

namespace lexorama::cli {

namespace {

void writeEscaped(std::ostream &out, std::string_view value)
{
    for (const char c : value) {
        switch (c) {
        case '\\': out << "\\\\"; break;
        case '\t': out << "\\t"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        default: out << c;
        }
    }
}

} // namespace

/// dump FILE.pls: one line per record, the nine fields TAB-separated, null as \N.
int dumpCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.size() != 1) {
        err << "Usage: lexorama-cli dump FILE.pls\n";
        return BadUsage;
    }
    lexicon::RecordTable table(lexicon::lexiconLayout());
    StreamFeedback feedback(err);
    if (!lexicon::OpenFilePLS(table, args[0], feedback))
        return BadInput;
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        const lexicon::Record &record = table.recordAt(row);
        for (std::size_t f = 0; f < record.fieldCount(); ++f) {
            if (f > 0)
                out << '\t';
            if (const auto value = record.value(f))
                writeEscaped(out, *value);
            else
                out << "\\N";
        }
        out << '\n';
    }
    return Success;
}

} // namespace lexorama::cli
