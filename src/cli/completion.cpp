#include "completion.hpp"

#include "command_line.hpp"
#include "state/commands.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orve::cli {

namespace {

// The typed text compared like a menu text, keeping a blank typed at its end:
// "rule base " must not complete to "Rule Based ...".
std::string normalized_prefix(const std::string& typed) {
    std::string prefix = normalize_menu_text(typed);
    if (!prefix.empty() && !typed.empty() && (typed.back() == ' ' || typed.back() == '\t')) {
        prefix += ' ';
    }
    return prefix;
}

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

void add_once(std::vector<std::string>& list, std::string item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) {
        list.push_back(std::move(item));
    }
}

} // namespace

std::vector<std::string> command_candidates(const std::string& typed) {
    const std::string prefix = normalized_prefix(typed);
    std::vector<std::string> found;
    for (const char* word : {"menu", "close"}) {
        if (starts_with(word, prefix)) {
            add_once(found, word);
        }
    }
    for (const CommandInfo& command : command_table()) {
        const std::string id = std::to_string(command.id);
        if (starts_with(id, prefix)) {
            add_once(found, id);
        }
    }
    for (const CommandInfo& command : command_table()) {
        if (!command.menu_text.empty() &&
            starts_with(normalize_menu_text(command.menu_text), prefix)) {
            std::string shown = command.menu_text;
            shown.erase(std::remove(shown.begin(), shown.end(), '&'), shown.end());
            add_once(found, shown);
        }
    }
    return found;
}

std::vector<std::string> file_candidates(const std::string& typed) {
    const std::string::size_type slash = typed.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : typed.substr(0, slash + 1);
    const std::string start = typed.substr(folder.size());
    std::vector<std::string> found;
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? "." : folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (!starts_with(name, start) || (name.front() == '.' && !starts_with(start, "."))) {
            continue;
        }
        std::error_code kind_error;
        const bool is_folder = entries->is_directory(kind_error);
        found.push_back(folder + name + (is_folder ? "/" : ""));
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::string> candidates(Completion mode, const std::string& typed) {
    switch (mode) {
    case Completion::Commands:
        return command_candidates(typed);
    case Completion::Files:
        return file_candidates(typed);
    case Completion::None:
        break;
    }
    return {};
}

} // namespace orve::cli
