// A temporary folder tree for tests that load base files. Loading changes the
// process's current folder; the tree restores it when it goes.
#pragma once

#include <filesystem>
#include <string>

namespace orve::test {

class TempTree {
  public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Writes a file (folders created as needed) and returns its path.
    std::filesystem::path write(const std::string& relative, const std::string& contents) const;
    std::filesystem::path path(const std::string& relative = "") const {
        return relative.empty() ? root_ : root_ / relative;
    }

  private:
    std::filesystem::path root_;
    std::filesystem::path saved_cwd_;
};

// The whole contents of a file, or "" when it cannot be read.
std::string read_file(const std::filesystem::path& path);

} // namespace orve::test
