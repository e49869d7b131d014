#include "verify/external_inconsistency.hpp"
#include "verify/external_inconsistency_report.hpp"

#include "report/report_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::boiler_state;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

const std::string kTitle = "Diagnostic Report on external inconsistencies of rule base";

// A cycle of three rules first, then a pair of rules, then a rule needing its
// own conclusion: the report groups them self, direct, indirect.
std::vector<Rule> mixed_base() {
    return {rule(1, "p", {"q"}), rule(2, "q", {"s"}), rule(3, "s", {"p"}),
            rule(4, "k", {"c"}), rule(5, "c", {"k"}), rule(6, "a", {"a", "b"})};
}

std::string indirect(const std::string& a, const std::string& b, const std::string& chain) {
    return " Rule " + a + " is externally indirectly IEE1-inconsistent with rule " + b +
           ".\n This can be shown by introducing " + chain + "\n\n\n";
}

TEST(ExternalInconsistencyReport, WritesEveryKindAndOffersSaving) {
    AppState state = boiler_state(mixed_base());
    badaj_sprzecznosc_1z(state.kb.rule, state.findings);
    state.report.text = "left from an earlier command";
    test::TempTree tree;
    const std::string path = tree.path("IEE1.RPT").string();
    ScriptedDialogs ui;
    ui.answer({"1", path});

    pisz_sprzecznosc_1z(state, ui);

    const std::string heading =
        "Diagnostic Report on external inconsistencies of Rule Base:\n RUboiler.EEB\n\n"
        "  Following rules are externally IEE1-inconsistent:\n\n"
        " Rule 6 is externally IEE1-self-inconsistent. \n\n"
        " Rule  4 is externally directly IEE1-inconsistent with rule 5.\n"
        " This can be demonstrated by introducing  5 ==> 4\n\n\n"
        " Rule  5 is externally directly IEE1-inconsistent with rule 4.\n"
        " This can be demonstrated by introducing  4 ==> 5\n\n\n";
    const std::string ending = "\n End of diagnostic report on external inconsistencies of rule "
                               "base: \n RUboiler.EEB.";
    const std::string i1 = indirect("1", "3", "3 ==> 2 ==> 1");
    const std::string i2 = indirect("2", "1", "1 ==> 3 ==> 2");
    const std::string i3 = indirect("3", "2", "2 ==> 1 ==> 3");

    const std::string report = heading + i1 + i2 + i3 + ending;
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(ui.window, heading + "\n\n" + i1 + "\n\n" + i2 + "\n\n" + i3 + ending +
                             " Do you wish to save the report?  "
                             " Declare name of report (*.RPT): "
                             "\n Report " +
                             path + " has been saved.\n\n\n");
    const std::vector<Note> notes = {
        {"Diagnostic Report on external inconsistencies of Rule Base",
         "Diagnostic Report on external inconsistencies of \nElementary Exact Rule Base\n"
         "RUboiler.EEB."},
        {kTitle, "Following rules are externally IEE1-inconsistent:"},
        {kTitle, "Rule 6 is externally IEE1-selfinconsistent."},
        {kTitle, "Rule 4 is externally directly IEE1-inconsistent with rule  5.\n"
                 "This can be demonstrated by introducing  5 to 4."},
        {kTitle, "Rule 5 is externally directly IEE1-inconsistent with rule  4.\n"
                 "This can be demonstrated by introducing  4 to 5."},
        {kTitle, "Rule 1 is externally indirectly IEE1-inconsistent with rule 3.\n"
                 "This can be shown by introducing: 3==>2==>1."},
        {kTitle, "Rule 2 is externally indirectly IEE1-inconsistent with rule 1.\n"
                 "This can be shown by introducing: 1==>3==>2."},
        {kTitle, "Rule 3 is externally indirectly IEE1-inconsistent with rule 2.\n"
                 "This can be shown by introducing: 2==>1==>3."},
        {kTitle, "End of Diagnostic Report on external inconsistencies of\n"
                 "Elementary Exact Rule Base\nRUboiler.EEB."},
        {"Attention!", "Report IEE1.RPT  has been saved."},
    };
    EXPECT_EQ(ui.notes, notes);
    EXPECT_EQ(parse_report_file(test::read_file(path)), report);
}

TEST(ExternalInconsistencyReport, RecordsLeftOutAreToldAfterTheListedOnes) {
    const std::string pair = " Rule  1 is externally directly IEE1-inconsistent with rule 2.\n"
                             " This can be demonstrated by introducing  2 ==> 1\n\n\n";
    const std::string ending = "\n End of diagnostic report on external inconsistencies of rule "
                               "base: \n RUboiler.EEB.";
    struct Case {
        UnlistedInconsistencies unlisted;
        std::string line;
    };
    const Case cases[] = {
        {{1, true}, "Only the first 1 inconsistency is listed; there is 1 more cycle path."},
        {{4096, true},
         "Only the first 1 inconsistency is listed; there are 4096 more cycle paths."},
        {{7, false},
         "Only the first 1 inconsistency is listed; there are more cycle paths, too many to "
         "count."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        AppState state = boiler_state({rule(1, "k", {"c"}), rule(2, "c", {"k"})});
        state.findings.reguly_sprzeczne = {{1, 2, {2, 1}}};
        state.findings.unlisted_inconsistencies = c.unlisted;
        ScriptedDialogs ui;
        ui.answer({"2"});

        pisz_sprzecznosc_1z(state, ui);

        EXPECT_EQ(state.report.text,
                  "Diagnostic Report on external inconsistencies of Rule Base:\n RUboiler.EEB\n\n"
                  "  Following rules are externally IEE1-inconsistent:\n\n" +
                      pair + " " + c.line + "\n\n" + ending);
        ASSERT_EQ(ui.notes.size(), 5U);
        EXPECT_EQ(ui.notes[3], (Note{kTitle, c.line}));
    }
}

TEST(ExternalInconsistencyReport, NothingRecordedOnlyTellsSo) {
    AppState state = boiler_state({rule(1, "k", {"c"})});
    state.report.text = "kept";
    ScriptedDialogs ui;

    pisz_sprzecznosc_1z(state, ui);

    EXPECT_EQ(ui.window, " Rule base RUboiler.EEB\n is not externally IEE1-inconsistent.\n");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{{"Attention!", "Rule base\n   RUboiler.EEB\n"
                                                "is not externally IEE1-inconsistent."}}));
    EXPECT_EQ(state.report.text, "kept");
    EXPECT_TRUE(ui.log.size() == 1); // the note only: no save offer
}

} // namespace
} // namespace orve
