#include "chaining/backward_outcome.hpp"

#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/summary.hpp"
#include "report/number_format.hpp"
#include "report/report_save.hpp"

#include <algorithm>
#include <cctype>

namespace orve {

namespace {

// The texts that differ between the four kinds of verified runs.
struct VerdictTexts {
    std::string true_written;
    std::string true_shown;
    std::string announcement;
    std::string final_note;
};

std::string upper_name(const AppState& state) {
    std::string name = state.wyroznik;
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return name;
}

std::string final_note_without_models(const std::string& w, const std::string& h) {
    return "This is all that has been derived from the Knowledge Base  \n     " + w +
           "\nfrom declared facts and argument values\nwhile successfully backward chaining "
           "for hypothesis\n    " +
           h;
}

VerdictTexts verdict_texts(const AppState& state, HypothesisType type, const std::string& w,
                           const std::string& h) {
    const bool models = state.kb.model.name.has_value();
    const std::string summary = "A summary of backward chaining follows";
    if (type == HypothesisType::Narrow && models) {
        return {" is true for the knowledge base ", "is true for the knowledge base ", summary,
                "This is all that has been derived \nfrom the Knowledge Base\n   " + w +
                    ",\nfrom declared facts and argument values\nwhile successfully backward "
                    "chaining for \nhypothesis\n   " +
                    h};
    }
    if (type == HypothesisType::Narrow) {
        return {"is true for the knowledge base ", "is true for the knowledge base: ", summary,
                final_note_without_models(w, h)};
    }
    if (models) {
        return {"is true for the knowledge base ", "is true for the knowledge base: ", summary,
                "This is all that has been derived from the Knowledge Base  " + w +
                    "\nfrom declared facts and argument values\nwhile successfully backward "
                    "chaining for hypothesis\n    " +
                    h};
    }
    return {"is true for  the knowledge base ", "is true for the knowledge base: ",
            "Let's have a look at the backward chaining summary!", final_note_without_models(w, h)};
}

std::string type_line(HypothesisType type) {
    return type == HypothesisType::Narrow ? "The narrow-sense hypothesis:"
                                          : "The wide-sense hypothesis:";
}

// Everything established, at the high level of detail.
void present_all(AppState& state, Dialogs& ui) {
    state.report.detail = DetailLevel::High;
    ReportWriter out(state.report, ui);
    przedstawienie_faktow(state, ui);
    out.piszcr();
    przedstawienie_zmiennych(state, ui);
    out.piszcr();
}

} // namespace

void hypothesis_verified(AppState& state, Dialogs& ui, BackwardRun& run, int number) {
    const std::string h = run.hipoteza.value_or("");
    const std::string w = upper_name(state);
    const VerdictTexts texts = verdict_texts(state, run.type, w, h);
    ReportWriter out(state.report, ui);
    out.pisz(type_line(run.type));
    out.piszcr();
    out.pisz("  " + h);
    out.piszcr();
    out.pisz(texts.true_written + w + ",");
    out.piszcr();
    out.pisz("declared facts and argument values.");
    out.piszcr();
    out.piszcr();
    ui.message_list("Result of backward chaining",
                    {type_line(run.type) + "  ", "   " + h, texts.true_shown, "   " + w,
                     "declared facts and argument values",
                     "on the strength of rule " + format_int(number) + "."});
    udziel_rady(state, ui, number, h);
    wyswietl_grafike(state, ui, number, h);
    przesluchaj_melodie(state, ui, number, h);
    ui.note("Attention!", texts.announcement);
    present_all(state, ui);
    for (const auto& line : {"This is all that has been derived from the Knowledge Base " + w,
                             std::string{"from declared facts and argument values"},
                             std::string{"while successfully backward chaining for hypothesis:"}}) {
        out.pisz(line);
        out.piszcr();
    }
    out.pisz(h);
    ui.note("End of backward chaining", texts.final_note);
    run.hipoteza.reset();
    podsumowanie(state, ui);
    raport(out);
}

void hypothesis_not_verified(AppState& state, Dialogs& ui, BackwardRun& run) {
    const std::string h = run.hipoteza.value_or("");
    const std::string w = upper_name(state);
    ReportWriter out(state.report, ui);
    out.pisz("The hypothesis: " + h);
    out.piszcr();
    out.pisz("is not instantiated for the knowledge base  " + w +
             " declared facts and declared argument values.");
    out.piszcr();
    ui.message_list("Result of backward chaining",
                    {"The hypothesis: ", "    " + h,
                     "is not instantiated in view of the knowledge base ", "    " + w,
                     "declared facts and argument values",
                     "because of the 'open world' assumption."});
    ui.note("Summary", "A summary of backward chaining follows");
    present_all(state, ui);
    out.pisz("Thats all that has been inferred from Knowledge Base " + w);
    out.piszcr();
    out.pisz("from declared facts and argument values while unsuccessfully backward chaining "
             "for hypothesis");
    out.piszcr();
    out.pisz("   " + h + ".");
    ui.note("End of backward chaining",
            "Thats all that has been inferred from Knowledge Base\n     " + w +
                "\nfrom declared facts and argument values\nwhile unsuccessfully backward "
                "chaining for hypothesis\n     " +
                h);
    run.hipoteza.reset();
    raport(out);
}

} // namespace orve
