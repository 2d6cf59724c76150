// Opening and saving a 200,000-lexeme lexicon, against a bare pugixml parse of the same file.
// Goals: open <= 1.5x the bare parse, save <= 1x it, the open table <= 2x the file size.
#include "common/feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/pls_file.h"
#include "lexicon/pls_writer.h"
#include "lexicon/record_table.h"

#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <pugixml.hpp>
#include <random>
#include <string>

using namespace lexorama;
using namespace lexorama::lexicon;

namespace {

const char *const kSyllables[] = {"ба", "ве", "го", "да", "жи", "за", "ко", "ла", "ми", "но", "пу", "ре",
                                  "со", "ту", "фа", "хи", "це", "чу", "ша", "щи", "ю", "я", "ст", "вл", "пр"};
const char *const kSounds[] = {"b", "vʲ", "ɡ", "d", "ʐ", "z", "k", "l", "mʲ", "n", "p", "rʲ", "s", "t",
                               "f", "xʲ", "t͡s", "t͡ɕ", "ʂ", "ɕː", "ɐ", "ə", "ɪ", "ˈa", "ˈo", "ʊ"};

std::string pick(std::mt19937 &random, const char *const *items, std::size_t count, int from, int to)
{
    std::string out;
    const int n = std::uniform_int_distribution<int>(from, to)(random);
    for (int i = 0; i < n; ++i)
        out += items[random() % count];
    return out;
}

void generate(const std::string &path, std::size_t lexemes)
{
    std::mt19937 random(20261211);
    RecordTable table(lexiconLayout());
    for (std::size_t i = 0; i < lexemes; ++i) {
        Record r(LexiconFieldCount);
        r.setValue(Grapheme, pick(random, kSyllables, std::size(kSyllables), 2, 5));
        r.setValue(PhonemeField, pick(random, kSounds, std::size(kSounds), 4, 9));
        if (i % 7 == 0)
            r.setValue(Alias, pick(random, kSyllables, std::size(kSyllables), 2, 4));
        if (i % 11 == 0)
            r.setValue(Comment, "проверено");
        table.appendRecord(std::move(r));
    }
    std::ofstream(path, std::ios::binary) << PlsWriter::write(table, true, "11.12.2026");
}

// Processor time of this process: other work on the machine does not count.
double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double bestSeconds(int runs, const std::function<void()> &job)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuSeconds();
        job();
        best = std::min(best, cpuSeconds() - start);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    const std::size_t lexemes = argc > 1 ? std::stoul(argv[1]) : 200000;
    const std::string dir = std::filesystem::temp_directory_path() / "lexorama-pls-bench";
    std::filesystem::create_directories(dir);
    const std::string file = dir + "/big.pls";
    generate(file, lexemes);
    const auto fileSize = std::filesystem::file_size(file);
    SilentFeedback silent;

    const double parse = bestSeconds(5, [&] {
        pugi::xml_document doc;
        doc.load_file(file.c_str());
    });
    const double parseInPlace = bestSeconds(5, [&] {
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        pugi::xml_document doc;
        doc.load_buffer_inplace(bytes.data(), bytes.size());
    });
    const double open = bestSeconds(5, [&] {
        RecordTable table(lexiconLayout());
        OpenFilePLS(table, file, silent);
    });

    const std::size_t before = mallinfo2().uordblks;
    RecordTable table(lexiconLayout());
    OpenFilePLS(table, file, silent);
    const std::size_t tableBytes = mallinfo2().uordblks - before;

    const double save = bestSeconds(5, [&] { SaveFilePLS(table, dir + "/saved.pls", false, silent); });

    std::printf("(processor time, best of 5)\n");
    std::printf("lexemes            %zu\n", table.recordCount());
    std::printf("file size          %.1f MB\n", fileSize / 1e6);
    std::printf("bare pugixml parse %.1f ms (load_file); %.1f ms (read + in-place parse)\n", parse * 1e3,
                parseInPlace * 1e3);
    std::printf("open (into table)  %.1f ms   ratio %.2f / %.2f (goal <= 1.5)\n", open * 1e3, open / parse,
                open / parseInPlace);
    std::printf("save               %.1f ms   ratio %.2f / %.2f (goal <= 1.0)\n", save * 1e3, save / parse,
                save / parseInPlace);
    std::printf("table memory       %.1f MB   ratio %.2f of the file (goal <= 2.0)\n", tableBytes / 1e6,
                static_cast<double>(tableBytes) / static_cast<double>(fileSize));

    // The same with a warm heap: freed memory is kept, so neither side pays for fresh pages.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    const double warmParse = bestSeconds(5, [&] {
        pugi::xml_document doc;
        doc.load_file(file.c_str());
    });
    const double warmOpen = bestSeconds(5, [&] {
        RecordTable again(lexiconLayout());
        OpenFilePLS(again, file, silent);
    });
    std::printf("warm heap: parse %.1f ms, open %.1f ms, ratio %.2f\n", warmParse * 1e3, warmOpen * 1e3,
                warmOpen / warmParse);
    std::filesystem::remove_all(dir);
    return 0;
}
