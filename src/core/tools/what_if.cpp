#include "tools/what_if.hpp"

#include "chaining/forward_chaining.hpp"
#include "tools/answering_dialogs.hpp"
#include "tools/rule_index.hpp"

#include <unordered_set>

namespace orve {

namespace {

// The answers of the last run with the one change.
AnswerTable changed_answers(const AppState& state, const std::string& name,
                            const std::string& value) {
    AnswerTable table;
    for (const auto& given : state.memory.last_run.answers()) {
        table.set(given.name, given.value);
    }
    table.set(name, value);
    if (yes_no_answer(value) == true) {
        const RuleIndex index(state);
        if (const Constraint* constraint = index.first_constraint_with(name)) {
            for (const auto& other : constraint->conditions) {
                const std::string* answer = table.find(other);
                if (other != name && answer != nullptr && yes_no_answer(*answer) == true) {
                    table.set(other, "no");
                }
            }
        }
    }
    return table;
}

Names conclusions(const RunRecord& record) {
    Names names;
    for (const auto& derivation : record.derivations) {
        names.push_back(derivation.conclusion);
    }
    return names;
}

// The names of `names` that `other` lacks, in order.
Names missing_from(const Names& names, const Names& other) {
    const std::unordered_set<std::string> present(other.begin(), other.end());
    Names missing;
    for (const auto& name : names) {
        if (present.count(name) == 0) {
            missing.push_back(name);
        }
    }
    return missing;
}

// Gives the working memory and the report back when the replay ends.
class KeptState {
  public:
    explicit KeptState(AppState& state)
        : state_(state), memory_(state.memory), report_(state.report) {}
    ~KeptState() {
        state_.memory = std::move(memory_);
        state_.report = std::move(report_);
    }
    KeptState(const KeptState&) = delete;
    KeptState& operator=(const KeptState&) = delete;

  private:
    AppState& state_;
    WorkingMemory memory_;
    ReportBuffer report_;
};

} // namespace

WhatIf what_if(AppState& state, const std::string& name, const std::string& value) {
    WhatIf result;
    if (state.memory.last_run.direction != RunDirection::Forward) {
        result.problem = "What if? replays a forward chaining run: run one first.";
        return result;
    }
    const Names before = conclusions(state.memory.last_run);
    const AnswerTable answers = changed_answers(state, name, value);
    const KeptState kept(state);
    AnsweringDialogs ui(answers);
    try {
        forward_chaining(state, ui);
    } catch (const ProgramClosed&) {
        result.problem = ui.stop_text();
        return result;
    }
    if (state.memory.last_run.direction != RunDirection::Forward) {
        result.problem = "The bases cannot be consulted any more.";
        return result;
    }
    const Names after = conclusions(state.memory.last_run);
    result.completed = true;
    result.gained = missing_from(after, before);
    result.lost = missing_from(before, after);
    return result;
}

std::string what_if_text(const std::string& name, const std::string& value, const WhatIf& result) {
    std::string text = "What if " + name + " = " + value + "?\n";
    if (!result.completed) {
        return text + result.problem + "\n";
    }
    const auto list = [&](const char* heading, const Names& names) {
        text += heading;
        for (const auto& conclusion : names) {
            text += "\n    " + conclusion;
        }
        text += names.empty() ? " none\n" : "\n";
    };
    list("Conclusions gained:", result.gained);
    list("Conclusions lost:", result.lost);
    return text;
}

} // namespace orve
