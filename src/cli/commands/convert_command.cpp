#include "cli/commands/command.h"
#include "cli/commands/stream_feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_file.h"
#include "lexicon/record_table.h"

#include <ostream>

namespace lexorama::cli {

/// convert IN.pls OUT.pls [--no-bom]: reads IN and writes it in the program's own layout.
int convertCommand(const std::vector<std::string> &args, std::ostream &, std::ostream &err)
{
    std::vector<std::string> files;
    bool noBom = false;
    for (const std::string &a : args) {
        if (a == "--no-bom")
            noBom = true;
        else
            files.push_back(a);
    }
    if (files.size() != 2) {
        err << "Usage: lexorama-cli convert IN.pls OUT.pls [--no-bom]\n";
        return BadUsage;
    }
    lexicon::RecordTable table(lexicon::lexiconLayout());
    StreamFeedback feedback(err);
    if (!lexicon::OpenFilePLS(table, files[0], feedback))
        return BadInput;
    return lexicon::SaveFilePLS(table, files[1], noBom, feedback) ? Success : BadInput;
}

} // namespace lexorama::cli
