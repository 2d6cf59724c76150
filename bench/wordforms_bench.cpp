// The word-form dictionary: time until a new data module returns (the window can appear), time
// until the dictionary is ready, its memory, and 10,000 lookups of each kind.
// Goals: ready <= 0.3 s, memory <= 1.5x the inflated text.
// Usage: wordforms_bench [FILE.zlib]   (default: the dictionary built into the program)
#include "common/resources.h"
#include "wordforms/word_forms_module.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace lexorama;
using namespace lexorama::wordforms;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

double residentMiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

template <typename Lookup>
void timeLookups(const char *name, std::size_t count, Lookup lookup)
{
    std::size_t forms = 0;
    const double cpuStart = cpuSeconds();
    const auto start = Clock::now();
    for (std::size_t i = 0; i < count; ++i)
        forms += lookup(i).size();
    const double seconds = secondsSince(start);
    const double cpu = cpuSeconds() - cpuStart;
    std::printf("%-34s %8.3f s  %6.1f us each, %.1f us of processor time  (%.1f forms each)\n", name, seconds,
                seconds * 1e6 / count, cpu * 1e6 / count, static_cast<double>(forms) / count);
}

} // namespace

int main(int argc, char **argv)
{
    std::string fileBytes;
    std::optional<std::string_view> compressed = resources::find(WordFormsModule::kDictionaryResource);
    if (argc > 1) {
        std::ifstream in(argv[1], std::ios::binary);
        fileBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        compressed = fileBytes;
    }
    if (!compressed || compressed->empty()) {
        std::fprintf(stderr, "no word-form dictionary: pass FILE.zlib\n");
        return 1;
    }
    // Touch the compressed bytes first so that their pages do not count as the dictionary's.
    volatile char sink = 0;
    for (std::size_t i = 0; i < compressed->size(); i += 4096)
        sink = sink + (*compressed)[i];
    const double residentBefore = residentMiB();

    const double cpuStart = cpuSeconds();
    const auto start = Clock::now();
    WordFormsModule module(compressed);
    const double created = secondsSince(start);
    const SclonForms &forms = module.dictionary();
    const double ready = secondsSince(start);
    const double readyCpu = cpuSeconds() - cpuStart;
    if (!module.dictionaryProblem().empty()) {
        std::fprintf(stderr, "%s\n", module.dictionaryProblem().c_str());
        return 1;
    }
    const double residentAfter = residentMiB();
    const double text = forms.textBytes() / double(1 << 20);
    const double held = forms.bytesHeld() / double(1 << 20);

    std::printf("compressed dictionary              %8.2f MiB\n", compressed->size() / double(1 << 20));
    std::printf("inflated text                      %8.2f MiB, %zu lines, %zu words in the list\n", text,
                forms.lineCount(), module.locateList().size());
    std::printf("module created (window can show)   %8.4f s\n", created);
    std::printf("dictionary ready                   %8.3f s   (goal <= 0.3 s; %.3f s of processor time)\n", ready,
                readyCpu);
    std::printf("dictionary heap                    %8.2f MiB = %.2fx the text (goal <= 1.5x)\n", held, held / text);
    std::printf("resident growth                    %8.2f MiB = %.2fx the text\n", residentAfter - residentBefore,
                (residentAfter - residentBefore) / text);
    std::printf("peak resident of the process       %8.2f MiB\n", peakMiB());

    const LocateList &list = module.locateList();
    const auto firstSearch = Clock::now();
    list.longestKnownBeginning("\xF1\xF2\xEE\xEB"); // "стол"; sorts the list for searching
    std::printf("first word-list search             %8.3f s\n", secondsSince(firstSearch));
    const std::size_t step = list.size() / 10000 + 1;
    auto lemma = [&](std::size_t i) { return list.wordUtf8((i * step) % list.size()); };
    timeLookups("10,000 Sclonenie (dictionary)", 10000, [&](std::size_t i) { return module.Sclonenie(lemma(i)); });
    timeLookups("10,000 formsForTyped (F4 path)", 10000, [&](std::size_t i) { return module.formsForTyped(lemma(i)); });
    timeLookups("10,000 Sclonenie (rules)", 10000,
                [&](std::size_t i) { return module.Sclonenie("лайфхак" + std::to_string(i % 10) + "ов"); });
    return 0;
}
