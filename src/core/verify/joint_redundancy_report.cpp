// The diagnostic report of joint rule-constraint redundancies (command
// "Diagnosing joint Rule- and Constraint Base redundancies").
#include "verify/joint_redundancy_report.hpp"

#include "askables/list_helpers.hpp"
#include "report/report_save.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_redundancy_detection.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnosing joint redundancies";

// Everything the report's parts need.
struct Context {
    ReportWriter& out;
    Dialogs& ui;
    const std::string& rules;
    const std::string& constraints;
    const std::optional<std::string>& type;
};

// The stored member version of a group's rule: the one with the group's own
// conditions, so that a rule with several versions or in several groups is
// shown as it takes part in this group.
const FlattenedRule* member_version(const Findings& findings, int number, const Names& conditions) {
    const auto& members = findings.regula_splaszczona_n2;
    auto found = std::find_if(members.begin(), members.end(), [&](const FlattenedRule& m) {
        return m.number == number && m.conditions == conditions;
    });
    if (found == members.end()) {
        found = std::find_if(members.begin(), members.end(),
                             [&](const FlattenedRule& m) { return m.number == number; });
    }
    return found == members.end() ? nullptr : &*found;
}

Names constraint_conditions(const AppState& state, int number) {
    for (const Constraint& constraint : state.kb.constraint.constraints) {
        if (constraint.number == number) {
            return constraint.conditions;
        }
    }
    return {};
}

void write_member(const Context& c, const FlattenedRule& v) {
    const std::string n = std::to_string(v.number);
    c.out.pisz(" The result of flattening rule " + n + " is: ");
    c.out.piszcr();
    c.out.pisz("   rule_flattened(" + n + ", " + v.conclusion + ", " + "[" +
               join_names(v.conditions, ",") + "]" + ")");
    c.out.piszcr();
    c.out.pisz(" The flattening has been done using rules:  " + join_numbers(v.rules_used, ","));
    c.out.piszcr();
    c.ui.note(kTitle, "The result of flattening rule  " + n + " is:\n\nrule_flattened(" + n + ", " +
                          v.conclusion + ", " + bracket_list(v.conditions) +
                          ")\n\nThe flattening has been done using rules: " +
                          numbers_each_followed(v.rules_used, ", "));
}

// Without a type name the verdict line and note are left out.
void write_group(const Context& c, const Findings& findings, const RedundantGroup& group,
                 const Names& constraint) {
    for (std::size_t i = 0; i < group.rules.size(); ++i) {
        if (const FlattenedRule* v =
                member_version(findings, group.rules[i], group.conditions[i])) {
            write_member(c, *v);
        }
    }
    const std::string m = std::to_string(group.constraint);
    c.out.pisz(" The quoted rules and the constraint " + m + " o postaci");
    c.out.piszcr();
    c.out.pisz("   constraint(" + m + ", " + "[" + join_names(constraint, ",") + "]" + ")");
    c.out.piszcr();
    if (!c.type) {
        return;
    }
    c.out.pisz(" contain redundancy of type " + *c.type + ".");
    c.out.piszcr();
    c.ui.note(kTitle, "The quoted rules and the constrainte " + m + "\nconstraint(" + m + ", " +
                          bracket_list(constraint) + ")\ncontain redundancy of type  " + *c.type +
                          ".");
}

void report_nothing(const Context& c) {
    c.out.plain("\n");
    c.out.pisz(" Rule Base:           " + c.rules);
    c.out.piszcr();
    c.out.pisz("  and Constraint Base: " + c.constraints);
    c.out.piszcr();
    if (!c.type) {
        return;
    }
    c.out.pisz("  have no joint redundancies of type " + *c.type + ".");
    c.ui.note(kTitle, "Elementary Exact Rule Base\n    " + c.rules +
                          "\nand Elementary Exact Constraint Base\n    " + c.constraints +
                          "\nhave no joint redundancies of type " + *c.type + ".");
}

void write_heading(const Context& c) {
    c.out.pisz(" Diagnostic report on joint rule-constraint redundancies between:");
    c.out.piszcr();
    c.out.pisz("Rule Base:            " + c.rules);
    c.out.piszcr();
    c.out.pisz(" and Constraint Base:  " + c.constraints);
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kTitle, "Diagnostic report on joint rule-constraint redundancies "
                      "between:\nElementary Exact Rule Base\n    " +
                          c.rules + "\nand Elementary Exact Constraint Base\n    " + c.constraints +
                          ".");
    if (!c.type) {
        return;
    }
    c.out.pisz(" Joint redundancies of type  " + *c.type + " are detected" +
               " by flattening rules and comparing their list of conditions");
    c.out.piszcr();
    c.out.pisz(" with those in the constraint base: ");
    c.out.piszcr();
    c.ui.note(kTitle, "Joint redundancies of type  " + *c.type + " are detected" +
                          "\nby flattening rules and comparing their list of conditions" +
                          "\nwith those in the constraint base:");
}

void write_ending(const Context& c) {
    c.out.pisz(" End of diagnostic report of joint rule-constraint redundancies between");
    c.out.piszcr();
    c.out.pisz(" Rule Base:       " + c.rules);
    c.out.piszcr();
    c.out.pisz("and Constraint Base: " + c.constraints);
    c.out.piszcr();
    c.ui.note(kTitle, "End of diagnostic report of joint rule-constraint redundancies "
                      "between\nElementary Exact Rule Base\n    " +
                          c.rules + "\nand Elementary Exact Constraint Base\n    " + c.constraints +
                          ".");
}

} // namespace

void pisz_nadmiar_2(AppState& state, Dialogs& ui) {
    Findings& findings = state.findings;
    if (findings.reguly_nadmiarowe_n2.empty()) {
        wyznacz_nadmiar_2(state.kb, state.askables, findings);
    }
    const std::string rules = loaded_name(state.kb.rule.name);
    const std::string constraints = loaded_name(state.kb.constraint.name);
    const auto type = finding_type_name(state.rozszerzenie, 'R', 2);
    ReportWriter out(state.report, ui);
    const Context context{out, ui, rules, constraints, type};
    kasowanie_tekst_raportu(state.report);
    if (findings.reguly_nadmiarowe_n2.empty()) {
        report_nothing(context);
        return;
    }
    write_heading(context);
    for (const RedundantGroup& group : findings.reguly_nadmiarowe_n2) {
        write_group(context, findings, group, constraint_conditions(state, group.constraint));
    }
    out.piszcr();
    findings.regula_splaszczona_n2.clear();
    findings.reguly_nadmiarowe_n2.clear();
    findings.zbadany_wniosek.clear();
    write_ending(context);
    // A cancelled save ends the command silently; there is nothing left to do.
    raport(out);
}

} // namespace orve
