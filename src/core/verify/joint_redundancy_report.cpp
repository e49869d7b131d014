// The diagnostic report of joint rule-constraint redundancies (command
// "Diagnosing joint Rule- and Constraint Base redundancies").
#include "verify/joint_redundancy_report.hpp"

#include "askables/list_helpers.hpp"
#include "report/report_save.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_redundancy.hpp"
#include "verify/joint_redundancy_detection.hpp"
#include "verify/joint_report.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnosing joint redundancies";

// Whether the last detection left groups to report.
bool has_groups(const Findings& findings) {
    return !findings.reguly_nadmiarowe_n2.empty();
}

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

void write_member(const JointReport& c, const FlattenedRule& v) {
    const std::string n = std::to_string(v.number);
    DiagnosticReport& r = c.report;
    r.line(" The result of flattening rule " + n + " is: ",
           "The result of flattening rule  " + n + " is:\n\n");
    r.line("   rule_flattened(" + n + ", " + v.conclusion + ", " + "[" +
               join_names(v.conditions, ",") + "]" + ")",
           "rule_flattened(" + n + ", " + v.conclusion + ", " + bracket_list(v.conditions) +
               ")\n\n");
    r.line(" The flattening has been done using rules:  " + join_numbers(v.rules_used, ","),
           "The flattening has been done using rules: " +
               numbers_each_followed(v.rules_used, ", "));
    r.show_note();
}

// Without a type name the verdict line and note are left out.
void write_group(const JointReport& c, const Findings& findings, const RedundantGroup& group,
                 const Names& constraint) {
    for (std::size_t i = 0; i < group.rules.size(); ++i) {
        if (const FlattenedRule* v =
                member_version(findings, group.rules[i], group.conditions[i])) {
            write_member(c, *v);
        }
    }
    const std::string m = std::to_string(group.constraint);
    DiagnosticReport& r = c.report;
    r.line(" The quoted rules and the constraint " + m + " o postaci",
           "The quoted rules and the constrainte " + m);
    r.line("   constraint(" + m + ", " + "[" + join_names(constraint, ",") + "]" + ")",
           "\nconstraint(" + m + ", " + bracket_list(constraint) + ")");
    if (c.type) {
        r.line(" contain redundancy of type " + *c.type + ".",
               "\ncontain redundancy of type  " + *c.type + ".");
    }
    r.show_note_if(c.type.has_value());
}

// The verdict becomes the whole report: the buffer is emptied first.
void report_nothing(const JointReport& c) {
    DiagnosticReport& r = c.report;
    kasowanie_tekst_raportu(r.out().buffer());
    r.out().plain("\n");
    write_base_names(c, {.rules = " Rule Base:           " + c.rules,
                         .constraints = "  and Constraint Base: " + c.constraints,
                         .note_start = "",
                         .note_end = ""});
    if (c.type) {
        r.out().pisz("  have no joint redundancies of type " + *c.type + ".");
        r.note("\nhave no joint redundancies of type " + *c.type + ".");
    }
    r.show_note_if(c.type.has_value());
}

void write_heading(const JointReport& c) {
    DiagnosticReport& r = c.report;
    r.line(" Diagnostic report on joint rule-constraint redundancies between:",
           "Diagnostic report on joint rule-constraint redundancies between:");
    write_base_names(c, {.rules = "Rule Base:            " + c.rules,
                         .constraints = " and Constraint Base:  " + c.constraints,
                         .blank = 1});
    r.show_note();
    if (!c.type) {
        return;
    }
    r.line(" Joint redundancies of type  " + *c.type + " are detected" +
               " by flattening rules and comparing their list of conditions",
           "Joint redundancies of type  " + *c.type + " are detected" +
               "\nby flattening rules and comparing their list of conditions");
    r.line(" with those in the constraint base: ", "\nwith those in the constraint base:");
    r.show_note();
}

// The whole report; the records of the detection are used up.
void write_report(const JointReport& c, AppState& state) {
    Findings& findings = state.findings;
    write_heading(c);
    for (const RedundantGroup& group : findings.reguly_nadmiarowe_n2) {
        write_group(c, findings, group, constraint_conditions(state, group.constraint));
    }
    findings.regula_splaszczona_n2.clear();
    findings.reguly_nadmiarowe_n2.clear();
    findings.zbadany_wniosek.clear();
    write_joint_ending(c, "redundancies",
                       {.rules = " Rule Base:       " + c.rules,
                        .constraints = "and Constraint Base: " + c.constraints});
}

} // namespace

void pisz_nadmiar_2(AppState& state, Dialogs& ui) {
    write_joint_report(state, ui,
                       {kTitle, 'R', has_groups, wyznacz_nadmiar_2, kJointRedundancyTestTitle,
                        report_nothing, write_report});
}

} // namespace orve
