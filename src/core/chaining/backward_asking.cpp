#include "chaining/backward_asking.hpp"

#include "chaining/asking.hpp"
#include "chaining/backward_models.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/rule_explanation.hpp"
#include "report/number_format.hpp"

#include <algorithm>

namespace orve {

namespace {

constexpr int yes_answer = 1;
constexpr int no_answer = 2;
constexpr int why_answer = 3;

// The choice among the conditions of the constraint that contains the asked
// condition: the chosen one becomes true, the others false.
bool choose_in_constraint(AppState& state, Dialogs& ui, const Constraint& constraint,
                          const std::string& condition) {
    ReportWriter out(state.report, ui);
    out.pisz("Only one condition in constraint for the list ");
    out.plain("\n");
    for (const auto& name : constraint.conditions) {
        out.plain("   ");
        out.pisz(name);
        out.plain("\n");
    }
    out.pisz("  may be true!");
    out.piszcr();
    const Names& lines = constraint.conditions;
    const int picked = ui.pick_fact(
        {"Pick the true condition!",
         " Only one condition in constraint " + format_int(constraint.number) + " may be true!",
         lines});
    const auto last = static_cast<int>(lines.size());
    const std::string chosen = lines[static_cast<std::size_t>(std::clamp(picked, 1, last) - 1)];
    // The choice settles the whole group, so no constraint is applied here.
    state.memory.prawda.add(chosen);
    out.pisz(chosen);
    out.plain("\n");
    pamietaj_warunki_nie_bedace_faktami(state.memory, constraint.conditions);
    return chosen == condition;
}

const Rule* rule_numbered(const RuleBase& base, int number) {
    const auto found = std::find_if(base.rules.begin(), base.rules.end(),
                                    [&](const Rule& rule) { return rule.number == number; });
    return found == base.rules.end() ? nullptr : &*found;
}

// The established facts at the high level of detail, whatever level the run
// uses.
void present_facts_in_detail(AppState& state, Dialogs& ui) {
    const DetailLevel previous = state.report.detail;
    state.report.detail = DetailLevel::High;
    przedstawienie_faktow(state, ui);
    state.report.detail = previous;
}

// WHY? while a rule is being verified: the first rule entered, the facts and
// the chain of rules.
void explain_by_rules(AppState& state, Dialogs& ui, const BackwardRun& run) {
    ReportWriter out(state.report, ui);
    out.pisz("    WHY?");
    if (const Rule* rule = rule_numbered(state.kb.rule, run.regula_stosowana.front())) {
        wyjasnienie_rule(state, ui, rule->number, rule->conclusion, rule->conditions);
    }
    present_facts_in_detail(state, ui);
    out.piszcr();
    przebieg_wnioskowania_reguly(state, ui,
                                 {run.regula_stosowana.begin(), run.regula_stosowana.end()});
}

// After a WHY? explanation the question is put again with Yes and No only.
int ask_again(AppState& state, Dialogs& ui, const std::string& condition) {
    ReportWriter(state.report, ui).pisz("    " + condition + "?");
    return ui.yes_no("Choose:", condition + "?") ? yes_answer : no_answer;
}

int ask_with_why(AppState& state, Dialogs& ui, const std::string& condition) {
    ReportWriter(state.report, ui).pisz(condition + "?");
    const int answer = ui.ask("Is the condition true?", condition + "?", {"&Yes", "&No", "&Why?"});
    return std::clamp(answer, yes_answer, why_answer);
}

// `wyjasnij`: handles the answer to the question about the condition.
bool wyjasnij(AppState& state, Dialogs& ui, BackwardRun& run, const std::string& condition,
              int answer) {
    while (answer == why_answer) {
        if (!run.regula_stosowana.empty()) {
            explain_by_rules(state, ui, run);
            answer = ask_again(state, ui, condition);
        } else if (explain_model_for_why(state, ui, run, condition)) {
            answer = ask_again(state, ui, condition);
        } else {
            // Nothing explains the question (a condition of an 'end' rule):
            // it is simply put again.
            ReportWriter out(state.report, ui);
            out.pisz("    WHY?");
            out.piszcr();
            answer = ask_with_why(state, ui, condition);
        }
    }
    ReportWriter out(state.report, ui);
    out.pisz(std::string(17, ' ') + (answer == yes_answer ? "    YES" : "    NO"));
    out.piszcr();
    out.piszcr();
    pamietaj(state, condition, answer == yes_answer);
    if (answer == yes_answer) {
        return true;
    }
    if (!run.regula_stosowana.empty()) {
        run.regula_stosowana.pop_front();
    }
    return false;
}

std::string rule_conclusion(const RuleBase& base, int number) {
    const Rule* rule = rule_numbered(base, number);
    return rule ? rule->conclusion : std::string{};
}

// The result of the basic or else extended model with this number.
std::string model_conclusion(const ModelBase& base, int number) {
    for (const auto& model : base.basic) {
        if (model.number == number) {
            return model.result;
        }
    }
    for (const auto& model : base.extended) {
        if (model.number == number) {
            return model.result;
        }
    }
    return {};
}

void show_chain(AppState& state, Dialogs& ui, const std::vector<int>& numbers,
                const std::string& written, const std::string& collected,
                const std::string& heading, bool models) {
    ReportWriter out(state.report, ui);
    std::vector<std::string> lines;
    for (const int number : numbers) {
        const std::string conclusion = models ? model_conclusion(state.kb.model, number)
                                              : rule_conclusion(state.kb.rule, number);
        const std::string tail = format_int(number) + " may be deduced: " + conclusion + ".";
        out.pisz(written + tail);
        out.piszcr();
        lines.push_back(collected + tail + " ");
    }
    out.piszcr();
    ui.message_list(heading, lines);
}

} // namespace

bool pytaj_o_warunek_wstecz(AppState& state, Dialogs& ui, BackwardRun& run,
                            const std::string& condition) {
    if (const Constraint* constraint = first_constraint_with(state.kb.constraint, condition)) {
        return choose_in_constraint(state, ui, *constraint, condition);
    }
    return wyjasnij(state, ui, run, condition, ask_with_why(state, ui, condition));
}

void przebieg_wnioskowania_reguly(AppState& state, Dialogs& ui, const std::vector<int>& rules) {
    show_chain(state, ui, rules, "From rule ", "From rule ",
               "From rule/rules may be deduced:", false);
}

void przebieg_wnioskowania_modele(AppState& state, Dialogs& ui, const std::vector<int>& models) {
    show_chain(state, ui, models, "From model  ", "From model ",
               "From model/models may be deduced:", true);
}

} // namespace orve
