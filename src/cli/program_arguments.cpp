#include "program_arguments.hpp"

#include "check_command.hpp"
#include "terminal_app.hpp"
#include "tool_options.hpp"

namespace orve::cli {

namespace {

constexpr int kUsageError = 2;

int usage(std::ostream& err, const std::string& problem) {
    err << "orve-cli: " << problem << "\n"
        << "usage: orve-cli\n"
        << "       orve-cli --check [--format text|json] RUname.EEB [MOname.EEB COname.EEB ...]\n"
        << "       orve-cli --check [--format text|json] FOLDER\n"
        << "       orve-cli --run ... (orve-cli --help lists the options)\n";
    return kUsageError;
}

// The arguments after `--check`.
int check_arguments(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    bool json = false;
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--format") {
            if (i + 1 == arguments.size()) {
                return usage(err, "--format needs text or json");
            }
            const std::string& format = arguments[++i];
            if (format != "text" && format != "json") {
                return usage(err, "unknown format " + format);
            }
            json = format == "json";
        } else if (argument.rfind("--", 0) == 0) {
            return usage(err, "unknown option " + argument);
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.empty()) {
        return usage(err, "--check needs base files or a folder");
    }
    return run_check(paths, json, out);
}

} // namespace

int run_program(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err, bool interactive) {
    if (arguments.empty()) {
        return run_terminal(in, out, interactive);
    }
    if (const auto status = run_tool_options(arguments, out, err)) {
        return *status;
    }
    if (arguments.front() == "--check") {
        return check_arguments(arguments, out, err);
    }
    return usage(err, "unknown option " + arguments.front());
}

} // namespace orve::cli
