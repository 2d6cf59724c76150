#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lexorama {

/// Walks the user files list (lines "name=path") in order, skipping lines with an empty path,
/// and hands each to apply; the walk ends early when apply returns false.
void applyUserFiles(const std::vector<std::string> &lines,
                    const std::function<bool(const std::string &name, const std::string &path)> &apply);

} // namespace lexorama
