#include "chaining/backward_verify.hpp"

#include "chaining/backward_asking.hpp"
#include "chaining/backward_models.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/rule_explanation.hpp"
#include "state/condition_names.hpp"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace orve {

namespace {

// A name whose concluding rules are being tried: the rule being tried and the
// position of the condition being verified.
struct Frame {
    std::string name;
    const std::vector<std::size_t>* rules;
    std::size_t rule = 0;
    std::size_t condition = 0;
};

enum class Step { holds, fails, expand };

const std::vector<std::size_t>* rules_concluding(const AppState& state, BackwardRun& run,
                                                 const std::string& name) {
    if (run.rules_by_conclusion.empty()) {
        const auto& rules = state.kb.rule.rules;
        for (std::size_t i = 0; i < rules.size(); ++i) {
            run.rules_by_conclusion[rules[i].conclusion].push_back(i);
        }
    }
    const auto found = run.rules_by_conclusion.find(name);
    return found == run.rules_by_conclusion.end() ? nullptr : &found->second;
}

void remove_first_rule_record(BackwardRun& run) {
    if (!run.regula_stosowana.empty()) {
        run.regula_stosowana.pop_front();
    }
}

// The models that may establish a name once no rule did.
Task<bool> try_models(AppState& state, Dialogs& ui, BackwardRun& run, const std::string& name) {
    const bool computed = co_await backward_arithmetic_model(state, ui, run, name);
    if (computed) {
        co_return true;
    }
    co_return co_await backward_relational_model(state, ui, run, name);
}

// The alternatives that settle a name without trying rules: what is known, the
// question, and a name already on the path. `expand` means its rules are next.
Task<Step> settle(AppState& state, Dialogs& ui, BackwardRun& run, const std::string& name) {
    const WorkingMemory& memory = state.memory;
    if (memory.prawda.contains(end_name)) {
        co_return Step::fails;
    }
    if (memory.prawda.contains(name)) {
        co_return Step::holds;
    }
    if (memory.nieprawda.contains(name)) {
        remove_first_rule_record(run);
        co_return Step::fails;
    }
    if (is_askable_in_chaining(state, name)) {
        co_return pytaj_o_warunek_wstecz(state, ui, run, name) ? Step::holds : Step::fails;
    }
    if (run.verifying.count(name) != 0) {
        co_return Step::fails;
    }
    if (rules_concluding(state, run, name) == nullptr) {
        const bool established = co_await try_models(state, ui, run, name);
        co_return established ? Step::holds : Step::fails;
    }
    co_return Step::expand;
}

const Rule& current_rule(const AppState& state, const Frame& frame) {
    return state.kb.rule.rules[(*frame.rules)[frame.rule]];
}

// The rule whose conditions all hold establishes the frame's name.
void fire(AppState& state, Dialogs& ui, BackwardRun& run, const Frame& frame) {
    const Rule& rule = current_rule(state, frame);
    przedstawienie_faktow(state, ui);
    komunikat(state, ui, run, frame.name);
    wyjasnienie_rule(state, ui, rule.number, rule.conclusion, rule.conditions);
    state.memory.prawda.add(frame.name);
    run.numer_prawda.emplace_back(rule.number, frame.name);
    state.memory.last_run.rule_fired((*frame.rules)[frame.rule], rule.number, frame.name);
    // Its own record is the latest one of its number.
    auto& records = run.regula_stosowana;
    const auto found = std::find(records.rbegin(), records.rend(), rule.number);
    if (found != records.rend()) {
        records.erase(std::next(found).base());
    }
}

// Verifies a name depth first over the rules concluding it, one frame per
// name being verified; the frames also form the path of the cycle guard. The
// models tried after the rules verify their go-ahead conditions with a search
// of their own, awaited as a step.
class Search {
  public:
    Search(AppState& state, Dialogs& ui, BackwardRun& run) : state_(state), ui_(ui), run_(run) {}

    // Pops the frames entered by this search even when the program is closed
    // from a dialogue, so that the path does not outlive it.
    ~Search() {
        while (!frames_.empty()) {
            pop();
        }
    }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    Task<bool> verify(const std::string& name) {
        const Step first = co_await settle(state_, ui_, run_, name);
        if (first != Step::expand) {
            co_return first == Step::holds;
        }
        push(name);
        std::optional<bool> finished;
        while (true) {
            if (finished) {
                const bool holds = *finished;
                pop();
                if (frames_.empty()) {
                    co_return holds;
                }
                if (holds) {
                    finished = advance_condition();
                } else {
                    finished = co_await next_rule();
                }
                continue;
            }
            finished = co_await step();
        }
    }

  private:
    void push(const std::string& name) {
        frames_.push_back({name, rules_concluding(state_, run_, name)});
        run_.verifying.insert(name);
        run_.regula_stosowana.push_back(current_rule(state_, frames_.back()).number);
    }

    void pop() {
        run_.verifying.erase(frames_.back().name);
        frames_.pop_back();
    }

    // One condition of the top frame's rule: settled at once, or entered.
    // Returns the frame's outcome once it is decided.
    Task<std::optional<bool>> step() {
        const Frame& frame = frames_.back();
        const Rule& rule = current_rule(state_, frame);
        if (frame.condition == rule.conditions.size()) {
            fire(state_, ui_, run_, frame);
            co_return true;
        }
        const std::string condition = rule.conditions[frame.condition];
        const Step settled = co_await settle(state_, ui_, run_, condition);
        switch (settled) {
        case Step::holds:
            co_return advance_condition();
        case Step::fails:
            co_return co_await next_rule();
        case Step::expand:
            push(condition);
            co_return std::nullopt;
        }
        co_return std::nullopt;
    }

    std::optional<bool> advance_condition() {
        ++frames_.back().condition;
        return std::nullopt;
    }

    // The rule failed (its record stays); the next rule concluding the name is
    // tried, and after the last one the models.
    Task<std::optional<bool>> next_rule() {
        Frame& frame = frames_.back();
        ++frame.rule;
        frame.condition = 0;
        if (state_.memory.prawda.contains(end_name)) {
            co_return false;
        }
        if (frame.rule < frame.rules->size()) {
            run_.regula_stosowana.push_back(current_rule(state_, frame).number);
            co_return std::nullopt;
        }
        // The name stays on the frame stack (and so on the path) meanwhile.
        const std::string name = frame.name;
        co_return co_await try_models(state_, ui_, run_, name);
    }

    AppState& state_;
    Dialogs& ui_;
    BackwardRun& run_;
    std::vector<Frame> frames_;
};

// Presents the declared data. False when declared facts exclude each other.
bool present_declared_data(AppState& state, Dialogs& ui) {
    if (!present_declared_facts(state, ui) || !przedstawienie_m_faktow_pierwotnych(state, ui)) {
        return false;
    }
    przedstawienie_zmiennych_pierwotnych(state, ui);
    return true;
}

// Records the declared data, lists what is known and settles "end".
void record_declared_data_and_end(AppState& state, Dialogs& ui, BackwardRun& run) {
    for (const auto& fact : state.kb.rule.facts) {
        pamietaj(state, fact, true);
    }
    for (const auto& name : state.memory.prawda.items()) {
        ui.msg_append("prawda = " + name + "\n");
    }
    for (const auto& name : state.memory.nieprawda.items()) {
        ui.msg_append("nieprawda = " + name + "\n");
    }
    for (const auto& fact : state.kb.model.m_facts) {
        pamietaj(state, fact, true);
    }
    for (const auto& argument : state.kb.model.arguments_known) {
        state.memory.zmienna_ustalona.set(argument.name, argument.value);
    }
    for (const auto& rule : state.kb.rule.rules) {
        if (rule.conclusion == end_name && testuj_warunkiws(state, ui, run, rule.conditions) &&
            !state.memory.prawda.contains(end_name)) {
            pamietaj(state, end_name, true);
        }
    }
}

} // namespace

Task<bool> verify_name(AppState& state, Dialogs& ui, BackwardRun& run, const std::string& name) {
    Search search(state, ui, run);
    co_return co_await search.verify(name);
}

bool weryfikowanie_hipotezy_cd(AppState& state, Dialogs& ui, BackwardRun& run,
                               const std::string& name) {
    return run_to_end(verify_name(state, ui, run, name));
}

bool testuj_warunkiws(AppState& state, Dialogs& ui, BackwardRun& run, const Names& names) {
    return std::all_of(names.begin(), names.end(), [&](const std::string& name) {
        return weryfikowanie_hipotezy_cd(state, ui, run, name);
    });
}

void weryfikowanie_hipotezy(AppState& state, Dialogs& ui, BackwardRun& run,
                            const std::string& hypothesis) {
    if (!present_declared_data(state, ui)) {
        return;
    }
    if (!state.memory.prawda.contains(end_name)) {
        record_declared_data_and_end(state, ui, run);
    }
    if (state.memory.prawda.contains(end_name)) {
        run.hipoteza.reset();
        const std::string text = "Rule with 'end' conclusion ends the chaining process.";
        ui.msg_append(text);
        ui.note("Attention - end!", text);
        return;
    }
    weryfikowanie_hipotezy_cd(state, ui, run, hypothesis);
}

void komunikat(AppState& state, Dialogs& ui, const BackwardRun& run, const std::string& name) {
    ReportWriter out(state.report, ui);
    if (run.hipoteza && name == *run.hipoteza) {
        out.pisz("The main hypothesis " + name + " is verified.");
        out.piszcr();
        ui.note("Main hypothesis", "The main hypothesis \n    " + name + "\nis tested.");
        return;
    }
    out.pisz("The auxiliary hypothesis " + name + " is tested.");
    out.piszcr();
    ui.note("Auxiliary hypothesis", "The auxiliary hypothesis \n     " + name + "\nis verified.");
}

} // namespace orve
