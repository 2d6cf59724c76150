#pragma once

#include "cli/commands/command.h"

#include <sstream>
#include <string>
#include <vector>

namespace lexorama::cli {

/// What a lexorama-cli run printed and returned.
struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun runCliCaptured(const std::vector<std::string> &args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace lexorama::cli
