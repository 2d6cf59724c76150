#include "cli/commands/command.h"

#include <iostream>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    return lexorama::cli::runCli({argv + 1, argv + argc}, std::cout, std::cerr);
}
