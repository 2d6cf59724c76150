#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::cli {

/// Exit codes of every subcommand.
enum ExitCode { Success = 0, BadInput = 1, BadUsage = 2 };

/// A subcommand: args are the words after its name.
struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
};

/// Every subcommand, in the order the help lists them.
const std::vector<Command> &commands();

/// Runs lexorama-cli with its arguments (without the program name).
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace lexorama::cli
