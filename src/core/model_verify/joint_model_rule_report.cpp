// The diagnostic report of joint Model Base and Rule Base inconsistencies
// (command "Diagnosing joint Model- and Rule Base inconsistencies"), written
// from the records of the last load.
#include "model_verify/joint_model_rule_report.hpp"

#include "report/report_save.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on joint model-rule inconsistencies";

struct Context {
    ReportWriter& out;
    Dialogs& ui;
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
    c.out.plain(" Model Base:    " + c.models + "\n");
    c.out.plain(" and Rule Base: " + c.rules + "\n");
    c.out.plain(" are not jointly inconsistent.\n");
    c.ui.note(kTitle, "Elementary Exact Model Base\n   " + c.models +
                          "and Elementary Exact Rule Base\n   " + c.rules +
                          "\nare not jointly inconsistent.");
}

void write_heading(const Context& c) {
    c.out.pisz(" Diagnostic report on joint model-rule inconsistencies between: ");
    c.out.piszcr();
    c.out.pisz(" Model Base:    " + c.models);
    c.out.piszcr();
    c.out.pisz(" and rule base: " + c.rules);
    c.out.piszcr();
    c.ui.note(kTitle, std::string(" Diagnostic report on joint model-rule inconsistencies "
                                  "between:") +
                          "\nElementary Exact Model Base\n   " + c.models +
                          "\nand Elementary Exact Rule Base\n   " + c.rules);
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

    const std::string m = std::to_string(record.model);
    const std::string r = std::to_string(record.rule);
    c.out.piszcr();
    c.out.pisz(" Relational model  " + m + " is jointly inconsistent with rule " + r);
    c.out.piszcr();
    const std::string note = " Relational model " + m + " is jointly inconsistent with rule " + r;
    if (models.empty() && rules.empty()) {
        c.ui.note(kTitle, note);
    } else if (models.empty() || rules.empty()) {
        const Numbers& chain = models.empty() ? rules : models;
        c.out.pisz(" via a chain of nested rules with numbers  ");
        c.out.pisz_liste_dla_raportu_i(number_texts(chain));
        c.ui.note(kTitle,
                  note + "\n via a chain of nested rules with numbers  " + bracket_numbers(chain));
    } else {
        c.out.pisz(" via a chain of nested rules with numbers ");
        c.out.pisz_liste_dla_raportu_i(number_texts(rules));
        c.out.pisz(" and via a chain of nested rules with numbers ");
        c.out.pisz_liste_dla_raportu_i(number_texts(models));
        c.ui.note(kTitle,
                  note + "\n via a chain of nested rules with numbers " + bracket_numbers(rules) +
                      "\n and via a chain of nested rules with numbers " + bracket_numbers(models));
    }
}

void write_ending(const Context& c) {
    c.out.piszcr();
    c.out.pisz(" End of diagnostic report of joint model-rule inconsistencies between: ");
    c.out.piszcr();
    c.out.pisz(" Model Base  " + c.models);
    c.out.piszcr();
    c.out.pisz(" Rule base " + c.rules + ".");
    c.out.piszcr();
    c.ui.note("Diagnostic Report on joint model-rule  inconsistencies",
              "End of diagnostic report of joint rmodel-rule inconsistencies between:\n"
              "Elementary Exact Model Base\n    " +
                  c.models + "\nand Elementary Exact Rule Base\n    " + c.rules + ".");
}

} // namespace

bool pisz_sprzecznosc_mr(AppState& state, Dialogs& ui) {
    const std::string models = loaded_name(state.kb.model.name);
    const std::string rules = loaded_name(state.kb.rule.name);
    ReportWriter out(state.report, ui);
    const Context context{out, ui, models, rules};
    const auto& records = state.model_findings.modele_i_reguly_sprzeczne;
    if (records.empty()) {
        report_nothing(context);
        return true;
    }
    kasowanie_tekst_raportu(state.report);
    write_heading(context);
    for (const auto& record : records) {
        write_record(context, record);
    }
    write_ending(context);
    return raport(out);
}

} // namespace orve
