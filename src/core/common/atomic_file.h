#pragma once

#include <string>
#include <string_view>

namespace lexorama {

/// Replaces a file in one step: the bytes go to a temporary file in the same folder, which is
/// flushed and then renamed over the target. If anything fails the old file stays as it was and
/// the temporary file is removed.
class AtomicFile {
public:
    /// Empty on success; otherwise the system's message, naming the file.
    static std::string write(const std::string &path, std::string_view bytes);
};

} // namespace lexorama
