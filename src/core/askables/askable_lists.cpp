#include "askables/askable_lists.hpp"

#include "askables/list_helpers.hpp"
#include "askables/rule_names.hpp"

#include <string_view>
#include <utility>
#include <vector>

namespace orve {

namespace {

void write_faulty_facts(const Names& bad, Dialogs& ui) {
    std::string text = "Faulty facts in rule base.\n"
                       "Following declared facts are not askable conditions: \n";
    for (const auto& fact : bad) {
        text += "   " + fact + "\n";
    }
    text += " Proceed to the 'Main Menu' options:\n\n"
            " 'Rule Base Activities', enter the option 'Rule Base Editing'\n"
            " load the faulty base and remove facts that are not askable conditions.";
    ui.msg_append(text);
    ui.note("Faulty facts in rule base",
            "Faulty facts in rule base.\nFollowing declared facts are not askable conditions\n   " +
                bracket_list(bad) +
                "\nProceed to the  option  'Exact Rule Base', enter  'Rule Base Editing',"
                "\nload the faulty base and remove facts that are not askable conditions. ");
}

// Records the sorted askable list and the askability table from `askable`,
// the askable conditions, and empties the condition and conclusion lists.
// Each temporary goes before the next large list is filled, to keep the peak
// of a large base's loading low; the texts are copied once, in order.
void record_lists(std::vector<std::string_view> askable, AskableLists& lists) {
    lists.lista_warunkow = Names{};
    lists.lista_wnioskow_regul = Names{};
    sort_views(askable);
    lists.lista_warunkow_dopytywalnych.assign(askable.begin(), askable.end());
    askable = std::vector<std::string_view>(); // released, not only emptied
    // Sorted views of distinct names: strictly ascending.
    lists.dopytywalny.assign_ascending(lists.lista_warunkow_dopytywalnych.begin(),
                                       lists.lista_warunkow_dopytywalnych.end());
}

} // namespace

Names wyznacz_warunki_dopytywalne(const RuleBase& rules, AskableLists& lists) {
    const RuleNames names(rules);
    lists.lista_warunkow = names.conditions();
    lists.lista_wnioskow_regul = names.conclusions();
    const auto askable = names.askable();
    return Names(askable.begin(), askable.end());
}

void determine_askable_conditions(const RuleBase& rules, AskableLists& lists) {
    record_lists(RuleNames(rules).askable(), lists);
}

Names record_askable_conditions(const RuleBase& rules, const std::string& base_name,
                                AskableLists& lists, Dialogs& ui) {
    Names faulty;
    std::vector<std::string_view> askable;
    {
        const RuleNames names(rules);
        faulty = names.not_askable(rules.facts);
        askable = names.askable();
    }
    record_lists(std::move(askable), lists);
    std::string text = "\n\nAskable conditions for rule base " + base_name +
                       " with no taking into account the model base:\n";
    std::size_t size = text.size() + 2;
    for (const auto& condition : lists.lista_warunkow_dopytywalnych) {
        size += condition.size() + 1;
    }
    text.reserve(size);
    for (const auto& condition : lists.lista_warunkow_dopytywalnych) {
        text.append(condition).push_back('\n');
    }
    text += "\n\n";
    ui.msg_append(text);
    return faulty;
}

bool reject_faulty_facts(const Names& faulty, RuleBase& rules, AskableLists& lists, Dialogs& ui) {
    if (faulty.empty()) {
        return true;
    }
    write_faulty_facts(faulty, ui);
    // The Rule Base counts as not loaded from here on; its askability table
    // goes with it.
    rules.facts.clear();
    rules.rules.clear();
    rules.name.reset();
    lists.dopytywalny.clear();
    return false;
}

bool testowanie_dopytywalnosci_faktow(RuleBase& rules, AskableLists& lists, Dialogs& ui) {
    const Names faulty = RuleNames(rules).not_askable(rules.facts);
    return reject_faulty_facts(faulty, rules, lists, ui);
}

const Names& ogolna_lista_dopytywalnych(const AskableLists& lists) {
    if (lists.lista_warunkow_i_argumentow_dopytywalnych) {
        return *lists.lista_warunkow_i_argumentow_dopytywalnych;
    }
    return lists.lista_warunkow_dopytywalnych;
}

} // namespace orve
