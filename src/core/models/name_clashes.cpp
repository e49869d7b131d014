#include "models/name_clashes.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_base_discard.hpp"

#include <algorithm>

namespace orve {

namespace {

constexpr int forward_chaining_command = 10154;
constexpr int backward_chaining_command = 10155;

// The elements of `a` that occur in `b`, in the order of `a`.
Names intersection(const Names& a, const Names& b) {
    Names common;
    for (const auto& name : a) {
        if (std::find(b.begin(), b.end(), name) != b.end()) {
            common.push_back(name);
        }
    }
    return common;
}

Names joined(std::initializer_list<Names> lists) {
    Names all;
    for (const auto& list : lists) {
        all.insert(all.end(), list.begin(), list.end());
    }
    return redukuj(all);
}

void unload_both(AppState& state, Dialogs& ui) {
    discard_model_base(state.kb.model);
    state.kb.rule.facts.clear();
    state.kb.rule.rules.clear();
    state.kb.rule.name.reset();
    state.askables = AskableLists{};
    set_command(state, ui, forward_chaining_command, false);
    set_command(state, ui, backward_chaining_command, false);
}

const std::string proceed_lines = " 'Exact Rule Base' or 'Exact Model Base'\n"
                                  " enter the options 'Rule Base Editing' or 'Model Base Editing'\n"
                                  " load the faulty bases and remove the faults\n";
const std::string proceed_note = "\nenter the options 'Rule Base Editing' or 'Model Base Editing' "
                                 "\nload the faulty bases and remove the faults.";

void report_same_conclusions(const std::string& rb, const std::string& mb, const Names& common,
                             Dialogs& ui) {
    const std::string list = bracket_list(common);
    ui.msg_append("Faulty rule base     " + rb + "\nFaulty model base " + mb +
                  "\nRules and relational models have identically named conclusions:\n" + list +
                  "\n Proceed to the options:\n" + proceed_lines);
    ui.note("Error: same conclusions in rule- and model base",
            "Faulty rule base\n   " + rb + "\nand model base\n   " + mb + "'." +
                "\nRules and relational models have identically named conclusions.\nThey are in "
                "the list:\n   " +
                list +
                "\nChaining has been suppresssed. \n Proceed to the options: 'Exact Rule Base' "
                "or 'Exact Model Base'," +
                proceed_note);
}

void report_same_names(const std::string& rb, const std::string& mb, const Names& common,
                       Dialogs& ui) {
    const std::string list = bracket_list(common);
    ui.msg_append("Faulty rule base     " + rb + "\nand/or model base " + mb +
                  "\nRules and relational models have conditions/conclusions\n"
                  "named like arguments/results.\nThey are the following:\n" +
                  list + "\n Proceed to the 'Main Menu' options:\n" + proceed_lines);
    ui.note("Error: same name for different string variables",
            "Faulty rule base\n   " + rb + "\nand/or model base\n   " + mb + "'." +
                "\nRules and/or models have conditions/conclusions" +
                "\nnamed like arguments/results. They are in the list:\n   " + list +
                "\nChaining has been suppresssed. \nProceed to the options 'Exact Rule Base' or "
                "'Exact Model Base'," +
                proceed_note);
}

} // namespace

bool wnioski_modeli_a_wnioski_regul(AppState& state, Dialogs& ui) {
    const KnowledgeBaseSet& kb = state.kb;
    if (!kb.rule.name || !kb.model.name) {
        return true;
    }
    const std::string rb = kb.rule.name->name;
    const std::string mb = kb.model.name->name;
    AskableLists& lists = state.askables;
    Names conclusions;
    Names conditions;
    for (const auto& rule : kb.rule.rules) {
        conclusions.push_back(rule.conclusion);
        conditions.insert(conditions.end(), rule.conditions.begin(), rule.conditions.end());
    }
    conclusions = redukuj(conclusions);
    const Names model_conclusions = lists.lista_wnioskow_modeli.value_or(Names{});
    const Names same = intersection(conclusions, model_conclusions);
    if (!same.empty()) {
        report_same_conclusions(rb, mb, same, ui);
        unload_both(state, ui);
        return false;
    }
    lists.lista_wszystkich_zmiennych_logicznych =
        joined({conclusions, model_conclusions, conditions,
                lists.lista_warunkow_stosowania.value_or(Names{})});
    const Names numeric = joined({lists.lista_argumentow_modeli.value_or(Names{}),
                                  lists.lista_wynikow_modeli.value_or(Names{})});
    const Names clash = intersection(*lists.lista_wszystkich_zmiennych_logicznych, numeric);
    if (!clash.empty()) {
        report_same_names(rb, mb, clash, ui);
        unload_both(state, ui);
        return false;
    }
    return true;
}

} // namespace orve
