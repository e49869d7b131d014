#include "golden/golden_case.hpp"

#include "program_arguments.hpp"
#include "support/temp_tree.hpp"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orve::golden {

namespace {

// Sets the session's environment while it lives and gives the old values back.
// PATH is unset, so that no sound player or document opener is found: the
// transcript then reads the same on every machine and nothing plays. VISUAL
// and EDITOR are unset, so that no editor of the machine's user is started.
// A case sets its own variables in its `environment` file.
class SessionEnvironment {
  public:
    explicit SessionEnvironment(const std::map<std::string, std::string>& values) {
        for (const char* name : {"PATH", "VISUAL", "EDITOR"}) {
            set(name, std::nullopt);
        }
        for (const auto& [name, value] : values) {
            set(name, value);
        }
    }
    ~SessionEnvironment() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }
    SessionEnvironment(const SessionEnvironment&) = delete;
    SessionEnvironment& operator=(const SessionEnvironment&) = delete;

  private:
    void set(const std::string& name, const std::optional<std::string>& value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

    std::map<std::string, std::optional<std::string>> saved_;
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

// The variables of the case's `environment` file, one NAME=value a line, with
// <run> standing for the run folder.
std::map<std::string, std::string> case_environment(const fs::path& case_folder,
                                                    const fs::path& root) {
    std::map<std::string, std::string> values;
    std::istringstream lines(orve::test::read_file(case_folder / "environment"));
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            values[line.substr(0, equals)] =
                replace_all(line.substr(equals + 1), kRunFolder, root.string());
        }
    }
    return values;
}

// The case's command-line arguments, one a line, with <case> standing for the
// case folder (where a case keeps an answers file); none without the file.
std::vector<std::string> case_arguments(const fs::path& case_folder) {
    std::vector<std::string> args;
    std::istringstream lines(orve::test::read_file(case_folder / "arguments"));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            args.push_back(replace_all(line, "<case>", case_folder.string()));
        }
    }
    return args;
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

int expected_status(const fs::path& case_folder) {
    const std::string text = orve::test::read_file(case_folder / "status");
    return text.empty() ? 0 : std::stoi(text);
}

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
        const SessionEnvironment environment(case_environment(case_folder, root));
        result.status = orve::cli::run_program(case_arguments(case_folder), in, out, out, false);
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
