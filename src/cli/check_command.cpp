#include "check_command.hpp"

#include "batch/check_output.hpp"
#include "text_encoding.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace orve::cli {

namespace {

bool is_folder(const std::vector<std::string>& paths) {
    std::error_code error;
    return paths.size() == 1 && std::filesystem::is_directory(paths.front(), error);
}

// The check of a folder without base files: nothing could be checked.
BaseCheck empty_folder(const std::string& folder) {
    BaseCheck check;
    check.unreadable = true;
    check.findings.push_back({true, "no-bases", folder, {}, {}, "no base files in the folder"});
    return check;
}

void print_lines(const BaseCheck& check, std::ostream& out) {
    for (const auto& finding : check.findings) {
        out << to_display(finding_line(finding)) << '\n';
    }
    out << to_display(summary_line(check)) << '\n';
}

} // namespace

int run_check(const std::vector<std::string>& paths, bool json, std::ostream& out) {
    std::vector<BaseCheck> checks;
    if (is_folder(paths)) {
        for (const auto& files : knowledge_bases_in(paths.front())) {
            checks.push_back(check_knowledge_base(files));
        }
        if (checks.empty()) {
            checks.push_back(empty_folder(paths.front()));
        }
    } else {
        checks.push_back(check_knowledge_base(paths));
    }
    int status = kCheckClean;
    for (const auto& check : checks) {
        status = std::max(status, check_status(check));
        if (!json) {
            print_lines(check, out);
        }
    }
    if (json) {
        out << to_display(checks_json(checks));
    }
    out.flush();
    return status;
}

} // namespace orve::cli
