// The diagnostic report of Model Base inconsistencies (command "Diagnosing
// Model Base inconsistencies"), written from the findings of the last load.
#include "model_verify/model_inconsistency_report.hpp"

#include "models/model_base_discard.hpp"
#include "report/diagnostic_report.hpp"
#include "report/report_save.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on model inconsistencies";

// Everything the report's sections need; `name` is the kept copy of the base
// name, since the name itself was forgotten when the base was refused.
struct Context {
    AppState& state;
    DiagnosticReport& report;
    const std::string& name;
};

bool model_base_loaded(const Context& c) {
    return c.state.kb.model.name.has_value();
}

// The advice on removing the inconsistencies, with its note; the faulty base
// is discarded.
void advise_editing(const Context& c, const std::string& note) {
    ReportWriter& out = c.report.out();
    out.plain(" Enter 'Model Base',\n");
    out.plain(" choose option 'Model Base Editing', \n");
    out.plain(" choose faulty base and remove the inconsistencies.\n");
    c.report.note(note).show_note();
    discard_model_base(c.state.kb.model, c.state.askables);
}

// The heading of the arithmetical models found `how` inconsistent.
void write_arithmetical_heading(const Context& c, const std::string& how) {
    const std::string text = "The following arithmetical models are " + how + " inconsistent:";
    c.report.out().piszcr();
    c.report.line(" " + text, text, 1);
    c.report.show_note();
}

void write_direct(const Context& c) {
    write_arithmetical_heading(c, "directly");
    for (const auto& record : c.state.model_findings.model_arytmetyczny_sprzeczny) {
        const std::string number = std::to_string(record.number);
        c.report.line(" The result '" + record.result + "'" + " of model " + number,
                      "The result\n   " + record.result + "\nof model " + number);
        c.report.line(" is the same as its argument.", "\nis the same as its argument.");
        c.report.show_note();
    }
}

void write_indirect(const Context& c) {
    write_arithmetical_heading(c, "indirectly");
    DiagnosticReport& r = c.report;
    for (const auto& record : c.state.model_findings.model_arytmetyczny_sprzeczny_gleboko) {
        const std::string number = std::to_string(record.number);
        // The chain ends with the model itself; the others are its nestings.
        const Numbers others = record.chain.empty()
                                   ? Numbers{}
                                   : Numbers(record.chain.begin(), record.chain.end() - 1);
        const std::string chain = join_numbers(record.chain, " ==> ");
        r.line(" The result '" + record.result + "'" + " of model " + number,
               "The result\n   " + record.result + "\nof model\n   " + number);
        r.line(" is the same as an argument of one of its nested models:",
               "\nis the same as an argument of \none of its nested models:" +
                   bracket_numbers(others));
        r.out().pisz("      ");
        r.out().pisz_liste_dla_raportu_i(number_texts(others));
        r.line("  This may be demonstrated by removing the nesting as follows: ",
               "\nThis may be demonstrated by \nremoving the nesting as follows: \n ");
        r.line("      " + chain, chain);
        r.show_note();
    }
}

void write_arithmetical(const Context& c) {
    const ModelFindings& f = c.state.model_findings;
    if (f.model_aryt_sprzeczny) {
        write_direct(c);
    }
    if (f.model_sprzeczny_gleboko) {
        write_indirect(c);
    }
    if ((f.model_aryt_sprzeczny || f.model_sprzeczny_gleboko) && !f.model_rela_sprzeczny) {
        advise_editing(c, std::string(" Enter 'Exact Model Base',") +
                              " choose option 'Model Base Editing', " +
                              "\nchoose faulty base and remove the inconsistencies.");
    }
    if (!f.model_aryt_sprzeczny && model_base_loaded(c)) {
        c.report.line(" Model Base " + c.name, "The Elementary Exact Model Base\n   " + c.name);
        c.report.line(" has no inconsistent arithmetical models.",
                      "\nhas no inconsistent arithmetical models.");
        c.report.show_note("Diagnostic Report on arithmetical model inconsistencies");
    }
}

void write_inconsistent_relational(const Context& c) {
    DiagnosticReport& r = c.report;
    r.out().piszcr();
    r.out().pisz(" The following relational models are inconsistent:");
    r.note("The following relational models are inconsistent:").show_note();
    r.out().piszcr();
    r.out().piszcr();
    for (const auto& record : c.state.model_findings.model_relacyjny_sprzeczny) {
        const std::string number = std::to_string(record.number);
        r.line(" The conclusion '" + record.conclusion + "'" + " of model " + number,
               "The conclusion\n   " + record.conclusion + "\nof model\n   " + number);
        r.line(" is the same as its go-ahead condition.", "is the same as its go-ahead condition.");
        r.show_note();
    }
    advise_editing(c, std::string("Enter 'Exact Model Base',") +
                          "\nchoose option 'Model Base Editing'," +
                          "\nchoose faulty base and remove the inconsistencies.");
}

void write_relational(const Context& c) {
    if (c.state.model_findings.model_rela_sprzeczny) {
        write_inconsistent_relational(c);
    } else if (model_base_loaded(c)) {
        c.report.line(" Model base " + c.name, "The Elementary Exact Model Base\n    " + c.name);
        c.report.out().pisz(" has no inconsistent relational models.");
        c.report.note("\nhas no inconsistent relational models.")
            .show_note("Diagnostic Report on relational model inconsistencies");
    }
}

} // namespace

bool pisz_sprzecznosc_mz(AppState& state, Dialogs& ui) {
    // Run on a base that was never refused, the report names the loaded base.
    const std::string name = state.duplikat_nazwy_mo.empty() ? loaded_name(state.kb.model.name)
                                                             : state.duplikat_nazwy_mo;
    DiagnosticReport report(state.report, ui, kTitle);
    const Context context{state, report, name};
    return report.write([&] {
        report.opening(" Diagnostic Report on model inconsistencies ", name);
        write_arithmetical(context);
        write_relational(context);
        report.out().piszcr();
        report.closing(" End of diagnostic report on inconsistencies in model base: ", name);
        report
            .note(
                " End of diagnostic report on inconsistencies in Elementary Exact Model Base\n   " +
                name)
            .show_note();
    });
}

} // namespace orve
