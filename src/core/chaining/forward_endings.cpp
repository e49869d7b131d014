#include "chaining/forward_endings.hpp"

#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/summary.hpp"
#include "kb/file_lookup.hpp"
#include "report/report_save.hpp"

namespace orve {

namespace {

// Writes and shows everything the run established. Every step of it succeeds
// as the program stands; a presentation that could not be completed would
// hand the run over to the no-conclusion ending.
bool present_results(AppState& state, Dialogs& ui) {
    ReportWriter out(state.report, ui);
    ui.note("Summary",
            "No possibilities of further chaining! Let's have a look at the forward chaining "
            "summary!");
    out.pisz("\n");
    out.pisz("No possibilities of further chaining!");
    out.piszcr();
    out.piszcr();
    opcja_z_menu_szczegolowosci(state.report, 2);
    przedstawienie_faktow(state, ui);
    out.piszcr();
    przedstawienie_zmiennych(state, ui);
    out.piszcr();
    out.pisz("This is all that may be inferred from the Knowledge Base " + state.wyroznik + ",");
    out.piszcr();
    out.pisz("from declared facts and declared argument values.");
    out.piszcr();
    out.piszcr();
    return true;
}

} // namespace

bool normal_ending(AppState& state, Dialogs& ui) {
    // The chaining dialogues take their data as arguments, so no dialogue
    // data is left over to clear here.
    if (!present_results(state, ui)) {
        return no_conclusion_ending(state, ui);
    }
    const std::string name = to_upper_ascii(state.wyroznik);
    ui.note("End of forward chaining",
            "This is all that may be inferred \nfrom the Knowledge Base\n   " + name +
                ",\nfrom declared facts and declared argument values.\n\nEnd of forward chaining.");
    ReportWriter out(state.report, ui);
    out.pisz("End of forward chaining");
    out.piszcr();
    out.piszcr();
    podsumowanie(state, ui);
    remember_run_end_and_clear_true(state.memory);
    return raport(out);
}

void end_ending(AppState& state, Dialogs& ui) {
    const std::string text = "Rule with 'end' conclusion ends the chaining process.";
    ReportWriter(state.report, ui).plain(text);
    ui.note("Attention - end!", text);
}

bool no_conclusion_ending(AppState& state, Dialogs& ui) {
    ReportWriter out(state.report, ui);
    out.pisz("\n");
    out.pisz(" Result of chaining:  no conclusion.");
    out.piszcr();
    ui.note("Attention!", "Result of chaining:  no conclusion.");
    no_conclusion_advice(state, ui);
    return raport(out);
}

} // namespace orve
