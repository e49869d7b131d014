#include "batch/batch_check.hpp"

#include "batch/collecting_dialogs.hpp"
#include "chaining/run_start.hpp"
#include "kb/base_kinds.hpp"
#include "loading/base_loading.hpp"
#include "verify/anomaly_checks.hpp"
#include "verify/structural_checks.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

namespace {

// A question of the external-inconsistency offer; declined on the second pass.
const char* const kExternalOffer = "for external inconsistencies?";

struct BaseFile {
    BaseKind kind;
    std::string given; // as named by the user
    std::string path;  // absolute
    std::string name;  // file name
};

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The kind a file name's two-letter prefix names.
std::optional<BaseKind> kind_of(const std::string& file_name) {
    if (file_name.size() < 3) {
        return std::nullopt;
    }
    const std::string prefix{upper(file_name[0]), upper(file_name[1])};
    static const std::map<std::string, BaseKind> kinds = {
        {"RU", BaseKind::Rule},   {"MO", BaseKind::Model},    {"CO", BaseKind::Constraint},
        {"AD", BaseKind::Advice}, {"GR", BaseKind::Graphics}, {"SO", BaseKind::Sound}};
    const auto it = kinds.find(prefix);
    return it == kinds.end() ? std::nullopt : std::optional(it->second);
}

bool readable_file(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && std::ifstream(path, std::ios::binary).good();
}

CheckFinding input_finding(const std::string& kind, const std::string& file, std::string text) {
    return {true, kind, file, {}, {}, std::move(text)};
}

// The files in loading order, or findings about the ones that cannot be used.
std::vector<BaseFile> place_files(const std::vector<std::string>& files, BaseCheck& check) {
    std::vector<BaseFile> placed;
    for (const auto& given : files) {
        const std::string name = fs::path(given).filename().string();
        const auto kind = kind_of(name);
        std::error_code error;
        const std::string path = fs::absolute(given, error).lexically_normal().string();
        if (!readable_file(given)) {
            check.findings.push_back(input_finding("unreadable", name, "cannot be read"));
        } else if (!kind) {
            check.findings.push_back(input_finding(
                "unknown-kind", name, "the name starts with none of RU, MO, CO, AD, GR, SO"));
        } else {
            placed.push_back({*kind, given, path, name});
            continue;
        }
        check.unreadable = true;
    }
    std::stable_sort(placed.begin(), placed.end(), [](const BaseFile& a, const BaseFile& b) {
        return static_cast<int>(a.kind) < static_cast<int>(b.kind);
    });
    const auto rules = std::count_if(placed.begin(), placed.end(),
                                     [](const BaseFile& f) { return f.kind == BaseKind::Rule; });
    if (rules != 1 && !check.unreadable) {
        check.findings.push_back(input_finding(rules == 0 ? "no-rule-base" : "several-rule-bases",
                                               "", "a check needs exactly one Rule Base file"));
        check.unreadable = true;
    }
    return placed;
}

// Loads one base; false when the load was refused before its file was opened.
bool load_one(AppState& state, CollectingDialogs& ui, const BaseFile& file) {
    ui.clear_notes();
    ui.set_file(file.path);
    load_base(state, ui, file.kind);
    const bool opened = !ui.file_pending();
    ui.set_file({});
    return opened;
}

// Why a load was refused before its file was opened.
std::string refusal(const AppState& state) {
    if (!state.kb.rule.name) {
        return "refused: no Rule Base is loaded";
    }
    return state.findings.externally_inconsistent()
               ? "refused while the Rule Base is externally inconsistent"
               : "refused while the Model Base and the Rule Base are jointly inconsistent";
}

bool loaded(AppState& state, BaseKind kind) {
    return base_kind(kind).loaded_name(state.kb).has_value();
}

void append(std::vector<CheckFinding>& to, std::vector<CheckFinding> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// What loading one opened base left: a refusal, the recorded findings, the notes.
void collect(AppState& state, const CollectingDialogs& ui, const BaseFile& file, BaseCheck& check) {
    if (!loaded(state, file.kind)) {
        check.findings.push_back(
            input_finding("not-loaded", file.name, "the shell refuses the base"));
    }
    append(check.findings, recorded_findings(state, file.kind, file.name));
    append(check.findings, note_findings(ui.notes(), file.name));
}

// The bars on chaining that only the start of a run tests.
void chaining_bars(AppState& state, const BaseFile& rule_base, BaseCheck& check) {
    CollectingDialogs ui;
    if (!model_results_consistent(state, ui)) {
        CheckFinding bar = input_finding("model-results-not-exclusive", rule_base.name, "");
        for (const auto& found : note_findings(ui.notes(), rule_base.name)) {
            bar.text += (bar.text.empty() ? "" : " // ") + found.text;
        }
        check.findings.push_back(bar);
    }
}

// Loads the bases the first pass could not: with the Rule Base's external
// inconsistency test declined, so that their own tests still run.
void second_pass(const std::vector<BaseFile>& refused, const BaseFile& rule_base,
                 BaseCheck& check) {
    AppState state;
    CollectingDialogs ui;
    ui.set_declined(kExternalOffer);
    load_one(state, ui, rule_base);
    for (const auto& file : refused) {
        if (load_one(state, ui, file)) {
            collect(state, ui, file, check);
        } else {
            check.findings.push_back(input_finding("not-loadable", file.name, refusal(state)));
        }
    }
}

void run_check(const std::vector<BaseFile>& files, BaseCheck& check) {
    AppState state;
    CollectingDialogs ui;
    std::vector<BaseFile> refused;
    for (const auto& file : files) {
        if (load_one(state, ui, file)) {
            collect(state, ui, file, check);
        } else {
            check.findings.push_back(input_finding("not-loadable", file.name, refusal(state)));
            refused.push_back(file);
        }
    }
    if (!loaded(state, BaseKind::Rule)) {
        return;
    }
    chaining_bars(state, files.front(), check);
    auto anomalies = anomaly_findings(find_anomalies(state.kb, state.askables), files.front().name);
    if (!refused.empty() && state.findings.externally_inconsistent()) {
        second_pass(refused, files.front(), check);
    }
    append(check.findings, std::move(anomalies));
}

} // namespace

BaseCheck check_knowledge_base(const std::vector<std::string>& files) {
    BaseCheck check;
    const std::vector<BaseFile> placed = place_files(files, check);
    for (const auto& file : placed) {
        check.files.push_back(file.given);
    }
    if (!placed.empty() || !files.empty()) {
        check.name = knowledge_base_name_of(
            placed.empty() ? fs::path(files.front()).filename().string() : placed.front().name);
    }
    if (check.unreadable) {
        return check;
    }
    std::error_code error;
    const fs::path start = fs::current_path(error);
    run_check(placed, check);
    if (!error) {
        fs::current_path(start, error);
    }
    return check;
}

int check_status(const BaseCheck& check) {
    if (check.unreadable) {
        return kCheckUnreadable;
    }
    const bool blocked = std::any_of(check.findings.begin(), check.findings.end(),
                                     [](const CheckFinding& f) { return f.blocking; });
    return blocked ? kCheckBlocked : kCheckClean;
}

std::vector<std::vector<std::string>> knowledge_bases_in(const std::string& folder) {
    std::map<std::string, std::vector<std::string>> groups;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), upper);
        if (extension == ".EEB" && kind_of(name) && it->is_regular_file(error)) {
            groups[knowledge_base_name_of(name)].push_back(it->path().string());
        }
    }
    std::vector<std::vector<std::string>> bases;
    for (auto& [name, files] : groups) {
        std::sort(files.begin(), files.end());
        bases.push_back(std::move(files));
    }
    return bases;
}

} // namespace orve
