#pragma once

#include <string>

namespace lexorama::test {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

/// Whole file as bytes; empty if it cannot be read.
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);
/// A file under tests/data.
std::string dataFile(const std::string &relative);

} // namespace lexorama::test
