// The diagnostic report of Model Base inconsistencies (command "Diagnosing
// Model Base inconsistencies"), written from the findings of the last load.
#include "model_verify/model_inconsistency_report.hpp"

#include "models/model_base_discard.hpp"
#include "report/report_save.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

const char* const kTitle = "Diagnostic Report on model inconsistencies";

// Everything the report's sections need; `name` is the kept copy of the base
// name, since the name itself was forgotten when the base was refused.
struct Context {
    AppState& state;
    ReportWriter& out;
    Dialogs& ui;
    const std::string& name;
};

bool model_base_loaded(const Context& c) {
    return c.state.kb.model.name.has_value();
}

void discard(const Context& c) {
    discard_model_base(c.state.kb.model, c.state.askables);
}

void advise_editing(const Context& c) {
    c.out.plain(" Enter 'Model Base',\n");
    c.out.plain(" choose option 'Model Base Editing', \n");
    c.out.plain(" choose faulty base and remove the inconsistencies.\n");
}

void write_direct(const Context& c) {
    c.out.piszcr();
    c.out.pisz(" The following arithmetical models are directly inconsistent:");
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kTitle,
              std::string("The following arithmetical models") + " are directly inconsistent:");
    for (const auto& record : c.state.model_findings.model_arytmetyczny_sprzeczny) {
        const std::string number = std::to_string(record.number);
        c.out.pisz(" The result '" + record.result + "'" + " of model " + number);
        c.out.piszcr();
        c.out.pisz(" is the same as its argument.");
        c.out.piszcr();
        c.ui.note(kTitle, "The result\n   " + record.result + "\nof model " + number +
                              "\nis the same as its argument.");
    }
}

void write_indirect(const Context& c) {
    c.out.piszcr();
    c.out.pisz(" The following arithmetical models are indirectly inconsistent:");
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kTitle,
              std::string("The following arithmetical models") + " are indirectly inconsistent:");
    for (const auto& record : c.state.model_findings.model_arytmetyczny_sprzeczny_gleboko) {
        const std::string number = std::to_string(record.number);
        // The chain ends with the model itself; the others are its nestings.
        const Numbers others = record.chain.empty()
                                   ? Numbers{}
                                   : Numbers(record.chain.begin(), record.chain.end() - 1);
        c.out.pisz(" The result '" + record.result + "'" + " of model " + number);
        c.out.piszcr();
        c.out.pisz(" is the same as an argument of one of its nested models:");
        c.out.piszcr();
        c.out.pisz("      ");
        c.out.pisz_liste_dla_raportu_i(number_texts(others));
        c.out.pisz("  This may be demonstrated by removing the nesting as follows: ");
        c.out.piszcr();
        c.out.pisz("      " + join_numbers(record.chain, " ==> "));
        c.out.piszcr();
        c.ui.note(kTitle, "The result\n   " + record.result + "\nof model\n   " + number +
                              "\nis the same as an argument of \none of its nested models:" +
                              bracket_numbers(others) +
                              "\nThis may be demonstrated by \nremoving the nesting as follows: "
                              "\n " +
                              join_numbers(record.chain, " ==> "));
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
        advise_editing(c);
        c.ui.note(kTitle, std::string(" Enter 'Exact Model Base',") +
                              " choose option 'Model Base Editing', " +
                              "\nchoose faulty base and remove the inconsistencies.");
        discard(c);
    }
    if (!f.model_aryt_sprzeczny && model_base_loaded(c)) {
        c.out.pisz(" Model Base " + c.name);
        c.out.piszcr();
        c.out.pisz(" has no inconsistent arithmetical models.");
        c.out.piszcr();
        c.ui.note("Diagnostic Report on arithmetical model inconsistencies",
                  "The Elementary Exact Model Base\n   " + c.name +
                      "\nhas no inconsistent arithmetical models.");
    }
}

void write_relational(const Context& c) {
    if (c.state.model_findings.model_rela_sprzeczny) {
        c.out.piszcr();
        c.out.pisz(" The following relational models are inconsistent:");
        c.ui.note(kTitle, std::string("The following relational models") + " are inconsistent:");
        c.out.piszcr();
        c.out.piszcr();
        for (const auto& record : c.state.model_findings.model_relacyjny_sprzeczny) {
            const std::string number = std::to_string(record.number);
            c.out.pisz(" The conclusion '" + record.conclusion + "'" + " of model " + number);
            c.out.piszcr();
            c.out.pisz(" is the same as its go-ahead condition.");
            c.out.piszcr();
            c.ui.note(kTitle, "The conclusion\n   " + record.conclusion + "\nof model\n   " +
                                  number + "is the same as its go-ahead condition.");
        }
        advise_editing(c);
        c.ui.note(kTitle, std::string("Enter 'Exact Model Base',") +
                              "\nchoose option 'Model Base Editing'," +
                              "\nchoose faulty base and remove the inconsistencies.");
        discard(c);
    } else if (model_base_loaded(c)) {
        c.out.pisz(" Model base " + c.name);
        c.out.piszcr();
        c.out.pisz(" has no inconsistent relational models.");
        c.ui.note("Diagnostic Report on relational model inconsistencies",
                  "The Elementary Exact Model Base\n    " + c.name +
                      "\nhas no inconsistent relational models.");
    }
}

} // namespace

bool pisz_sprzecznosc_mz(AppState& state, Dialogs& ui) {
    // Run on a base that was never refused, the report names the loaded base.
    const std::string name = state.duplikat_nazwy_mo.empty() ? loaded_name(state.kb.model.name)
                                                             : state.duplikat_nazwy_mo;
    kasowanie_tekst_raportu(state.report);
    ReportWriter out(state.report, ui);
    const Context context{state, out, ui, name};
    out.pisz(" Diagnostic Report on model inconsistencies ");
    out.piszcr();
    out.pisz(" " + name);
    out.piszcr();
    out.piszcr();
    write_arithmetical(context);
    write_relational(context);
    out.piszcr();
    out.piszcr();
    out.pisz(" End of diagnostic report on inconsistencies in model base: ");
    out.piszcr();
    out.pisz(" " + name + ".");
    ui.note(kTitle,
            " End of diagnostic report on inconsistencies in Elementary Exact Model Base\n   " +
                name);
    return raport(out);
}

} // namespace orve
