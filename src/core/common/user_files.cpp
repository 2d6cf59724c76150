#include "common/user_files.h"

namespace lexorama {

void applyUserFiles(const std::vector<std::string> &lines,
                    const std::function<bool(const std::string &name, const std::string &path)> &apply)
{
    for (const std::string &line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals + 1 == line.size())
            continue;
        if (!apply(line.substr(0, equals), line.substr(equals + 1)))
            return;
    }
}

} // namespace lexorama
