#include "lexicon/pls_file.h"

#include "common/atomic_file.h"
#include "common/feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_reader.h"
#include "lexicon/pls_writer.h"
#include "lexicon/record_table.h"

namespace lexorama::lexicon {

namespace {

class BusyCursor {
public:
    explicit BusyCursor(Feedback &feedback) : feedback_(feedback) { feedback_.busy(true); }
    ~BusyCursor() { feedback_.busy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    Feedback &feedback_;
};

} // namespace

bool OpenFilePLS(RecordTable &table, const std::string &path, Feedback &feedback)
{
    BusyCursor busy(feedback);
    feedback.status("Обработка файла " + path);
    feedback.processEvents();
    PlsReader::Result result = PlsReader::readFile(path);
    if (!result.ok()) {
        feedback.message(result.error);
        return false;
    }
    for (const std::string &problem : result.elementErrors)
        feedback.message(problem);
    DisplayPause pause(table);
    for (Record &record : result.records)
        table.appendRecord(std::move(record));
    return true;
}

bool SaveFilePLS(RecordTable &table, const std::string &path, bool noByteOrderMark, Feedback &feedback)
{
    BusyCursor busy(feedback);
    const std::string bytes = PlsWriter::write(table, !noByteOrderMark, PlsWriter::today());
    const std::string error = AtomicFile::write(path, bytes);
    if (!error.empty()) {
        feedback.message(error);
        return false;
    }
    return true;
}

bool CreateNewPLS(const std::string &path, Feedback &feedback)
{
    RecordTable newTable(lexiconLayout());
    const bool saved = SaveFilePLS(newTable, path, false, feedback);
    feedback.processEvents();
    return saved;
}

} // namespace lexorama::lexicon
