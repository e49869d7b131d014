// The diagnostic report of joint Model Base and Rule Base inconsistencies
// (command "Diagnosing joint Model- and Rule Base inconsistencies"), written
// from the records of the last load.
#include "model_verify/joint_model_rule_report.hpp"

#include "report/diagnostic_report.hpp"
#include "report/report_save.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on joint model-rule inconsistencies";

struct Context {
    DiagnosticReport& report;
    const std::string& models;
    const std::string& rules;
};

void remove_first(Numbers& numbers, int number) {
    const auto found = std::find(numbers.begin(), numbers.end(), number);
    if (found != numbers.end()) {
        numbers.erase(found);
    }
}

void report_nothing(const Context& c) {
    ReportWriter& out = c.report.out();
    out.plain(" Model Base:    " + c.models + "\n");
    out.plain(" and Rule Base: " + c.rules + "\n");
    out.plain(" are not jointly inconsistent.\n");
    c.report.ui().note(kTitle, "Elementary Exact Model Base\n   " + c.models +
                                   "and Elementary Exact Rule Base\n   " + c.rules +
                                   "\nare not jointly inconsistent.");
}

void write_heading(const Context& c) {
    DiagnosticReport& r = c.report;
    r.line(" Diagnostic report on joint model-rule inconsistencies between: ",
           " Diagnostic report on joint model-rule inconsistencies between:");
    r.line(" Model Base:    " + c.models, "\nElementary Exact Model Base\n   " + c.models);
    r.line(" and rule base: " + c.rules, "\nand Elementary Exact Rule Base\n   " + c.rules);
    r.show_note();
}

// One chain of nested rules after `lead`; the note repeats it on a line of its own.
void write_chain(const Context& c, const std::string& lead, const Numbers& chain) {
    c.report.out().pisz(lead);
    c.report.out().pisz_liste_dla_raportu_i(number_texts(chain));
    c.report.note("\n" + lead + bracket_numbers(chain));
}

// The chains are shown in the order of application, without the model and the
// rule themselves and without the steps that kept a condition as itself.
void write_record(const Context& c, const JointModelRuleInconsistency& record) {
    Numbers models = record.model_chain;
    Numbers rules = record.rules_used;
    remove_first(models, record.model);
    remove_first(rules, record.rule);
    rules.erase(std::remove(rules.begin(), rules.end(), 0), rules.end());
    std::reverse(models.begin(), models.end());
    std::reverse(rules.begin(), rules.end());

    const std::string verdict = " is jointly inconsistent with rule " + std::to_string(record.rule);
    const std::string m = std::to_string(record.model);
    c.report.out().piszcr();
    c.report.line(" Relational model  " + m + verdict, " Relational model " + m + verdict);
    if (!models.empty() && !rules.empty()) {
        write_chain(c, " via a chain of nested rules with numbers ", rules);
        write_chain(c, " and via a chain of nested rules with numbers ", models);
    } else if (!models.empty() || !rules.empty()) {
        write_chain(c, " via a chain of nested rules with numbers  ",
                    models.empty() ? rules : models);
    }
    c.report.show_note();
}

void write_ending(const Context& c) {
    DiagnosticReport& r = c.report;
    r.out().piszcr();
    r.line(" End of diagnostic report of joint model-rule inconsistencies between: ",
           "End of diagnostic report of joint rmodel-rule inconsistencies between:");
    r.line(" Model Base  " + c.models, "\nElementary Exact Model Base\n    " + c.models);
    r.line(" Rule base " + c.rules + ".", "\nand Elementary Exact Rule Base\n    " + c.rules + ".");
    r.show_note("Diagnostic Report on joint model-rule  inconsistencies");
}

} // namespace

bool pisz_sprzecznosc_mr(AppState& state, Dialogs& ui) {
    const std::string models = loaded_name(state.kb.model.name);
    const std::string rules = loaded_name(state.kb.rule.name);
    DiagnosticReport report(state.report, ui, kTitle);
    const Context context{report, models, rules};
    const auto& records = state.model_findings.modele_i_reguly_sprzeczne;
    if (records.empty()) {
        report_nothing(context);
        return true;
    }
    return report.write([&] {
        write_heading(context);
        for (const auto& record : records) {
            write_record(context, record);
        }
        write_ending(context);
    });
}

} // namespace orve
