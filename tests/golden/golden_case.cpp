#include "golden/golden_case.hpp"

#include "support/temp_tree.hpp"
#include "terminal_app.hpp"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orve::golden {

namespace {

// Hides PATH while it lives, so that no sound player or document opener is
// found: the transcript then reads the same on every machine and nothing plays.
class NoExternalPrograms {
  public:
    NoExternalPrograms() {
        if (const char* path = std::getenv("PATH")) {
            saved_ = path;
        }
        unsetenv("PATH");
    }
    ~NoExternalPrograms() {
        if (saved_) {
            setenv("PATH", saved_->c_str(), 1);
        }
    }
    NoExternalPrograms(const NoExternalPrograms&) = delete;
    NoExternalPrograms& operator=(const NoExternalPrograms&) = delete;

  private:
    std::optional<std::string> saved_;
};

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return text;
    }
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The folder of the case to start in: the line of its `bases` file, relative
// to the tree, or the tree itself when there is no such file.
fs::path start_folder(const fs::path& case_folder) {
    std::string line = orve::test::read_file(case_folder / "bases");
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

FileMap changed_files(const FileMap& before, const FileMap& after) {
    FileMap changed;
    for (const auto& [path, contents] : after) {
        const auto old = before.find(path);
        if (old == before.end() || old->second != contents) {
            changed.emplace(path, contents);
        }
    }
    return changed;
}

} // namespace

FileMap read_tree(const fs::path& root) {
    FileMap files;
    if (!fs::is_directory(root)) {
        return files;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.emplace(entry.path().lexically_relative(root).generic_string(),
                          orve::test::read_file(entry.path()));
        }
    }
    return files;
}

SessionResult run_case(const fs::path& case_folder, const fs::path& examples) {
    if (!fs::is_regular_file(case_folder / "input.txt")) {
        throw std::runtime_error("no input.txt in " + case_folder.string());
    }
    const fs::path tree = fs::is_directory(case_folder / "tree") ? case_folder / "tree" : examples;
    const orve::test::TempTree run; // gives the current folder back when it goes
    fs::copy(tree, run.path(), fs::copy_options::recursive);
    const fs::path root = fs::canonical(run.path());
    const fs::path start = root / start_folder(case_folder);
    if (!fs::is_directory(start)) {
        throw std::runtime_error("the bases folder of " + case_folder.string() + " is missing");
    }
    const FileMap before = read_tree(root);

    std::istringstream in(orve::test::read_file(case_folder / "input.txt"));
    std::ostringstream out;
    SessionResult result;
    fs::current_path(start);
    {
        const NoExternalPrograms no_players;
        result.status = orve::cli::run_terminal(in, out);
    }
    const auto normalise = [&](const std::string& text) {
        return replace_all(replace_all(text, root.string(), kRunFolder), run.path().string(),
                           kRunFolder);
    };
    result.transcript = normalise(out.str());
    for (const auto& [path, contents] : changed_files(before, read_tree(root))) {
        result.written_files.emplace(path, normalise(contents));
    }
    return result;
}

} // namespace orve::golden
