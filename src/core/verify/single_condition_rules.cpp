// Rules with a single condition: recorded after a Rule Base is loaded and
// offered for listing, since such a rule often only renames its condition.
#include "verify/single_condition_rules.hpp"

#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

std::string offer_text(const std::string& name) {
    return "The Elementary Exact Rule Base \n   " + name + "\ncontains at least one rule with " +
           "a single condition." + "\n\nFor exact rule bases such a rule may often be a " +
           " \ntautology, that simply exchanges one name (for the " +
           "\nsingle condition) by another name (for the conclusion)," +
           "\nwhile contributing nothing of logical substance and " +
           "\nmaking the rule base less transparent and readable." +
           "\n\nDo you wish to see rules with single conditions?";
}

// Shows one recorded rule; false when the user wants to see no more.
bool show_rule(const std::string& name, const Rule& rule, Dialogs& ui) {
    const std::string number = std::to_string(rule.number);
    const std::string& condition = rule.conditions.front();
    ui.msg_append("Rule " + number + " with conclusion '" + rule.conclusion + "'\n" +
                  "and with single condition '" + condition + "'.\n");
    return ui.yes_no("Rule with single condition",
                     "The Elementary Exact Rule Base\n   " + name + "\ncontains rule " + number +
                         " with conclusion\n   " + rule.conclusion +
                         "\nand with single condition\n   " + condition + "." +
                         "\n\nDo you wish to see the next rule with single condition?");
}

void advise(Dialogs& ui) {
    ui.msg_append("If you wish to delete or correct a tautological rule,\n"
                  "enter 'Rule Base', choose option\n"
                  "'Rule Base Editing' and load the faulty rule base.\n"
                  "If not, proceed with loading the remaining bases.\n");
    ui.note("Advice", "If you wish to delete or correct a tautological rule, enter 'Exact Rule "
                      "Base', choose option,\n'Rule Base Editing' and load the faulty rule "
                      "base.\n If not, proceed with loading the remaining bases.");
}

} // namespace

void wykrywanie_warunkow_pojedynczych(AppState& state, Dialogs& ui) {
    auto& found = state.findings.pojedynczy_warunek;
    found.clear();
    const auto& rules = state.kb.rule.rules;
    // Sized exactly: in a large base most rules may have a single condition.
    found.reserve(static_cast<std::size_t>(std::count_if(
        rules.begin(), rules.end(), [](const Rule& rule) { return rule.conditions.size() == 1; })));
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].conditions.size() == 1) {
            found.push_back({rules[i].number, i});
        }
    }
    if (found.empty()) {
        return;
    }
    const std::string name = loaded_name(state.kb.rule.name);
    ui.msg_append("The Rule Base " + name + "\n" +
                  "contains at least one rule with a single condition.\n"
                  "For exact rule bases such a rule may often be a tautology\n"
                  "that simply exchanges one name (for the single condition)\n"
                  "by another name (for the conclusion), while contributing\n"
                  "nothing of logical substance and making the rule base less\n"
                  "transparent and readable.\n");
    if (!ui.yes_no("Choose:", offer_text(name))) {
        return;
    }
    ui.msg_append("The Rule Base " + name + " contains:\n\n");
    for (const auto& rule : found) {
        if (!show_rule(name, rules[rule.index], ui)) {
            return;
        }
    }
    advise(ui);
}

} // namespace orve
