// The diagnostic report of rule redundancies (command "Diagnosing redundancies").
#include "verify/redundancy_report.hpp"

#include "askables/list_helpers.hpp"
#include "report/diagnostic_report.hpp"
#include "report/report_save.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/redundancy.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kNoteTitle = "Diagnosing rule redundancies";

Names number_texts(const Numbers& numbers) {
    Names texts;
    for (const int number : numbers) {
        texts.push_back(std::to_string(number));
    }
    return texts;
}

void write_version(ReportWriter& out, const FlattenedRule& version, const std::string& used) {
    const std::string number = std::to_string(version.number);
    out.pisz(" The result of flattening rule " + number + "  is: ");
    out.piszcr();
    out.pisz("   rule_flattened(" + number + ", " + version.conclusion + ", " + "[");
    out.pisz_liste_dla_raportu_s(version.conditions);
    out.pisz(")");
    out.piszcr();
    out.pisz(used);
    out.pisz_liste_dla_raportu_i(number_texts(version.rules_used));
}

std::string pair_note(const RedundantPair& pair, const std::string& type) {
    const FlattenedRule& a = pair.first;
    const FlattenedRule& b = pair.second;
    const std::string r1 = std::to_string(a.number);
    const std::string r2 = std::to_string(b.number);
    return "The result of flattening rule " + r1 + " is:\n\nrule_flattened(" + r1 + ", " +
           a.conclusion + ", " + bracket_list(a.conditions) +
           ")\n\nFlattening has been done using rules: " +
           numbers_each_followed(a.rules_used, ", ") + "\n\n\nThe result of flattening rule " + r2 +
           " is:\n\nrule_flattened(" + r2 + ", " + b.conclusion + ", " +
           bracket_list(b.conditions) + ")\n\nFlattening has been done using rules\n   " +
           numbers_each_followed(b.rules_used, ", ") + "\n\nRules " + r1 + " and " + r2 + " are  " +
           type + " redundant.";
}

// Writes one pair of versions; without a type name the verdict line and the
// note, which name it, are left out.
void write_pair(ReportWriter& out, const RedundantPair& pair,
                const std::optional<std::string>& type) {
    write_version(out, pair.first, " Flattening has been done using rules:");
    write_version(out, pair.second, " Flattening has been done using rules:  ");
    if (type) {
        out.pisz(" Rules " + std::to_string(pair.first.number) + " and " +
                 std::to_string(pair.second.number) + " are " + *type + " " + " redundant.");
        out.piszcr();
    }
}

// Writes every stored pair of versions whose pair record is still there,
// consuming one record per pair written.
void write_pairs(DiagnosticReport& report, Findings& findings,
                 const std::optional<std::string>& type) {
    auto& records = findings.reguly_nadmiarowe_n1;
    for (const RedundantPair& pair : findings.para_splaszczona_n1) {
        const auto record = std::find(records.begin(), records.end(),
                                      std::pair{pair.first.number, pair.second.number});
        if (record == records.end()) {
            continue;
        }
        write_pair(report.out(), pair, type);
        records.erase(record);
        if (type) {
            report.note(pair_note(pair, *type)).show_note();
        }
    }
}

void write_heading(DiagnosticReport& report, const std::string& name,
                   const std::optional<std::string>& type) {
    report.opening(" Diagnostic report on rule redundancies for rule base:", name);
    if (type) {
        report.line(" Redundancies of type " + *type +
                        " are detected by flattening rules and comparing their list of conditions.",
                    "Redundancies of type " + *type +
                        "\nare detected by flattening rules and \ncomparing their list of "
                        "conditions.");
        report.show_note("Diagnostic report on rule redundancies for rule base " + name);
    }
}

void write_ending(DiagnosticReport& report, const std::string& name) {
    report.closing(" End of diagnostic report on rule redundancies of rule base: ", name);
    report
        .note("End of diagnostic report on rule redundancies of \nElementary Exact Rule Base\n" +
              name + ".")
        .show_note();
}

} // namespace

void pisz_nadmiar(AppState& state, Dialogs& ui) {
    Findings& findings = state.findings;
    // A cancelled detection ends the command with nothing written.
    if (findings.reguly_nadmiarowe_n1.empty() &&
        !run_cancellable(
            ui, kRedundancyTestTitle,
            [&](TestProgress& progress) {
                wyznacz_nadmiar(state.kb.rule, state.askables, findings, progress);
            },
            findings)) {
        return;
    }
    const std::string name = loaded_name(state.kb.rule.name);
    const auto type = finding_type_name(state.rozszerzenie, 'R', 1);
    DiagnosticReport report(state.report, ui, kNoteTitle);
    if (!findings.jest_nadmiar) {
        write_pairs(report, findings, type);
        ui.note(kNoteTitle, "The rule base\n   " + name + "\nhas no redundant rules!");
        return;
    }
    // A cancelled save ends the command silently; there is nothing left to do.
    report.write([&] {
        write_heading(report, name, type);
        write_pairs(report, findings, type);
        write_ending(report, name);
    });
}

} // namespace orve
