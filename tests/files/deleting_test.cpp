// Deleting base and media files: the confirmation, the forgetting of the
// loaded base, and files that cannot be deleted.
#include "files/file_commands_fixture.hpp"

namespace orve::test {
namespace {

namespace fs = std::filesystem;

// Deleting a Rule Base file other than the loaded one still forgets the loaded
// Rule Base; chaining then says "Load Rule Base first!".
TEST_F(FileCommands, DeletingAnotherRuleBaseFileForgetsTheLoadedOne) {
    tree.write("BASES/RUother.EEB", kRules);
    ui.answer({path("RUother.EEB"), "1"});
    EXPECT_EQ(shell.run_command(10070), CommandResult::Completed);
    EXPECT_EQ(ui.log[0], "open_file: Pick Rule Base for Deleting | RU*.EEB");
    EXPECT_EQ(ui.log[1], "ask: Deleting the Rule Base | Do you really wish to delete the Rule Base "
                         "RUother.EEB ?");
    EXPECT_EQ(ui.notes.back(), (Note{"Attention!", "The Rule Base RUother.EEB has been deleted."}));
    EXPECT_FALSE(fs::exists(path("RUother.EEB")));
    EXPECT_TRUE(fs::exists(path("RUboiler.EEB")));
    EXPECT_FALSE(state().kb.rule.name);
    EXPECT_TRUE(state().kb.rule.rules.empty());

    ui.notes.clear();
    shell.run_command(10154);
    EXPECT_EQ(ui.notes, std::vector<Note>{(Note{"Attention!", "Load Rule Base first!"})});
}

TEST_F(FileCommands, OnlyYesDeletes) {
    for (const std::string answer : {"2", ""}) { // No, and closing the question
        ui.answer({path("RUboiler.EEB"), answer});
        shell.run_command(10070);
        EXPECT_TRUE(fs::exists(path("RUboiler.EEB")));
        EXPECT_TRUE(state().kb.rule.name);
    }
    ui.answer({""}); // a cancelled file dialogue asks nothing
    shell.run_command(10070);
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(FileCommands, EveryDeletingCommandAsksNotesAndForgetsItsBase) {
    auto& kb = state().kb;
    struct Case {
        int id;
        std::string file;
        std::string dialog;   // "title | pattern"
        std::string question; // "title | text"
        std::string done;
        const std::optional<BaseName>* forgotten; // the name record that goes, if any
    };
    const std::vector<Case> cases = {
        {10086, "MOx.EEB", "Pick Model Base for Deleting | MO*.EEB",
         "Deleting the Model Base | Do you really wish to delete the Model Base MOx.EEB ?",
         "The Model Base MOx.EEB has been deleted.", &kb.model.name},
        {10096, "COx.EEB", "Pick Constraint Base for Deleting | Co*.EEB",
         "Deleting the Constraint Base | Do you really wish to delete the Constraint Base COx.EEB "
         "?",
         "The Constraint Base COx.EEB has been deleted.", &kb.constraint.name},
        {10104, "ADx.EEB", "Pick Advice Base for Deleting | AD*.EEB",
         "Deleting Advice Base | Do you really wish to delete the Advice Base  ADx.EEB ?",
         "The Advice Base ADx.EEB has been deleted.", &kb.advice.name},
        {10116, "GRx.EEB", "Pick a Graphic Base for deleting | GR*.EEB",
         "Deleting the Graphic Base | Do you really wish to delete the Graphic Base GRx.EEB ?",
         "The Graphic Base GRx.EEB has been deleted.", &kb.graphics.name},
        {10127, "SOx.EEB", "Pick a Sound Base for deleting | So*.EEB",
         "Deleting the Sound Base | Do you really wish to delete the Sound Base  SOx.EEB ?",
         "The Sound Base SOx.EEB has been deleted.", &kb.sound.name},
        {10110, "a.hlp", "Deleting Advice File | *.hlp",
         "Deleting Advice File   | Do you really wish to delete the Advice  File a.hlp ?",
         "Advice Text File a.hlp has been deleted!", nullptr},
        {10121, "p.bmp", "Pick the Graphic File to be deleted! | *.bmp",
         "Delete the Graphic File | Do you really wish to delete the Graphic File  p.bmp ?",
         "The Graphic File p.bmp has been deleted.", nullptr},
        {10132, "s.wav", "Pick the Sound File to be deleted! | *.wav",
         "Delete the Sound File | Do you really wish to delete the Sound File s.wav ?",
         "Sound File s.wav has been deleted.", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const BaseName loaded{"loaded", "/loaded"};
        kb.model.name = kb.constraint.name = kb.advice.name = kb.graphics.name = kb.sound.name =
            loaded;
        kb.advice.clauses.resize(1);
        tree.write("BASES/" + c.file, "x");
        ui.log.clear();
        ui.notes.clear();
        ui.answer({path(c.file), "1"});
        shell.run_command(c.id);
        EXPECT_EQ(ui.log.at(0), "open_file: " + c.dialog);
        EXPECT_EQ(ui.log.at(1), "ask: " + c.question);
        EXPECT_EQ(ui.notes, std::vector<Note>{(Note{"Attention!", c.done})});
        EXPECT_FALSE(fs::exists(path(c.file)));
        for (const auto* name : {&kb.model.name, &kb.constraint.name, &kb.advice.name,
                                 &kb.graphics.name, &kb.sound.name}) {
            EXPECT_EQ(name->has_value(), name != c.forgotten);
        }
        EXPECT_EQ(kb.advice.clauses.empty(), c.forgotten == &kb.advice.name);
        EXPECT_TRUE(kb.rule.name);
    }
}

TEST_F(FileCommands, AFileThatCannotBeDeletedIsNamedWithTheCauseAndNothingIsForgotten) {
    fs::create_directories(tree.path("BASES/RUfolder.EEB"));
    const struct {
        std::string file;
        std::string cause;
    } cases[] = {
        {path("RUmissing.EEB"), "No such file or directory"},
        {path("RUfolder.EEB"), "it is a folder"},
        {path("nowhere/RUx.EEB"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ui.notes.clear();
        ui.answer({c.file, "1"});
        shell.run_command(10070);
        ASSERT_EQ(ui.notes.size(), 1U);
        EXPECT_EQ(ui.notes[0].title, "Attention error!");
        EXPECT_EQ(ui.notes[0].text, "Cannot delete file " + c.file + ": " + c.cause + ".");
        EXPECT_TRUE(state().kb.rule.name);
    }
    EXPECT_TRUE(fs::is_directory(tree.path("BASES/RUfolder.EEB")));
}

} // namespace
} // namespace orve::test
