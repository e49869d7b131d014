#include "support/temp_tree.hpp"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace orve::test {

TempTree::TempTree() : saved_cwd_(fs::current_path()) {
    std::random_device seed;
    root_ = fs::temp_directory_path() / ("orve-test-" + std::to_string(seed()));
    fs::create_directories(root_);
}

TempTree::~TempTree() {
    std::error_code error;
    fs::current_path(saved_cwd_, error);
    fs::remove_all(root_, error);
}

fs::path TempTree::write(const std::string& relative, const std::string& contents) const {
    const fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
    return file;
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace orve::test
