#include "model_verify/model_inconsistency.hpp"
#include "model_verify/model_inconsistency_report.hpp"

#include "model_fixture.hpp"
#include "model_verify/model_inconsistency_analysis.hpp"
#include "report/report_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::basic;
using test::extended;
using test::model_state;
using test::Note;
using test::ScriptedDialogs;

const std::string kTitle = "Diagnostic Report on model inconsistencies";

// Model 5 computes y from a, model 3 a from b and model 7 b from y.
std::vector<ModelB> chain_models() {
    return {basic(5, "No condition", "y", "a", "+", "1"),
            basic(3, "No condition", "a", "b", "*", "2"),
            basic(7, "No condition", "b", "y", "-", "1")};
}

std::string indirect_records(const std::vector<ModelB>& models) {
    ModelFindings findings;
    ModelBase base;
    base.basic = models;
    examine_model_inconsistency(base, findings);
    std::string text;
    for (const auto& record : findings.model_arytmetyczny_sprzeczny_gleboko) {
        text += std::to_string(record.number) + ":" + record.result + "[";
        for (const int number : record.chain) {
            text += std::to_string(number) + " ";
        }
        text += "]";
    }
    return text;
}

TEST(ModelInconsistencyAnalysis, IndirectSearch) {
    struct Case {
        const char* what;
        std::vector<ModelB> models;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"every model of a cycle, each with its own rotation", chain_models(),
         "5:y[7 3 5 ]3:a[5 7 3 ]7:b[3 5 7 ]"},
        {"a cycle reached only through a later argument is not found",
         {basic(1, "No condition", "y", "a", "+", "c"),
          basic(2, "No condition", "a", "d", "*", "2"),
          basic(3, "No condition", "c", "y", "-", "1")},
         "3:c[1 3 ]"},
        {"the same cycle through the first argument is found",
         {basic(1, "No condition", "y", "c", "+", "a"),
          basic(2, "No condition", "a", "d", "*", "2"),
          basic(3, "No condition", "c", "y", "-", "1")},
         "1:y[3 1 ]3:c[1 3 ]"},
        {"nestings leading round in a circle without the result end",
         {basic(1, "No condition", "y", "a", "+", "0"),
          basic(2, "No condition", "a", "b", "+", "0"),
          basic(3, "No condition", "b", "a", "+", "0")},
         "2:a[3 2 ]3:b[2 3 ]"},
        {"one-argument functions take no part",
         {basic(1, "No condition", "y", "a", "sqrt", "0"),
          basic(2, "No condition", "a", "y", "sqrt", "0")},
         ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(indirect_records(c.models), c.expected) << c.what;
    }
}

TEST(ModelInconsistencyAnalysis, LiteralArgumentsAreNotFollowed) {
    // Following the literal "3" into model 2 would lead on to model 4 and y.
    ModelBase base;
    base.basic = {basic(1, "No condition", "y", "3", "+", "x"),
                  basic(2, "No condition", "3", "b", "+", "0"),
                  basic(4, "No condition", "b", "y", "*", "1")};
    EXPECT_EQ(indirect_chain(lista_argumentow_modelu_arytmetycznego(base), 0), std::nullopt);
}

TEST(ModelInconsistencyAnalysis, DirectAndRelationalFindings) {
    ModelBase base;
    base.basic = {basic(1, "No condition", "y", "y", "+", "1"),
                  basic(2, "No condition", "z", "y", "*", "2"),
                  basic(6, "No condition", "w", "w", "sqrt", "0"),
                  basic(8, "x", "x", "p", ">", "10"),
                  basic(9, "No condition", "hot", "p", "<", "5"),
                  basic(10, "No condition", "No condition", "p", "<", "5")};
    base.extended = {extended(11, "ok", "ok", "<,<", {"0", "t", "9"}),
                     extended(12, "q", "q", "+", {"q", "1"})};
    ModelFindings findings;
    findings.model_relacyjny_sprzeczny = {{99, "left from an earlier load"}};

    examine_model_inconsistency(base, findings);

    EXPECT_EQ(findings.model_arytmetyczny_sprzeczny,
              (std::vector<DirectModelInconsistency>{{1, "y"}, {12, "q"}}));
    EXPECT_TRUE(findings.model_arytmetyczny_sprzeczny_gleboko.empty());
    EXPECT_EQ(findings.model_relacyjny_sprzeczny, (std::vector<RelationalModelInconsistency>{
                                                      {8, "x"}, {10, "No condition"}, {11, "ok"}}));
    EXPECT_TRUE(findings.model_aryt_sprzeczny);
    EXPECT_FALSE(findings.model_sprzeczny_gleboko);
    EXPECT_TRUE(findings.model_rela_sprzeczny);
}

TEST(ModelInconsistencyNotice, RefusesTheBaseAndPointsToTheReport) {
    AppState state = model_state("MOchain.EEB", chain_models());
    ScriptedDialogs ui;

    EXPECT_FALSE(informuj_sprzecznosc_mz(state, ui));

    EXPECT_EQ(ui.window, " The loaded model base contains at least one inconsistency. \n"
                         " The loaded model base may be only edited, but not used for chaining.\n"
                         " You may also run a diagnostic check revealing the nature of \n"
                         " inconsistency.\n"
                         " For this proceed to the option: \n"
                         " 'Model Base/Diagnosing Model Base inconsistencies'\n"
                         "\n"
                         " where a detailed message highlighting the nature of inconsistencies\n"
                         " is to be found.\n"
                         "\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{
                            {kTitle, "The Elementary Exact Model Base\n   MOchain.EEB\n"
                                     "contains at least one inconsistency.\n"
                                     "The  base may be only edited,\nbut not used for chaining.\n"
                                     "You may also run a diagnostic check revealing the natrure "
                                     "of inconsistency.\nFor this proceed to the option:\n"
                                     "   'Exact Model Base\n     Diagnosing Model Base "
                                     "inconsistencies'where a detailed message highlighting \n"
                                     "the nature of inconsistencies is to be found."}}));
    EXPECT_EQ(ui.command_changes, (std::map<int, bool>{{10087, true}}));
    EXPECT_FALSE(state.kb.model.name.has_value());
    EXPECT_EQ(state.kb.model.basic.size(), 3U);
    EXPECT_EQ(state.duplikat_nazwy_mo, "MOchain.EEB");
}

TEST(ModelInconsistencyNotice, ConsistentBasePassesSilently) {
    AppState state = model_state("MOok.EEB", {basic(1, "No condition", "y", "a", "+", "b")});
    ScriptedDialogs ui;

    EXPECT_TRUE(informuj_sprzecznosc_mz(state, ui));

    EXPECT_TRUE(ui.log.empty());
    EXPECT_TRUE(state.kb.model.name.has_value());
    EXPECT_FALSE(state.model_findings.inconsistent());
}

std::string indirect_text(const std::string& result, const std::string& number,
                          const std::string& others, const std::string& chain) {
    return " The result '" + result + "' of model " + number +
           "\n is the same as an argument of one of its nested models:\n      " + others +
           "\n  This may be demonstrated by removing the nesting as follows: \n      " + chain +
           "\n";
}

Note indirect_note(const std::string& result, const std::string& number, const std::string& others,
                   const std::string& chain) {
    return {kTitle, "The result\n   " + result + "\nof model\n   " + number +
                        "\nis the same as an argument of \none of its nested models:" + others +
                        "\nThis may be demonstrated by \nremoving the nesting as follows: \n " +
                        chain};
}

const char* const kAdvice = " Enter 'Model Base',\n choose option 'Model Base Editing', \n"
                            " choose faulty base and remove the inconsistencies.\n";

TEST(ModelInconsistencyReport, IndirectChainsThenDiscardsTheBase) {
    AppState state = model_state("MOchain.EEB", chain_models());
    ScriptedDialogs silent;
    informuj_sprzecznosc_mz(state, silent);
    state.askables.lista_wynikow_modeli = Names{"y", "a", "b"};
    state.report.text = "left from an earlier command";
    ScriptedDialogs ui;
    ui.answer({"2"});

    EXPECT_TRUE(pisz_sprzecznosc_mz(state, ui));

    const std::string heading = " Diagnostic Report on model inconsistencies \n MOchain.EEB\n\n"
                                "\n The following arithmetical models are indirectly "
                                "inconsistent:\n\n";
    const std::string records = indirect_text("y", "5", "7,3", "7 ==> 3 ==> 5") +
                                indirect_text("a", "3", "5,7", "5 ==> 7 ==> 3") +
                                indirect_text("b", "7", "3,5", "3 ==> 5 ==> 7");
    const std::string ending =
        "\n\n End of diagnostic report on inconsistencies in model base: \n MOchain.EEB.";
    EXPECT_EQ(state.report.text, heading + records + ending);
    EXPECT_EQ(ui.window,
              heading + records + kAdvice + ending + " Do you wish to save the report?  ");
    const std::vector<Note> notes = {
        {kTitle, "The following arithmetical models are indirectly inconsistent:"},
        indirect_note("y", "5", "[7,3]", "7 ==> 3 ==> 5"),
        indirect_note("a", "3", "[5,7]", "5 ==> 7 ==> 3"),
        indirect_note("b", "7", "[3,5]", "3 ==> 5 ==> 7"),
        {kTitle, " Enter 'Exact Model Base', choose option 'Model Base Editing', \n"
                 "choose faulty base and remove the inconsistencies."},
        {kTitle, " End of diagnostic report on inconsistencies in Elementary Exact Model Base\n"
                 "   MOchain.EEB"}};
    EXPECT_EQ(ui.notes, notes);
    EXPECT_TRUE(state.kb.model.basic.empty());
    EXPECT_FALSE(state.askables.lista_wynikow_modeli.has_value());
}

TEST(ModelInconsistencyReport, DirectAndRelationalSectionsAndSaving) {
    AppState state = model_state("MOmixed.EEB", {basic(1, "No condition", "y", "y", "+", "1"),
                                                 basic(8, "x", "x", "p", ">", "10")});
    ScriptedDialogs silent;
    informuj_sprzecznosc_mz(state, silent);
    test::TempTree tree;
    const std::string path = tree.path("MIX.RPT").string();
    ScriptedDialogs ui;
    ui.answer({"1", path});

    EXPECT_TRUE(pisz_sprzecznosc_mz(state, ui));

    const std::string direct = " Diagnostic Report on model inconsistencies \n MOmixed.EEB\n\n"
                               "\n The following arithmetical models are directly inconsistent:\n\n"
                               " The result 'y' of model 1\n is the same as its argument.\n";
    const std::string relational = "\n The following relational models are inconsistent:\n\n"
                                   " The conclusion 'x' of model 8\n"
                                   " is the same as its go-ahead condition.\n";
    const std::string ending =
        "\n\n End of diagnostic report on inconsistencies in model base: \n MOmixed.EEB.";
    const std::string report = direct + relational + ending;
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(ui.window, direct + relational + kAdvice + ending +
                             " Do you wish to save the report?  "
                             " Declare name of report (*.RPT): \n Report " +
                             path + " has been saved.\n\n\n");
    const std::vector<Note> notes = {
        {kTitle, "The following arithmetical models are directly inconsistent:"},
        {kTitle, "The result\n   y\nof model 1\nis the same as its argument."},
        {kTitle, "The following relational models are inconsistent:"},
        {kTitle, "The conclusion\n   x\nof model\n   8is the same as its go-ahead condition."},
        {kTitle, "Enter 'Exact Model Base',\nchoose option 'Model Base Editing',\n"
                 "choose faulty base and remove the inconsistencies."},
        {kTitle, " End of diagnostic report on inconsistencies in Elementary Exact Model Base\n"
                 "   MOmixed.EEB"},
        {"Attention!", "Report MIX.RPT  has been saved."}};
    EXPECT_EQ(ui.notes, notes);
    EXPECT_EQ(parse_report_file(test::read_file(path)), report);
    EXPECT_TRUE(state.kb.model.basic.empty());
}

TEST(ModelInconsistencyReport, LoadedBaseWithoutFindingsSaysSo) {
    AppState state = model_state("MOok.EEB", {basic(1, "No condition", "y", "a", "+", "b")});
    ScriptedDialogs ui;
    ui.answer({"2"});

    EXPECT_TRUE(pisz_sprzecznosc_mz(state, ui));

    EXPECT_EQ(state.report.text,
              " Diagnostic Report on model inconsistencies \n MOok.EEB\n\n"
              " Model Base MOok.EEB\n has no inconsistent arithmetical models.\n"
              " Model base MOok.EEB\n has no inconsistent relational models."
              "\n\n End of diagnostic report on inconsistencies in model base: \n MOok.EEB.");
    ASSERT_EQ(ui.notes.size(), 3U);
    EXPECT_EQ(ui.notes[0], (Note{"Diagnostic Report on arithmetical model inconsistencies",
                                 "The Elementary Exact Model Base\n   MOok.EEB\n"
                                 "has no inconsistent arithmetical models."}));
    EXPECT_EQ(ui.notes[1], (Note{"Diagnostic Report on relational model inconsistencies",
                                 "The Elementary Exact Model Base\n    MOok.EEB\n"
                                 "has no inconsistent relational models."}));
    EXPECT_EQ(state.kb.model.basic.size(), 1U);
}

} // namespace
} // namespace orve
