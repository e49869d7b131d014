#include "askables/askable_lists.hpp"

#include "askables/list_helpers.hpp"
#include "askables/name_set.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

namespace orve {

namespace {

const std::string no_condition = "No condition";
const std::string end_conclusion = "end";

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

// The distinct texts of `names` in the order of their last occurrences, as
// `redukuj` orders them.
std::vector<std::string_view> last_occurrences(const std::vector<std::string_view>& names) {
    NameSet seen(names.size());
    std::vector<std::string_view> kept;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        if (seen.insert(*it)) {
            kept.push_back(*it);
        }
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// The number of conditions of all rules, repeats included.
std::size_t condition_count(const RuleBase& rules) {
    std::size_t count = 0;
    for (const auto& rule : rules.rules) {
        count += rule.conditions.size();
    }
    return count;
}

std::vector<std::string_view> distinct_conditions(const RuleBase& rules) {
    // Sized first: growing by doubling would hold up to three times the views
    // at once while the largest bases are loaded.
    std::vector<std::string_view> conditions;
    conditions.reserve(condition_count(rules));
    for (const auto& rule : rules.rules) {
        conditions.insert(conditions.end(), rule.conditions.begin(), rule.conditions.end());
    }
    return last_occurrences(conditions);
}

// The distinct conclusions but `end`, which is never recorded as one.
std::vector<std::string_view> distinct_conclusions(const RuleBase& rules) {
    std::vector<std::string_view> conclusions;
    conclusions.reserve(rules.rules.size());
    for (const auto& rule : rules.rules) {
        conclusions.push_back(rule.conclusion);
    }
    auto distinct = last_occurrences(conclusions);
    const auto end = std::find(distinct.begin(), distinct.end(), std::string_view(end_conclusion));
    if (end != distinct.end()) {
        distinct.erase(end);
    }
    return distinct;
}

} // namespace

namespace {

// `wyznacz_warunki_dopytywalne` on views of the rules' names: records the
// condition and conclusion lists, reusing their storage, and returns the
// askable conditions unsorted without copying them.
std::vector<std::string_view> askable_views(const RuleBase& rules, AskableLists& lists) {
    const auto conditions = distinct_conditions(rules);
    const auto conclusions = distinct_conclusions(rules);
    std::vector<std::string_view> askable;
    {
        NameSet concluded(conclusions.size());
        for (const std::string_view conclusion : conclusions) {
            concluded.insert(conclusion);
        }
        for (const std::string_view condition : conditions) {
            if (condition != no_condition && !concluded.contains(condition)) {
                askable.push_back(condition);
            }
        }
    }
    lists.lista_warunkow.assign(conditions.begin(), conditions.end());
    lists.lista_wnioskow_regul.assign(conclusions.begin(), conclusions.end());
    return askable;
}

// The declared facts that are no askable condition, in their order. Only
// membership matters here, so the sets are built straight from the rules
// without ordering or copying the condition and conclusion lists.
Names facts_not_askable(const RuleBase& rules) {
    NameSet conditions(condition_count(rules));
    NameSet concluded(rules.rules.size());
    for (const auto& rule : rules.rules) {
        for (const auto& condition : rule.conditions) {
            conditions.insert(condition);
        }
        if (rule.conclusion != end_conclusion) {
            concluded.insert(rule.conclusion);
        }
    }
    Names bad;
    for (const auto& fact : rules.facts) {
        if (fact == no_condition || !conditions.contains(fact) || concluded.contains(fact)) {
            bad.push_back(fact);
        }
    }
    return bad;
}

} // namespace

Names wyznacz_warunki_dopytywalne(const RuleBase& rules, AskableLists& lists) {
    const auto askable = askable_views(rules, lists);
    return Names(askable.begin(), askable.end());
}

void determine_askable_conditions(const RuleBase& rules, AskableLists& lists) {
    // Sorted as views, as `sortuj` sorts: the texts are copied once, in order.
    auto askable = askable_views(rules, lists);
    sort_views(askable);
    lists.lista_warunkow_dopytywalnych.assign(askable.begin(), askable.end());
    lists.dopytywalny = {lists.lista_warunkow_dopytywalnych.begin(),
                         lists.lista_warunkow_dopytywalnych.end()};
}

void record_askable_conditions(const RuleBase& rules, const std::string& base_name,
                               AskableLists& lists, Dialogs& ui) {
    determine_askable_conditions(rules, lists);
    std::string text = "\n\nAskable conditions for rule base " + base_name +
                       " with no taking into account the model base:\n";
    for (const auto& condition : lists.lista_warunkow_dopytywalnych) {
        text.append(condition).push_back('\n');
    }
    text += "\n\n";
    ui.msg_append(text);
}

bool testowanie_dopytywalnosci_faktow(RuleBase& rules, AskableLists& lists, Dialogs& ui) {
    const Names bad = facts_not_askable(rules);
    if (bad.empty()) {
        return true;
    }
    write_faulty_facts(bad, ui);
    // The Rule Base counts as not loaded from here on; its askability table
    // goes with it.
    rules.facts.clear();
    rules.rules.clear();
    rules.name.reset();
    lists.dopytywalny.clear();
    return false;
}

const Names& ogolna_lista_dopytywalnych(const AskableLists& lists) {
    if (lists.lista_warunkow_i_argumentow_dopytywalnych) {
        return *lists.lista_warunkow_i_argumentow_dopytywalnych;
    }
    return lists.lista_warunkow_dopytywalnych;
}

} // namespace orve
