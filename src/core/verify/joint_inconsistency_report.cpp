// The diagnostic report of joint rule-constraint inconsistencies (command
// "Diagnosing joint Rule- and Constraint Base inconsistencies").
#include "verify/joint_inconsistency_report.hpp"

#include "askables/list_helpers.hpp"
#include "report/report_save.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/joint_report.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on joint rule-constraint inconsistencies";

// Whether the last detection left records to report.
bool has_records(const Findings& findings) {
    return !findings.sprzecznosc_2_wszystko.empty();
}

std::string constraint_line(const JointInconsistency& record) {
    return "   constraint(" + std::to_string(record.constraint) + ", " + "[" +
           join_names(record.constraint_conditions, ",") + "]" + ")";
}

std::string constraint_note(const JointInconsistency& record) {
    return "constraint(" + std::to_string(record.constraint) + ", " +
           bracket_list(record.constraint_conditions) + ")\n";
}

// Written before the buffer is emptied: the line breaks join the last report.
void report_nothing(const JointReport& c) {
    ReportWriter& out = c.report.out();
    out.plain("\n");
    out.piszcr();
    out.piszcr();
    if (!c.type) {
        return;
    }
    out.plain(" No inconsistencies of type " + *c.type + " have been detected in \n" +
              " Rule Base:           " + c.rules + "\n" +
              " and Constraint Bbase: " + c.constraints + "\n\n");
    c.report.ui().note(kTitle, "No inconsistencies of type " + *c.type +
                                   "\nhave been detected in " +
                                   "\nElementary Exact Rule Base\n   " + c.rules +
                                   "\nand Elementary Exact Constraint Base\n   " + c.constraints);
}

void write_heading(const JointReport& c) {
    DiagnosticReport& r = c.report;
    r.out().piszcr();
    r.out().piszcr();
    r.line("  Diagnostic Report on joint rule-constraint inconsistencies between: ",
           "Diagnostic Report on joint rule-constraint inconsistencies between: ");
    write_base_names(c, {.rules = " Rule Base:        " + c.rules + " i ",
                         .constraints = " and Constraint Base:" + c.constraints,
                         .indent = "   ",
                         .blank = 1});
    r.show_note();
    if (c.type) {
        r.line(" Detection of joint inconsistencies of type " + *c.type +
                   " is done by by flattening rules:",
               "Detection of joint inconsistencies of type " + *c.type +
                   "\nis done by by flattening rules:",
               1);
        r.show_note();
    }
}

// The verdict on a rule and the constraint it conflicts with; without a type
// name a record is shown by its constraint alone.
void write_verdict(const JointReport& c, const JointInconsistency& record, const std::string& how) {
    const std::string verdict = "Rule " + std::to_string(record.version.number) + " is " + how +
                                " " + c.type_name() + "-inconsistent with constraint " +
                                std::to_string(record.constraint) + ":";
    if (c.type) {
        c.report.line(" " + verdict, verdict + "\n\n");
    }
    c.report.line(constraint_line(record), 1);
    c.report.note(constraint_note(record)).show_note_if(c.type.has_value());
}

void write_direct(const JointReport& c, const JointInconsistency& record) {
    c.report.note("\n\n");
    write_verdict(c, record, "directly");
}

void write_indirect(const JointReport& c, const JointInconsistency& record) {
    const FlattenedRule& v = record.version;
    const std::string n = std::to_string(v.number);
    c.report.line(" The result of flattening rule " + n + " is: ",
                  "The result of flattening rule " + n + " is:\n\n");
    c.report.line("   rule_flattened(" + n + ", " + v.conclusion + ", " + "[" +
                      join_names(v.conditions, ",") + "]" + ")",
                  "rule_flattened(" + n + ", " + v.conclusion + ", " + bracket_list(v.conditions) +
                      ")\n\n");
    c.report.line(" Flattening has been done using rules: " + join_numbers(v.rules_used, ","),
                  "Flattening has been done using rules: " +
                      numbers_each_followed(v.rules_used, ", ") + "\n\n");
    write_verdict(c, record, "indirectly");
}

// Direct records first, each written; then indirect ones, each version with its
// first conflicting constraint only.
void write_records(const JointReport& c, Findings& findings) {
    for (const auto& record : findings.sprzecznosc_2_wszystko) {
        if (record.version.rules_used.empty()) {
            write_direct(c, record);
        }
    }
    auto& versions = findings.regula_splaszczona_s2;
    for (const auto& record : findings.sprzecznosc_2_wszystko) {
        if (record.version.rules_used.empty()) {
            continue;
        }
        const auto kept = std::find(versions.begin(), versions.end(), record.version);
        if (kept != versions.end()) {
            write_indirect(c, record);
            versions.erase(kept);
        }
    }
}

// The whole report; the records of the detection are used up.
void write_report(const JointReport& c, AppState& state) {
    Findings& findings = state.findings;
    write_heading(c);
    write_records(c, findings);
    findings.sprzecznosc_2_wszystko.clear();
    write_joint_ending(c, "inconsistencies",
                       {.rules = " Rule Base:          " + c.rules,
                        .constraints = " and Constraint Base:   " + c.constraints,
                        .note_and = "\n and "});
}

} // namespace

void pisz_sprzecznosc_2(AppState& state, Dialogs& ui) {
    write_joint_report(state, ui,
                       {kTitle, 'I', has_records, wyznacz_sprzecznosc_2,
                        kJointInconsistencyTestTitle, report_nothing, write_report});
}

} // namespace orve
