#include "models/tautological_models.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::Note;
using test::ScriptedDialogs;

ModelB basic(int number, std::string result, std::string a, std::string operation, std::string b) {
    return {
        number, "No condition", std::move(result), std::move(a), std::move(operation), std::move(b),
        1};
}

AppState with_models(std::vector<ModelB> models) {
    AppState state;
    state.kb.model.basic = std::move(models);
    state.kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
    return state;
}

const std::string kOfferWindow =
    "The model base MOheat.EEB\n"
    "has at least one arithmetical model which equates one variable name\n"
    "to another variable name. Such model is a tautology.\n\n";
const std::string kOfferQuestion = "yes_no: Choose: | The Elementary Exact Model Base\n     "
                                   "MOheat.EEB\nhas at least one arithmetical model which"
                                   "\nequates one variable name to another \nvariable name. "
                                   "Such model is a tautology.\n\nDo you wish to see "
                                   "tautological models?";

std::string model_window(int number, const std::string& replaced, const std::string& replacing) {
    return "Model " + std::to_string(number) + " is a tautology:  it replaces the variable: '" +
           replaced + "'\nwith another variable: '" + replacing + "'\n";
}

std::string model_question(int number, const std::string& replaced, const std::string& replacing) {
    return "yes_no: Tautological Model | Model " + std::to_string(number) +
           " is a tautology.  \nIt replaces the variable\n   " + replaced +
           "\nwith another variable\n   " + replacing +
           "\n\nDo you wish to see the next tautological model?";
}

TEST(TautologicalModels, RecordsRenamingModelsAdditiveKindFirst) {
    AppState state = with_models({
        basic(1, "p", "q", "*", "1"),   // multiplicative kind
        basic(2, "y", "x", "+", "0.0"), // additive kind
        basic(3, "z", "5", "+", "0"),   // a number, not a variable
        basic(4, "w", "v", "-", "2"),   // changes the value
        basic(5, "u", "t", "=", "0"),   // additive kind
        basic(6, "s", "r", "/", "1.0"), // multiplicative kind
        basic(7, "k", "j", "min", "0"), // not a renaming operator
        basic(8, "h", "g", "*", "0"),   // wrong neutral value
    });
    ScriptedDialogs ui;
    ui.answer({"n"});
    wykrywanie_modeli_tautologicznych(state, ui);
    EXPECT_EQ(state.model_findings.model_tautologiczny,
              (std::vector<TautologicalModel>{
                  {2, "y", "x"}, {5, "u", "t"}, {1, "p", "q"}, {6, "s", "r"}}));
    // Declining the offer ends the check after the message.
    EXPECT_EQ(ui.window, kOfferWindow);
    EXPECT_EQ(ui.log, (std::vector<std::string>{kOfferQuestion}));
}

TEST(TautologicalModels, NoTautologyNoOffer) {
    AppState state = with_models({basic(1, "y", "5", "+", "0")});
    state.model_findings.model_tautologiczny = {{9, "old", "older"}};
    ScriptedDialogs ui;
    wykrywanie_modeli_tautologicznych(state, ui);
    EXPECT_TRUE(state.model_findings.model_tautologiczny.empty());
    EXPECT_TRUE(ui.log.empty());
}

TEST(TautologicalModels, DecliningTheNextModelEndsTheListing) {
    AppState state = with_models({basic(2, "y", "x", "+", "0"), basic(3, "z", "y", "*", "1")});
    ScriptedDialogs ui;
    ui.answer({"y", "n"});
    wykrywanie_modeli_tautologicznych(state, ui);
    EXPECT_EQ(ui.window, kOfferWindow + model_window(2, "y", "x"));
    EXPECT_EQ(ui.log, (std::vector<std::string>{kOfferQuestion, model_question(2, "y", "x")}));
}

TEST(TautologicalModels, FullListingEndsWithTheAdvice) {
    AppState state = with_models({basic(2, "y", "x", "+", "0"), basic(3, "z", "y", "*", "1")});
    ScriptedDialogs ui;
    ui.answer({"y", "y", "y"});
    wykrywanie_modeli_tautologicznych(state, ui);
    EXPECT_EQ(ui.window,
              kOfferWindow + model_window(2, "y", "x") + model_window(3, "z", "y") +
                  "In some situations tautological models make the model base more readable;\n"
                  "in other situations they obscure the model base. \n"
                  "Then it is advised to remove them.\n"
                  "If you wish to delete or correct a tautological model,\n"
                  "enter 'Modele Base', choose option\n"
                  "'Model Base Editing' and load the tautological model base.\n\n"
                  "If not, proceed with loading the remaining bases.\n");
    EXPECT_EQ(
        ui.notes,
        (std::vector<Note>{
            {"Advice", "In some situations tautological models make the model base more readable;"
                       "\nin other situations they obscure the model base.  Then it is advised to "
                       "remove them.\nIf you wish to delete or correct a tautological model, enter "
                       "'Exact Modele Base', choose option\n'Model Base Editing' and remove  "
                       "tautological models. "}}));
    EXPECT_EQ(ui.log.size(), 4U); // the offer, two models, the advice
}

} // namespace
} // namespace orve
