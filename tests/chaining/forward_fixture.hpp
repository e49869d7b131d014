// A forward chaining run on small bases built in a temporary folder, with the
// expected texts that every run shares.
#pragma once

#include "askables/askable_lists.hpp"
#include "chaining/forward_chaining.hpp"
#include "state/app_state.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orve::test {

inline Rule rule(int number, std::string conclusion, Names conditions) {
    return {number, std::move(conclusion), std::move(conditions), 0};
}

// Answers of the dialogues that open and close a run.
inline const std::string low = "1";
inline const std::string high = "2";
inline const std::string menu = "1";
inline const std::string query = "2";
inline const std::string decline = "2"; // "&NO" of the labels, summary and report questions

class ForwardRun : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;

    // The bases live in BASES/, the current folder, as after loading them.
    void SetUp() override {
        std::filesystem::create_directories(tree.path("BASES"));
        std::filesystem::current_path(tree.path("BASES"));
    }

    // The Rule Base RUboiler.EEB with its askable conditions, as loaded.
    void rule_base(std::vector<Rule> rules, Names facts = {}) {
        state.kb.rule.rules = std::move(rules);
        state.kb.rule.facts = std::move(facts);
        state.kb.rule.name = BaseName{"RUboiler.EEB", tree.path("BASES/RUboiler.EEB").string()};
        state.wyroznik = "boiler";
        state.rozszerzenie = ".EEB";
        ScriptedDialogs quiet;
        record_askable_conditions(state.kb.rule, "RUboiler.EEB", state.askables, quiet);
    }

    void constraint_base(std::vector<Constraint> constraints) {
        state.kb.constraint.constraints = std::move(constraints);
        state.kb.constraint.name =
            BaseName{"COboiler.EEB", tree.path("BASES/COboiler.EEB").string()};
    }

    bool run(std::initializer_list<std::string> answers) {
        ui.answer(answers);
        return forward_chaining(state, ui);
    }
};

// The lines naming the bases at the start of a run.
inline std::string bases_lines(const std::string& model = "", const std::string& constraint = "") {
    return "Forward chaining for Rule Base RUboiler.EEB\n"
           "                           Model Base " +
           model +
           "\n"
           "                      Constraint Base " +
           constraint +
           "\n"
           "                          Advice Base \n"
           "                        Graphics Base \n"
           "                           Sound Base \n\n";
}

// The explanation written when a rule fires.
inline std::string explanation(int number, const std::string& conclusion, const Names& conditions) {
    std::string text = "Rule  " + std::to_string(number) + " is resolved. The rule states:\nIf\n";
    for (const auto& condition : conditions) {
        text += "    " + condition + "\n";
    }
    return text + "then  \n    " + conclusion + "\nIt follows: \n    " + conclusion + "\n\n";
}

// A question written to the message window: a field of 55 characters.
inline std::string question(const std::string& condition) {
    std::string text = condition + "?";
    text.resize(std::max<std::size_t>(text.size(), 55), ' ');
    return text;
}

// The normal ending up to the report offer, with the true conditions (one
// per line) and no false ones or known values.
inline std::string normal_ending(const std::string& facts) {
    return "\nNo possibilities of further chaining!\n\n"
           "\nFollowing facts have been determined:\n" +
           facts +
           "\n"
           "Following values of arguments have been determined:\n\n\n"
           "This is all that may be inferred from the Knowledge Base boiler,\n"
           "from declared facts and declared argument values.\n\n"
           "End of forward chaining\n\n";
}

inline const std::string report_offer = " Do you wish to save the report?  ";

} // namespace orve::test
