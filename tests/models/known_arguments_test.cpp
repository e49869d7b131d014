#include "models/known_arguments.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

ModelBase model_base() {
    ModelBase base;
    base.basic = {{1, "No condition", "area", "w", "*", "h", 1}};
    base.arguments_known = {{"w", 2.0}, {"area", 6.0}, {"h", 3.0}, {"depth", 1.0}};
    base.name = BaseName{"MOroom.EEB", "/kb/MOroom.EEB"};
    return base;
}

TEST(KnownArguments, DeclaredValuesOfAskableArgumentsPass) {
    ModelBase base = model_base();
    base.arguments_known.resize(1);
    AskableLists lists;
    lists.lista_argumentow_dopytywalnych = Names{"h", "w"};
    test::ScriptedDialogs ui;
    EXPECT_TRUE(testowanie_dopytywalnosci_argumentow(base, lists, ui));
    EXPECT_TRUE(base.name);
    EXPECT_EQ(ui.window, "");
}

TEST(KnownArguments, ADeclaredResultDropsTheModelBase) {
    ModelBase base = model_base();
    AskableLists lists;
    lists.lista_argumentow_dopytywalnych = Names{"h", "w"};
    test::ScriptedDialogs ui;
    EXPECT_FALSE(testowanie_dopytywalnosci_argumentow(base, lists, ui));
    EXPECT_EQ(ui.window,
              "Non-askable arguments declared as 'known_arguments()' in model base MOroom.EEB.\n"
              "The following arguments are non- askable: \n"
              "[\"area\",\"depth\"]Proceed to the option 'Model Base/'Model Base Editing',\n"
              "load the faulty base and remove the faults.");
    EXPECT_EQ(ui.notes, (std::vector<test::Note>{
                            {"Non-askable arguments declared as 'known_arguments()",
                             "The following non-askable arguments declared as "
                             "'known_arguments()'\n[\"area\",\"depth\"]\nProceed to the option "
                             "'Model Base/'Model Base Editing',\nload the faulty bases and "
                             "remove the faults"}}));
    EXPECT_FALSE(base.name);
    EXPECT_TRUE(base.basic.empty());
    EXPECT_TRUE(base.arguments_known.empty());
}

} // namespace
} // namespace orve
