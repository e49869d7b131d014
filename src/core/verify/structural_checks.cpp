// Base correspondence and the constraint checks run when a base is loaded.
#include "verify/structural_checks.hpp"

#include "askables/askable_lists.hpp"
#include "askables/list_helpers.hpp"
#include "verify/verify_text.hpp"

#include <string_view>
#include <unordered_set>

namespace orve {

namespace {

// Letters, digits and the underscore continue a name. Bytes above 127 count
// as letters: they are the national letters of the single-byte code page.
bool continues_name(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || byte == '_' || byte >= 0x80;
}

std::string without_folder(const std::string& file_name) {
    const auto slash = file_name.find_last_of("/\\");
    return slash == std::string::npos ? file_name : file_name.substr(slash + 1);
}

// Removes the constraints and the name record: no Constraint Base stays loaded.
void discard_constraint_base(AppState& state) {
    state.kb.constraint.constraints.clear();
    state.kb.constraint.name.reset();
}

void report_too_short(const std::string& base, const Constraint& constraint, Dialogs& ui) {
    const std::string number = std::to_string(constraint.number);
    const std::string list = bracket_list(constraint.conditions);
    ui.msg_append("The Constraint Base " + base + "\n" + "contains the constraint " + number +
                  " with a list:\n" + "    " + list + "\n" +
                  "with less than 2 askable conditions.\n"
                  "This contradicts the essence of constraint bases.\n"
                  "Enter 'Constraint Base'\n"
                  "choose the option 'Constraint Base Editing',\n"
                  "load the faulty base and either remove the faulty constraint\n"
                  "or add other askable conditions, mutually exclusive with the \n"
                  "condition in question.\n");
    ui.note("Attention error!",
            "Elementary Exact Constraint Base\n   " + base + "\ncontains the constraint " + number +
                "\nwith less than 2 askable conditions:\n\n" + list +
                "\n\nEnter 'Exact Constraint Base', choose the option 'Constraint Base "
                "Editing',\nload the faulty base and either remove the faulty constraint or "
                "\nor add other askable conditions, mutually exclusive with the \ncondition in "
                "question.");
}

void report_not_askable(const std::string& base, const Constraint& constraint,
                        const std::string& condition, Dialogs& ui) {
    const std::string number = std::to_string(constraint.number);
    ui.msg_append("\nA Constraint Base may contain only lists of askable \n"
                  "mutually exclusive conditions.\n\n"
                  "Condition '" +
                  condition + "' in constraint " + number + "\n" + "of the Constraint Base " +
                  base + "\n" +
                  "is not an askable condition.\n\n"
                  "You may:\n"
                  "1. Enter 'Constraint Base', \n"
                  "   choose the option 'Constraint Base Editing',\n"
                  "   load the faulty constraint base and remove the non-askable condition,\n"
                  "        or: \n"
                  "2. Enter 'Rule Base Activities'\n"
                  "   choose the option 'Rule Base Editing'\n"
                  "   load the rule base and introduce there the non-askable condition as \n"
                  "   askable condition.\n");
    ui.note("Attention error!",
            "An Exact Constraint Base may contain only \nlists of askable mutually exclusive "
            "conditions.\n\nCondition \n        " +
                condition + "\nin constraint " + number +
                " of the Elementary Exact Constraint Base\n   " + base +
                "\nis not an askable condition.\n\nYou may:\n1. Enter 'Exact Constraint Base', "
                "choose the option 'Constraint Base Editing',\nload the faulty Constraint Base "
                "and remove the non-askable condition," +
                "\nor\n2. Enter 'Exact Rule Base', choose the option 'Rule Base Editing'\nload "
                "the Rule Base and introduce there the non-askable condition as askable "
                "condition.");
}

} // namespace

std::string knowledge_base_name_of(const std::string& file_name) {
    const std::string name = without_folder(file_name);
    if (name.size() <= 2) {
        return {};
    }
    std::size_t end = 2;
    while (end < name.size() && continues_name(name[end])) {
        ++end;
    }
    return name.substr(2, end - 2);
}

bool korespondencja(AppState& state, Dialogs& ui, const std::string& file_name) {
    // A forgotten knowledge-base name (after media browsing) matches no base.
    if (!state.wyroznik.empty() && knowledge_base_name_of(file_name) == state.wyroznik) {
        return true;
    }
    const std::string chosen = without_folder(file_name);
    const std::string rule_base = loaded_name(state.kb.rule.name);
    ui.msg_append(" The chosen base \n\n"
                  "      " +
                  chosen + "\n\n" +
                  " is not compatible with the already loaded elementary exact rule base\n   "
                  "\n\n" +
                  "      " + rule_base + "\n\n" + " and therefore can not be loaded.\n\n");
    ui.note("Attention error!", "The chosen base\n   " + chosen +
                                    "\nis not compatible with the already loaded \nelementary "
                                    "exact rule base\n    " +
                                    rule_base + "\nand therefore can not be loaded.");
    return false;
}

bool wykrywanie_ograniczen_pojedynczych(AppState& state, Dialogs& ui) {
    // `testuj_dlugosc`: the first constraint with fewer than two conditions.
    for (const auto& constraint : state.kb.constraint.constraints) {
        if (constraint.conditions.size() < 2) {
            report_too_short(loaded_name(state.kb.constraint.name), constraint, ui);
            discard_constraint_base(state);
            return false;
        }
    }
    return true;
}

bool kontrola_dopytywalnosci_ograniczen(AppState& state, Dialogs& ui) {
    const Names& admissible_list = ogolna_lista_dopytywalnych(state.askables);
    const std::unordered_set<std::string_view> admissible(admissible_list.begin(),
                                                          admissible_list.end());
    // `jest_warunek_dopytywalny`: the first condition that may not be asked.
    for (const auto& constraint : state.kb.constraint.constraints) {
        for (const auto& condition : constraint.conditions) {
            if (admissible.count(condition) == 0) {
                report_not_askable(loaded_name(state.kb.constraint.name), constraint, condition,
                                   ui);
                discard_constraint_base(state);
                return false;
            }
        }
    }
    return true;
}

} // namespace orve
