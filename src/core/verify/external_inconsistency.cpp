// Detection of external inconsistencies, the offer after loading and the
// information step.
#include "verify/external_inconsistency.hpp"

#include "verify/conclusion_graph.hpp"
#include "verify/verify_text.hpp"

#include <cctype>

namespace orve {

namespace {

// One rule on the current search path and where its condition scan stands.
struct Frame {
    std::size_t rule;
    std::size_t position = 0;       // condition being looked at
    std::size_t next_candidate = 0; // next rule concluding that condition
};

// The search for one tested rule. The path is an explicit stack, so a deep
// base cannot exhaust the call stack.
class RuleSearch {
  public:
    RuleSearch(const std::vector<Rule>& rules, const ConclusionGraph& graph, Findings& findings)
        : rules_(rules), graph_(graph), findings_(findings), on_path_(graph.component.size(), 0) {}

    void run(std::size_t tested) {
        const int target = graph_.rule_conclusion[tested];
        path_.push_back({tested});
        on_path_[index(target)] = 1;
        while (!path_.empty()) {
            step(target);
        }
    }

  private:
    static std::size_t index(int id) { return static_cast<std::size_t>(id); }

    // Handles the current position of the innermost rule: records a return to
    // the tested conclusion, descends into the next rule concluding the
    // condition, or moves on.
    void step(int target) {
        Frame& top = path_.back();
        const auto& conditions = graph_.rule_conditions[top.rule];
        if (top.position == conditions.size()) {
            on_path_[index(graph_.rule_conclusion[top.rule])] = 0;
            path_.pop_back();
            return;
        }
        const int condition = conditions[top.position];
        if (condition == target) {
            record();
        } else if (worth_expanding(condition, target)) {
            const auto& candidates = graph_.rules_concluding[index(condition)];
            if (top.next_candidate < candidates.size()) {
                const std::size_t next = candidates[top.next_candidate++];
                on_path_[index(condition)] = 1;
                path_.push_back({next});
                return;
            }
        }
        ++top.position;
        top.next_candidate = 0;
    }

    // A conclusion already on the path is never expanded again. A conclusion
    // outside the tested conclusion's component cannot lead back to it, so
    // its paths would record nothing and are skipped.
    bool worth_expanding(int condition, int target) const {
        return condition >= 0 && on_path_[index(condition)] == 0 &&
               graph_.component[index(condition)] == graph_.component[index(target)];
    }

    void record() {
        InconsistencyRecord found;
        for (auto frame = path_.rbegin(); frame != path_.rend(); ++frame) {
            found.chain.push_back(rules_[frame->rule].number);
        }
        found.a = found.chain.back();
        found.b = found.chain.front();
        findings_.reguly_sprzeczne_dla_analizy.push_back(found.a);
        findings_.reguly_sprzeczne.push_back(std::move(found));
    }

    const std::vector<Rule>& rules_;
    const ConclusionGraph& graph_;
    Findings& findings_;
    std::vector<char> on_path_;
    std::vector<Frame> path_;
};

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string offer_text(const std::string& name) {
    return "Elementary Exact Rule Base\n   " + name +
           "\nmay be tested for external inconsistencies.\n" +
           "\nThis test may take a lot of time for \nlarge and heavily nested rule bases. \n" +
           "This test should be performed while \ndeveloping or modifying rule bases." +
           "\nFor routine uses of the rule base \nthe test should be bypassed." +
           "\nRemember that external inconsistencies \nmay break down the chaining process." +
           "\n\nDo you wish to test the rule base \nfor external inconsistencies?";
}

// Without a type name (an extension other than ".EEB") the lines and the note
// that would name the type are left out.
void inform_consistent(const std::string& name, const std::optional<std::string>& type,
                       Dialogs& ui) {
    ui.msg_append(" The loaded rule base" + name + "\n");
    if (type) {
        ui.msg_append(" is not externally " + *type + " inconsistent. ");
        ui.note("Information on inconsistency", "Elementary Exact Rule Base\n   " + name +
                                                    "\nis not externally " + *type +
                                                    " inconsistent.");
    }
}

void inform_inconsistent(const std::string& name, const std::optional<std::string>& type,
                         Dialogs& ui) {
    ui.msg_append(" The loaded rule base " + name +
                  " contains at least one external inconsistency \n");
    if (type) {
        ui.msg_append(" of type " + *type + ".\n\n");
    }
    ui.msg_append(" The loaded rule base may be only edited, but not used for chaining.\n"
                  " Neither is it possible to load the corresponding constraint base.\n"
                  " You may however run a diagnostic check revealing the nature of \n"
                  " inconsistency.\n"
                  " For this  proceed with the loaded rule base and enter the Main Menu\n"
                  " option: 'Rule Base /Diagnosing External Inconsistencies'\n\n"
                  " where a detailed message highlighting the nature of inconsistencies\n"
                  " is to be found.\n\n");
    if (type) {
        ui.note("Information on inconsistency",
                "Elementary Exact Rule Base\n   " + name +
                    "\ncontains at least one external inconsistency \nof type  " + *type +
                    ".\n\nThe loaded rule base may be only edited, \nbut not used for chaining." +
                    "\nNeither is it possible to load the corresponding \nconstraint, model or "
                    "advice base." +
                    "\nYou may however run a diagnostic check \nrevealing the nature of  "
                    "inconsistency." +
                    "\nFor this  enter the option \n   'Exact Rule Base\n     Diagnosing "
                    "External Inconsistencies'" +
                    "\nwhere a detailed message highlighting the nature \nof inconsistencies is "
                    "to be found.");
    }
}

} // namespace

std::optional<std::string> finding_type_name(const std::string& rozszerzenie, char letter,
                                             int digit) {
    if (upper(rozszerzenie) != ".EEB") {
        return std::nullopt;
    }
    return std::string(1, letter) + "EE" + std::to_string(digit);
}

void badaj_sprzecznosc_1z(const RuleBase& rules, Findings& findings) {
    findings.reguly_sprzeczne.clear();
    findings.sprzecznosc_1z.reset();
    const ConclusionGraph graph = build_conclusion_graph(rules.rules);
    RuleSearch search(rules.rules, graph, findings);
    for (std::size_t tested = 0; tested < rules.rules.size(); ++tested) {
        search.run(tested);
    }
    findings.sprzecznosc_1z = !findings.reguly_sprzeczne.empty();
}

bool testuj_sprzecznosc_1z(AppState& state, Dialogs& ui) {
    const std::string name = loaded_name(state.kb.rule.name);
    ui.msg_append("The loaded rule base " + name +
                  " may be tested for external inconsistencies.\n"
                  "This test may take a lot of time for large and heavily nested rule bases. \n\n"
                  "This test should be used while developing or modifying rule bases.\n"
                  "For routine uses of the rule base the test should be bypassed.\n"
                  "Remember that external inconsistencies may break down the chaining "
                  "process.\n");
    if (!ui.yes_no("Choose", offer_text(name))) {
        return true;
    }
    return informuj_sprzecznosc_1z(state, ui);
}

bool informuj_sprzecznosc_1z(AppState& state, Dialogs& ui) {
    // A standing "YES" verdict is kept until the next Rule Base loading.
    if (!state.findings.externally_inconsistent()) {
        badaj_sprzecznosc_1z(state.kb.rule, state.findings);
    }
    const std::string name = loaded_name(state.kb.rule.name);
    const auto type = finding_type_name(state.rozszerzenie, 'I', 1);
    if (!state.findings.externally_inconsistent()) {
        inform_consistent(name, type, ui);
        return true;
    }
    inform_inconsistent(name, type, ui);
    set_command(state, ui, 10071, true);
    return false;
}

} // namespace orve
