#include "tools/batch_run.hpp"

#include "chaining/backward_chaining.hpp"
#include "chaining/forward_chaining.hpp"
#include "kb/base_kinds.hpp"
#include "loading/base_loading.hpp"
#include "tools/answer_recorder.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

namespace {

// The kind a base file name starts with, in any letter case.
std::optional<BaseKind> kind_of(const std::string& path) {
    std::string prefix = fs::path(path).filename().string().substr(0, 2);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static const std::pair<const char*, BaseKind> kinds[] = {
        {"RU", BaseKind::Rule},   {"MO", BaseKind::Model},    {"CO", BaseKind::Constraint},
        {"AD", BaseKind::Advice}, {"GR", BaseKind::Graphics}, {"SO", BaseKind::Sound}};
    for (const auto& [name, kind] : kinds) {
        if (prefix == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string absolute_name(const std::string& file) {
    std::error_code error;
    const fs::path path = fs::absolute(file, error);
    return error ? file : path.lexically_normal().string();
}

BatchOutcome bad_input(const std::string& problem) {
    return {BatchStatus::BadInput, problem};
}

// Loads one base; the notes say why a base was refused.
BatchOutcome load_one(AppState& state, const std::string& file, BaseKind kind, bool tests,
                      const TextSink& output) {
    const AnswerTable none;
    AnsweringDialogs ui(none, output);
    ui.accept_offers = tests;
    ui.file_to_open = file;
    try {
        load_base(state, ui, kind);
    } catch (const ProgramClosed&) {
        return bad_input("The loading of " + file + " stopped.");
    }
    if (base_kind(kind).loaded_name(state.kb)) {
        return {};
    }
    std::string problem = "The base " + file + " was not loaded.";
    for (const auto& note : ui.notes()) {
        problem += "\n" + note;
    }
    return bad_input(problem);
}

} // namespace

BatchOutcome load_bases(AppState& state, const std::vector<std::string>& files, bool tests,
                        const TextSink& output) {
    if (files.empty() || kind_of(files.front()) != BaseKind::Rule) {
        return bad_input("The first base must be a Rule Base (RU...).");
    }
    std::vector<std::pair<std::string, BaseKind>> bases;
    for (const auto& file : files) {
        const auto kind = kind_of(file);
        if (!kind) {
            return bad_input("Not a base file name (RU, MO, CO, AD, GR or SO + name): " + file);
        }
        bases.emplace_back(absolute_name(file), *kind);
    }
    for (const auto& [file, kind] : bases) {
        if (BatchOutcome outcome = load_one(state, file, kind, tests, output);
            outcome.status != BatchStatus::Completed) {
            return outcome;
        }
    }
    return {};
}

BatchOutcome run_with_answers(AppState& state, const AnswerTable& answers,
                              const std::string& hypothesis, const TextSink& output) {
    AnsweringDialogs ui(answers, output);
    ui.hypothesis = hypothesis;
    // The answers used are noted like a user's, for what if?.
    AnswerRecorder recorder(ui, state.memory.last_run);
    try {
        if (hypothesis.empty()) {
            forward_chaining(state, recorder);
        } else {
            backward_chaining(state, recorder);
        }
    } catch (const ProgramClosed&) {
        const BatchStatus status =
            ui.stop_kind() == StopKind::NoHypothesis ? BatchStatus::BadInput : BatchStatus::Stopped;
        return {status, ui.stop_text()};
    }
    RunRecord& record = state.memory.last_run;
    if (record.direction == RunDirection::None) {
        std::string problem =
            "Chaining is barred for these bases: the messages of loading say why.";
        for (const auto& note : ui.notes()) {
            problem += "\n" + note;
        }
        return {BatchStatus::Stopped, problem};
    }
    if (!hypothesis.empty() && record.hypothesis.empty()) {
        return bad_input("'" + hypothesis +
                         "' is not a conclusion that backward chaining can verify.");
    }
    remember_run_end(state.memory);
    return {};
}

std::string conclusions_text(const AppState& state) {
    const RunRecord& record = state.memory.last_run;
    std::string text;
    if (record.direction == RunDirection::Backward) {
        const auto verified =
            std::find_if(record.derivations.begin(), record.derivations.end(),
                         [&](const Derivation& d) { return d.conclusion == record.hypothesis; });
        text += "Hypothesis '" + record.hypothesis + "': ";
        text += verified == record.derivations.end()
                    ? "not verified\n"
                    : std::string("verified by ") + (verified->by_model ? "model " : "rule ") +
                          std::to_string(verified->number) + "\n";
    }
    text += "Conclusions:\n";
    for (const auto& derivation : record.derivations) {
        text += "    " + derivation.conclusion + " (" + (derivation.by_model ? "model " : "rule ") +
                std::to_string(derivation.number) + ")\n";
    }
    if (record.derivations.empty()) {
        text += "    none\n";
    }
    return text;
}

} // namespace orve
