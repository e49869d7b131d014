// The abstract dialogue shown at the start of chaining.
#include "chaining/abstracts.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class Abstract : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;

    void SetUp() override {
        tree.write("BASES/RUboiler.EEB", "");
        std::filesystem::current_path(tree.path("BASES"));
        state.opis = "../ABSTRACTS/boiler.abs"; // as Rule Base loading records it
    }
};

TEST_F(Abstract, ShownWholeUnderTheUpperCaseName) {
    tree.write("ABSTRACTS/boiler.abs", "Boiler diagnosis.\nTwo lines.");
    czytaj_opis(state, ui);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "show_headed_text: Abstract inspection | Inspecting the abstract BOILER "
                          "| Boiler diagnosis.\nTwo lines."}));
}

TEST_F(Abstract, FoundWhenItsNameDiffersInCase) {
    tree.write("Abstracts/Boiler.ABS", "Windows text\r\n");
    czytaj_opis(state, ui);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "show_headed_text: Abstract inspection | Inspecting the abstract BOILER "
                          "| Windows text\n"}));
}

TEST_F(Abstract, ByteOrderMarkIsNoPartOfTheText) {
    tree.write("ABSTRACTS/boiler.abs", "\xEF\xBB\xBFUTF-8 text\r\n");
    czytaj_opis(state, ui);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "show_headed_text: Abstract inspection | Inspecting the abstract BOILER "
                          "| UTF-8 text\n"}));
}

TEST_F(Abstract, MissingAbstractShowsNothing) {
    tree.write("ABSTRACTS/other.abs", "not ours");
    czytaj_opis(state, ui);
    state.opis.clear(); // no Rule Base loaded
    czytaj_opis(state, ui);
    EXPECT_TRUE(ui.log.empty());
}

} // namespace
} // namespace orve::test
