#include "chaining/asking.hpp"

#include "askables/list_helpers.hpp"
#include "chaining/condition_tests.hpp"
#include "report/number_format.hpp"

#include <algorithm>

namespace orve {

namespace {

// The line a "Pick a fact" answer selects; a position outside the list (which
// a front end should never return) selects the nearest line.
const std::string& picked_line(const Names& lines, int position) {
    const auto last = static_cast<int>(lines.size());
    return lines[static_cast<std::size_t>(std::clamp(position, 1, last) - 1)];
}

// The choice among the conditions of the constraint that contains the asked
// condition: the chosen one becomes true, the others false.
bool choose_in_constraint(AppState& state, Dialogs& ui, const Constraint& constraint,
                          const std::string& condition) {
    const std::string title = "Pick the true condition!";
    const std::string prompt =
        " Only one condition in constraint " + format_int(constraint.number) + " may be true!";
    ReportWriter out(state.report, ui);
    out.pisz("Only one condition in constraint ");
    out.plain("\n");
    out.pisz_liste_dla_raportu_s(constraint.conditions);
    out.pisz(" may be true!");
    out.plain("\n");
    out.pisz(title);
    out.piszcr();
    const std::string chosen =
        picked_line(constraint.conditions, ui.pick_fact({title, prompt, constraint.conditions}));
    // The choice itself settles the group, so no constraint is applied here.
    state.memory.prawda.add(chosen);
    out.pisz(chosen);
    out.plain("\n");
    pamietaj_warunki_nie_bedace_faktami(state.memory, constraint.conditions);
    return chosen == condition;
}

bool ask_yes_no(AppState& state, Dialogs& ui, const std::string& condition) {
    const std::string question = condition + "?";
    ReportWriter out(state.report, ui);
    // The window shows the question in a field of 55 characters so that the
    // answers line up; the report keeps the bare question.
    std::string field = question;
    if (field.size() < 55) {
        field.append(55 - field.size(), ' ');
    }
    out.plain(field);
    out.lista_dla_raportu({question});
    const bool yes = ui.yes_no("The condition is true?", question);
    out.pisz(yes ? "  YES" : "  NO");
    out.piszcr();
    pamietaj(state, condition, yes);
    return yes;
}

struct ExclusionTexts {
    std::string first_line;
    std::string declared_as;
    std::string option_line;
    std::string note_option;
    std::string note_title;
};

const ExclusionTexts rule_base_texts{
    "Two mutually exclusive conditions:", " haved been declared in the rule base as facts.",
    "      'Exact Rule Base/Rule Base Editing' ", "\n     'Exact Rule Base/Rule Base Editing'",
    "Rule base error! "};

const ExclusionTexts model_base_texts{"Model base error! Two mutually exclusive conditions:",
                                      " haved been declared in the model base as m_facts.",
                                      "      'Exact Model Base/Model Base Editing' ",
                                      "\n     'Model Base/Model Base Editing'",
                                      "Model base error! "};

void report_exclusion(AppState& state, Dialogs& ui, const ExclusionTexts& texts,
                      const std::string& first, const std::string& second, int number) {
    state.findings.blad_wykluczajacych = true;
    const std::string constraint_line = "from constraint " + format_int(number);
    ReportWriter out(state.report, ui);
    for (const auto& line : {texts.first_line, "     " + first, "     " + second}) {
        out.pisz(line);
        out.piszcr();
    }
    out.pisz(constraint_line + texts.declared_as);
    out.piszcr();
    out.piszcr();
    out.pisz("Chaining is not possible! To correct the rule base, enter the option:");
    out.piszcr();
    out.pisz(texts.option_line);
    out.piszcr();
    out.pisz("and remove the superflous fact.");
    out.piszcr();
    ui.note(texts.note_title,
            "Two mutually exclusive conditions:\n    " + first + "\n    " + second + "\n" +
                constraint_line + texts.declared_as +
                "Chaining is not possible! To correct the rule base, enter the option:" +
                texts.note_option + "and remove the superflous fact.");
}

// Reports the first other condition of a constraint containing `fact` that is
// declared too; only one violation is reported.
void test_exclusion(AppState& state, Dialogs& ui, const std::string& fact, const Names& declared,
                    const ExclusionTexts& texts) {
    for (const auto& constraint : state.kb.constraint.constraints) {
        if (!contains(constraint.conditions, fact)) {
            continue;
        }
        for (const auto& other : constraint.conditions) {
            if (other != fact && contains(declared, other)) {
                report_exclusion(state, ui, texts, fact, other, constraint.number);
                return;
            }
        }
    }
}

} // namespace

const Constraint* first_constraint_with(const ConstraintBase& base, const std::string& condition) {
    const auto found = std::find_if(
        base.constraints.begin(), base.constraints.end(),
        [&](const Constraint& constraint) { return contains(constraint.conditions, condition); });
    return found == base.constraints.end() ? nullptr : &*found;
}

bool pytaj_o_warunek(AppState& state, Dialogs& ui, const std::string& condition) {
    const WorkingMemory& memory = state.memory;
    const bool known = memory.prawda.contains(condition) || memory.nieprawda.contains(condition);
    if (known) {
        return memory.prawda.contains(condition);
    }
    if (const Constraint* constraint = first_constraint_with(state.kb.constraint, condition)) {
        return choose_in_constraint(state, ui, *constraint, condition);
    }
    return ask_yes_no(state, ui, condition);
}

void uwzglednij_ograniczenie(AppState& state, const std::string& condition) {
    if (const Constraint* constraint = first_constraint_with(state.kb.constraint, condition)) {
        pamietaj_warunki_nie_bedace_faktami(state.memory, constraint->conditions);
    }
}

void pamietaj_warunki_nie_bedace_faktami(WorkingMemory& memory, const Names& conditions) {
    for (const auto& condition : conditions) {
        if (!memory.prawda.contains(condition)) {
            zapisz_nieprawda_jezeli_brak(memory, condition);
        }
    }
}

void zapisz_nieprawda_jezeli_brak(WorkingMemory& memory, const std::string& condition) {
    memory.nieprawda.add(condition);
}

void testuj_wykluczajace(AppState& state, Dialogs& ui, const std::string& fact) {
    test_exclusion(state, ui, fact, state.kb.rule.facts, rule_base_texts);
}

void testuj_m_wykluczajace(AppState& state, Dialogs& ui, const std::string& m_fact) {
    test_exclusion(state, ui, m_fact, state.kb.model.m_facts, model_base_texts);
}

} // namespace orve
