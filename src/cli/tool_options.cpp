#include "tool_options.hpp"

#include "kb/file_access.hpp"
#include "state/app_state.hpp"
#include "tools/answer_table.hpp"
#include "tools/batch_run.hpp"
#include "tools/graph_files.hpp"
#include "tools/proof_tree.hpp"
#include "tools/rule_graph.hpp"
#include "tools/what_if.hpp"
#include "tools/why_not.hpp"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace orve::cli {

namespace {

constexpr int kDone = 0;
constexpr int kStopped = 1;
constexpr int kBadInput = 2;

struct Options {
    std::vector<std::string> bases;
    std::map<std::string, std::string> values; // option -> its value
    bool run = false;
    bool tests = false;
    bool help = false;
};

const std::vector<std::string> kValued = {"--run",     "--answers", "--backward", "--why-not",
                                          "--what-if", "--graph",   "--proof"};

bool valued(const std::string& arg) {
    for (const auto& option : kValued) {
        if (arg == option) {
            return true;
        }
    }
    return false;
}

// Reads the arguments; a problem is written to `err` and ends the reading.
std::optional<Options> parse(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (valued(arg)) {
            if (i + 1 == args.size()) {
                err << "orve-cli: " << arg << " needs a value\n";
                return std::nullopt;
            }
            if (!options.values.emplace(arg, args[++i]).second) {
                err << "orve-cli: " << arg << " given twice\n";
                return std::nullopt;
            }
            if (arg == "--run") {
                options.run = true;
                options.bases.insert(options.bases.begin(), args[i]);
            }
        } else if (arg == "--tests") {
            options.tests = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg.rfind("-", 0) == 0) {
            err << "orve-cli: unknown option " << arg << " (see orve-cli --help)\n";
            return std::nullopt;
        } else {
            options.bases.push_back(arg);
        }
    }
    return options;
}

const std::string* value(const Options& options, const std::string& option) {
    const auto found = options.values.find(option);
    return found == options.values.end() ? nullptr : &found->second;
}

// The options that only make sense with a run, and their combinations.
std::optional<std::string> misuse(const Options& options) {
    if (!options.run) {
        for (const char* option :
             {"--answers", "--backward", "--why-not", "--what-if", "--proof"}) {
            if (value(options, option)) {
                return std::string(option) + " needs --run";
            }
        }
        if (!value(options, "--graph")) {
            return "give --run or --graph with the bases";
        }
    } else if (!value(options, "--answers")) {
        return "--run needs --answers FILE";
    }
    if (value(options, "--what-if") && value(options, "--backward")) {
        return "--what-if replays a forward run; leave out --backward";
    }
    if (options.bases.empty()) {
        return "name the bases, the Rule Base first";
    }
    return std::nullopt;
}

std::optional<AnswerTable> read_answer_file(const std::string& path, std::ostream& err) {
    const FileText file = read_regular_file(path);
    if (!file.text) {
        err << "orve-cli: cannot read the answers file " << path
            << (file.refusal.empty() ? "" : ": " + file.refusal) << "\n";
        return std::nullopt;
    }
    AnswerFileResult read = read_answers(*file.text);
    if (!read.table) {
        err << path << ":" << read.faulty_line << ": " << read.fault << "\n";
        return std::nullopt;
    }
    return std::move(read.table);
}

std::string absolute_name(const std::string& file) {
    std::error_code error;
    const auto path = std::filesystem::absolute(file, error);
    return error ? file : path.lexically_normal().string();
}

int write_dot(const std::string& path, const std::string& text, std::ostream& out,
              std::ostream& err) {
    const GraphWritten written = write_graph(path, text);
    if (written.error) {
        out.flush();
        err << "orve-cli: cannot write " << path << ": " << *written.error << "\n";
        return kBadInput;
    }
    out << "Written: " << path << "\n";
    if (written.picture) {
        out << "Written: " << *written.picture << "\n";
    }
    return kDone;
}

// The tools after the run, in the order of the options' help.
int look_back(AppState& state, const Options& options,
              const std::map<std::string, std::string>& outputs, std::ostream& out,
              std::ostream& err) {
    if (const std::string* name = value(options, "--why-not")) {
        out << why_not_text(state, *name, why_not(state, *name));
    }
    if (const std::string* change = value(options, "--what-if")) {
        const AnswerFileResult read = read_answers(*change);
        if (!read.table || read.table->names().size() != 1) {
            out.flush();
            err << "orve-cli: --what-if wants NAME=VALUE\n";
            return kBadInput;
        }
        const std::string& name = read.table->names().front();
        const std::string& answer = *read.table->find(name);
        const WhatIf result = what_if(state, name, answer);
        out << what_if_text(name, answer, result);
        if (!result.completed) {
            return kStopped;
        }
    }
    for (const auto& [option, path] : outputs) {
        const std::string text =
            option == "--graph" ? rule_graph_dot(state) : proof_tree_dot(state);
        if (const int status = write_dot(path, text, out, err); status != kDone) {
            return status;
        }
    }
    return kDone;
}

int status_of(const BatchOutcome& outcome, std::ostream& out, std::ostream& err) {
    if (outcome.status == BatchStatus::Completed) {
        return kDone;
    }
    out.flush();
    err << outcome.problem << "\n";
    return outcome.status == BatchStatus::Stopped ? kStopped : kBadInput;
}

int run(const Options& options, std::ostream& out, std::ostream& err) {
    std::optional<AnswerTable> answers;
    if (const std::string* file = value(options, "--answers")) {
        answers = read_answer_file(*file, err);
        if (!answers) {
            return kBadInput;
        }
    }
    // Loading moves to the Rule Base's folder: output files are named first.
    std::map<std::string, std::string> outputs;
    for (const char* option : {"--graph", "--proof"}) {
        if (const std::string* path = value(options, option)) {
            outputs[option] = absolute_name(*path);
        }
    }
    AppState state;
    const TextSink print = [&out](const std::string& text) { out << text; };
    // What loading writes is shown when the tests were asked for or the
    // loading failed; otherwise the run's own text follows alone.
    std::string loading;
    const TextSink keep = [&loading](const std::string& text) { loading += text; };
    const BatchOutcome loaded = load_bases(state, options.bases, options.tests, keep);
    if (options.tests || loaded.status != BatchStatus::Completed) {
        out << loading;
    }
    if (const int status = status_of(loaded, out, err); status != kDone) {
        return status;
    }
    if (answers) {
        const std::string* hypothesis = value(options, "--backward");
        const BatchOutcome outcome =
            run_with_answers(state, *answers, hypothesis ? *hypothesis : "", print);
        out << "\n";
        const bool refused = state.memory.last_run.direction == RunDirection::None;
        if (refused && !options.tests) {
            out << loading; // why chaining is barred
        }
        if (const int status = status_of(outcome, out, err); status != kDone) {
            return status;
        }
        out << conclusions_text(state);
    }
    return look_back(state, options, outputs, out, err);
}

} // namespace

std::string tool_options_help() {
    return "Consulting without dialogue:\n"
           "  orve-cli --run RUname.EEB [MOname.EEB COname.EEB ...] --answers FILE\n"
           "           [--backward HYPOTHESIS] [--tests]\n"
           "           [--why-not CONCLUSION] [--what-if NAME=VALUE]\n"
           "           [--graph FILE.dot] [--proof FILE.dot]\n"
           "  orve-cli --graph FILE.dot RUname.EEB [MOname.EEB COname.EEB ...]\n"
           "\n"
           "  --run        loads the bases (Rule Base first) and runs forward chaining\n"
           "  --answers    the answers, one 'condition = yes|no' or 'argument = value'\n"
           "               a line; '#' starts a comment\n"
           "  --backward   runs backward chaining for this hypothesis instead\n"
           "  --tests      runs the load-time tests too (declined by default)\n"
           "  --why-not    after the run: why this conclusion was not established\n"
           "  --what-if    after a forward run: the run again with one answer changed,\n"
           "               and the conclusions gained and lost\n"
           "  --graph      writes the graph of rules, models and constraints (DOT)\n"
           "  --proof      writes the derivation of the run (DOT)\n"
           "\n"
           "  A PNG picture is written beside a DOT file when Graphviz's dot is found.\n"
           "  Exit status: 0 done, 1 an answer the run needs is missing or unusable,\n"
           "  or the bases cannot be consulted, 2 unreadable input or faulty arguments.\n";
}

std::optional<int> run_tool_options(const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err) {
    const auto ours = [](const std::string& arg) {
        return valued(arg) || arg == "--tests" || arg == "--help" || arg == "-h";
    };
    if (std::none_of(args.begin(), args.end(), ours)) {
        return std::nullopt;
    }
    const auto options = parse(args, err);
    if (!options) {
        return kBadInput;
    }
    if (options->help) {
        out << "Usage: orve-cli            (the shell, reading commands from standard input)\n\n"
            << "Checking knowledge bases:\n"
            << "  orve-cli --check [--format text|json] RUname.EEB [MOname.EEB ...]\n"
            << "  orve-cli --check [--format text|json] FOLDER\n\n"
            << tool_options_help();
        return kDone;
    }
    if (const auto problem = misuse(*options)) {
        err << "orve-cli: " << *problem << " (see orve-cli --help)\n";
        return kBadInput;
    }
    return run(*options, out, err);
}

} // namespace orve::cli
