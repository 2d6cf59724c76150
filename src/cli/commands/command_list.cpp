#include "cli/commands/command.h"

#include <ostream>

namespace lexorama::cli {

int dumpCommand(const std::vector<std::string> &, std::ostream &, std::ostream &);
int convertCommand(const std::vector<std::string> &, std::ostream &, std::ostream &);
int sayCommand(const std::vector<std::string> &, std::ostream &, std::ostream &);
int transcribeCommand(const std::vector<std::string> &, std::ostream &, std::ostream &);
int formsCommand(const std::vector<std::string> &, std::ostream &, std::ostream &);

const std::vector<Command> &commands()
{
    static const std::vector<Command> list = {
        {"dump", "dump FILE.pls", dumpCommand},
        {"convert", "convert IN.pls OUT.pls [--no-bom]", convertCommand},
        {"say", "say [--list-voices] [--voice NAME] [--rate R] [--ipa] [--wav OUT.wav] [--phonemes] TEXT", sayCommand},
        {"transcribe", "transcribe [--bulk] [--rules FILE] [--fixes FILE] [WORD...]", transcribeCommand},
        {"forms", "forms [--ipa] [--dictionary FILE.zlib] [--rules FILE] WORD | forms --dump", formsCommand},
    };
    return list;
}

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << "Usage: lexorama-cli COMMAND ARGS...\n";
        for (const Command &c : commands())
            out << "  lexorama-cli " << c.usage << '\n';
        return Success;
    }
    if (!args.empty()) {
        for (const Command &c : commands())
            if (args[0] == c.name)
                return c.run({args.begin() + 1, args.end()}, out, err);
    }
    err << "Usage: lexorama-cli COMMAND ARGS...\n";
    for (const Command &c : commands())
        err << "  lexorama-cli " << c.usage << '\n';
    return BadUsage;
}

} // namespace lexorama::cli
