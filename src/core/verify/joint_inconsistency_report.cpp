// The diagnostic report of joint rule-constraint inconsistencies (command
// "Diagnosing joint Rule- and Constraint Base inconsistencies").
#include "verify/joint_inconsistency_report.hpp"

#include "askables/list_helpers.hpp"
#include "report/report_save.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on joint rule-constraint inconsistencies";

// Everything the report's parts need.
struct Context {
    ReportWriter& out;
    Dialogs& ui;
    const std::string& rules;
    const std::string& constraints;
    const std::optional<std::string>& type;
};

std::string constraint_line(const JointInconsistency& record) {
    return "   constraint(" + std::to_string(record.constraint) + ", " + "[" +
           join_names(record.constraint_conditions, ",") + "]" + ")";
}

std::string constraint_note(const JointInconsistency& record) {
    return "constraint(" + std::to_string(record.constraint) + ", " +
           bracket_list(record.constraint_conditions) + ")\n";
}

void report_nothing(const Context& c) {
    c.out.plain("\n");
    c.out.piszcr();
    c.out.piszcr();
    if (!c.type) {
        return;
    }
    c.out.plain(" No inconsistencies of type " + *c.type + " have been detected in \n" +
                " Rule Base:           " + c.rules + "\n" +
                " and Constraint Bbase: " + c.constraints + "\n\n");
    c.ui.note(kTitle, "No inconsistencies of type " + *c.type + "\nhave been detected in " +
                          "\nElementary Exact Rule Base\n   " + c.rules +
                          "\nand Elementary Exact Constraint Base\n   " + c.constraints);
}

void write_heading(const Context& c) {
    c.out.piszcr();
    c.out.piszcr();
    c.out.pisz("  Diagnostic Report on joint rule-constraint inconsistencies between: ");
    c.out.piszcr();
    c.out.pisz(" Rule Base:        " + c.rules + " i ");
    c.out.piszcr();
    c.out.pisz(" and Constraint Base:" + c.constraints);
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kTitle, "Diagnostic Report on joint rule-constraint inconsistencies between: " +
                          std::string("\nElementary Exact Rule Base\n   ") + c.rules +
                          "\nand Elementary Exact Constraint Base\n   " + c.constraints + ".");
    if (c.type) {
        c.out.pisz(" Detection of joint inconsistencies of type " + *c.type +
                   " is done by by flattening rules:");
        c.out.piszcr();
        c.out.piszcr();
        c.ui.note(kTitle, "Detection of joint inconsistencies of type " + *c.type +
                              "\nis done by by flattening rules:");
    }
}

// Without a type name a record is shown by its constraint alone.
void write_direct(const Context& c, const JointInconsistency& record) {
    const std::string n = std::to_string(record.version.number);
    const std::string m = std::to_string(record.constraint);
    if (c.type) {
        c.out.pisz(" Rule " + n + " is directly " + *c.type + "-inconsistent with constraint " + m +
                   ":");
        c.out.piszcr();
    }
    c.out.pisz(constraint_line(record));
    c.out.piszcr();
    c.out.piszcr();
    if (c.type) {
        c.ui.note(kTitle, "\n\nRule " + n + " is directly " + *c.type +
                              "-inconsistent with constraint " + m + ":\n\n" +
                              constraint_note(record));
    }
}

void write_indirect(const Context& c, const JointInconsistency& record) {
    const FlattenedRule& v = record.version;
    const std::string n = std::to_string(v.number);
    const std::string m = std::to_string(record.constraint);
    c.out.pisz(" The result of flattening rule " + n + " is: ");
    c.out.piszcr();
    c.out.pisz("   rule_flattened(" + n + ", " + v.conclusion + ", " + "[" +
               join_names(v.conditions, ",") + "]" + ")");
    c.out.piszcr();
    c.out.pisz(" Flattening has been done using rules: " + join_numbers(v.rules_used, ","));
    c.out.piszcr();
    if (c.type) {
        c.out.pisz(" Rule " + n + " is indirectly " + *c.type + "-inconsistent with constraint " +
                   m + ":");
        c.out.piszcr();
    }
    c.out.pisz(constraint_line(record));
    c.out.piszcr();
    c.out.piszcr();
    if (c.type) {
        c.ui.note(kTitle, "The result of flattening rule " + n + " is:\n\nrule_flattened(" + n +
                              ", " + v.conclusion + ", " + bracket_list(v.conditions) +
                              ")\n\nFlattening has been done using rules: " +
                              numbers_each_followed(v.rules_used, ", ") + "\n\nRule " + n +
                              " is indirectly " + *c.type + "-inconsistent with constraint " + m +
                              ":\n\n" + constraint_note(record));
    }
}

// Direct records first, each written; then indirect ones, each version with its
// first conflicting constraint only.
void write_records(const Context& c, Findings& findings) {
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

void write_ending(const Context& c) {
    c.out.pisz(" End of diagnostic report of joint rule-constraint inconsistencies between");
    c.out.piszcr();
    c.out.pisz(" Rule Base:          " + c.rules);
    c.out.piszcr();
    c.out.pisz(" and Constraint Base:   " + c.constraints);
    c.out.piszcr();
    c.ui.note(kTitle, "End of diagnostic report of joint rule-constraint inconsistencies "
                      "between\nElementary Exact Rule Base\n    " +
                          c.rules + "\n and Elementary Exact Constraint Base\n    " +
                          c.constraints + ".");
}

} // namespace

void pisz_sprzecznosc_2(AppState& state, Dialogs& ui) {
    Findings& findings = state.findings;
    if (findings.sprzecznosc_2_wszystko.empty()) {
        wyznacz_sprzecznosc_2(state.kb, state.askables, findings);
    }
    const std::string rules = loaded_name(state.kb.rule.name);
    const std::string constraints = loaded_name(state.kb.constraint.name);
    const auto type = finding_type_name(state.rozszerzenie, 'I', 2);
    ReportWriter out(state.report, ui);
    const Context context{out, ui, rules, constraints, type};
    if (findings.sprzecznosc_2_wszystko.empty()) {
        report_nothing(context);
        return;
    }
    kasowanie_tekst_raportu(state.report);
    write_heading(context);
    write_records(context, findings);
    out.piszcr();
    findings.sprzecznosc_2_wszystko.clear();
    write_ending(context);
    // A cancelled save ends the command silently; there is nothing left to do.
    raport(out);
}

} // namespace orve
