// Creating base files and advice texts: the dialogues, the empty file, what is
// emptied in memory, and the offer to edit.
#include "files/file_commands_fixture.hpp"

#include <algorithm>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

bool logged(const ScriptedDialogs& ui, const std::string& line) {
    return std::find(ui.log.begin(), ui.log.end(), line) != ui.log.end();
}

TEST_F(FileCommands, EveryCreatingCommandEmptiesAnExistingFileAndOffersEditing) {
    struct Case {
        int id;
        std::string file;
        std::string dialog; // "title | pattern"
        Note note;
        std::string question; // "title | text"
    };
    const std::string proceed = "Proceeding with base editing | Do you wish to proceed with "
                                "editing the base ";
    const std::vector<Case> cases = {
        {10069,
         "RUnew.EEB",
         "Declare name of new Rule Base (RUKnowledge_Base_Name.EEB) | RU*.EEB",
         {"Creating a new Rule Base", "New Rule Base RUnew.EEB has been created."},
         proceed + "RUnew.EEB ?"},
        {10085,
         "MOnew.EEB",
         "Declare name of new Model Base (MOKnowledge_Base.EEB) | MO*.EEB",
         {"Creating a new Model Base", "New Model Base MOnew.EEB has been created."},
         proceed + "MOnew.EEB ?"},
        {10095,
         "COnew.EEB",
         "Declare name of new Constraint Base (COKnowledge_Base_Name.EEB) | CO*.EEB",
         {"Creating a new Constraint Base", "New Constraint Base  COnew.EEB has been created."},
         proceed + "COnew.EEB ?"},
        {10103,
         "ADnew.EEB",
         "Declare name of new Advice Base (ADKnowledge_Base_Name.EEB) | AD*.EEB",
         {"Creating a new Advice Base", "New Advice Base ADnew.EEB has been created."},
         proceed + "ADnew.EEB ?"},
        {10115,
         "GRnew.EEB",
         "Declare name of new Graphic Base (GRKnowledge_Base_Name.EEB) | GR*.EEB",
         {"Creating a new Graphic Base", "New Graphic Base GRnew.EEB has been created."},
         "Proceeding with Graphic Base editing  | Do you wish to proceed with editing the new "
         "Graphic Base  GRnew.EEB ?"},
        {10126,
         "SOnew.EEB",
         "Declare name of new  Sound Base (SOKnowledge_Base_Name.EEB) | So*.EEB",
         {"Creating a new Sound Base", "New  Sound Base SOnew.EEB has been created."},
         "Proceeding with Sound Base editing | Do you wish to proceed with editing the new Sound "
         "Base SOnew.EEB ?"},
        {10109,
         "pump.hlp",
         "Creating Advice File | *.hlp",
         {"Creating Advice File", "New Advice File pump.hlp has been created!"},
         "Creating Advice File | Do you wish to proceed with editing the Advice Filepump.hlp ?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        tree.write("BASES/" + c.file, "old contents\n");
        ui.log.clear();
        ui.notes.clear();
        ui.answer({path(c.file), "2"});
        EXPECT_EQ(shell.run_command(c.id), CommandResult::Completed);
        EXPECT_TRUE(logged(ui, "save_file: " + c.dialog));
        EXPECT_EQ(ui.notes, std::vector<Note>{c.note});
        EXPECT_EQ(ui.log.back(), "ask: " + c.question);
        EXPECT_TRUE(fs::is_regular_file(path(c.file)));
        EXPECT_EQ(fs::file_size(path(c.file)), 0U);
        EXPECT_TRUE(ui.edited.empty());
    }
}

// Creating a Rule Base and answering no to the editing question leaves an
// empty file and an empty in-memory rule table; no Rule Base is loaded.
TEST_F(FileCommands, CreatingARuleBaseAndAnsweringNoLeavesItEmpty) {
    ui.answer({path("RUnew.EEB"), "2"});
    shell.run_command(10069);
    EXPECT_EQ(read_file(path("RUnew.EEB")), "");
    EXPECT_TRUE(state().kb.rule.rules.empty());
    EXPECT_FALSE(state().kb.rule.name);
    EXPECT_TRUE(state().askables.lista_warunkow_dopytywalnych.empty());
    shell.run_command(10154);
    EXPECT_EQ(ui.notes.back(), (Note{"Attention!", "Load Rule Base first!"}));
}

TEST_F(FileCommands, AnsweringYesOpensTheEditorOnTheNewFile) {
    ui.answer({path("RUnew.EEB"), "1", "save:rule(1,\"a\",[\"b\",\"c\"],0)"});
    shell.run_command(10069);
    EXPECT_EQ(ui.edited, std::vector<std::string>{""});
    EXPECT_TRUE(logged(ui, "edit_text: Editing the file: RUnew.EEB | " + path("RUnew.EEB")));
    EXPECT_EQ(read_file(path("RUnew.EEB")), "rule(1,\"a\",[\"b\",\"c\"],0)");
}

// The tables of the kind are emptied before the dialogue, so a cancelled
// dialogue empties them too; the Rule Base only once its new file exists.
TEST_F(FileCommands, CreatingEmptiesItsKindsTablesEvenWhenCancelled) {
    auto& kb = state().kb;
    const auto fill = [&] {
        kb.model.basic.resize(1);
        kb.model.m_facts = {"noise"};
        kb.model.name = BaseName{"MOboiler.EEB", "/MOboiler.EEB"};
        kb.constraint.constraints.resize(1);
        kb.constraint.name = BaseName{"COboiler.EEB", "/COboiler.EEB"};
        for (MediaBase* base : {&kb.advice, &kb.graphics, &kb.sound}) {
            base->clauses.resize(1);
            base->name = BaseName{"XXboiler.EEB", "/XXboiler.EEB"};
        }
    };
    fill();
    ui.answer({"", "", "", "", "", "", ""});
    for (const int id : {10069, 10109}) {
        shell.run_command(id);
    }
    EXPECT_TRUE(kb.rule.name) << "the Rule Base stays until a new file exists";
    EXPECT_TRUE(kb.model.name);
    EXPECT_TRUE(kb.advice.name);

    shell.run_command(10085);
    EXPECT_FALSE(kb.model.name);
    EXPECT_TRUE(kb.model.basic.empty());
    EXPECT_TRUE(kb.model.m_facts.empty());

    shell.run_command(10095);
    EXPECT_TRUE(kb.constraint.constraints.empty());
    EXPECT_TRUE(kb.constraint.name) << "only the constraint table is emptied";

    for (const auto& [id, base] : {std::pair{10103, &kb.advice}, std::pair{10115, &kb.graphics},
                                   std::pair{10126, &kb.sound}}) {
        shell.run_command(id);
        EXPECT_FALSE(base->name) << id;
        EXPECT_TRUE(base->clauses.empty()) << id;
    }
    EXPECT_TRUE(ui.notes.empty());
}

TEST_F(FileCommands, AFileThatCannotBeCreatedIsNamedWithTheCause) {
    fs::create_directories(tree.path("BASES/RUfolder.EEB"));
    const struct {
        std::string file;
        std::string cause;
    } cases[] = {
        {path("missing/RUnew.EEB"), "No such file or directory"},
        {path("RUfolder.EEB"), "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ui.notes.clear();
        ui.answer({c.file});
        shell.run_command(10069);
        ASSERT_EQ(ui.notes.size(), 1U);
        EXPECT_EQ(ui.notes[0].title, "Attention error!");
        EXPECT_NE(ui.notes[0].text.find(c.file), std::string::npos);
        EXPECT_NE(ui.notes[0].text.find(c.cause), std::string::npos);
        EXPECT_TRUE(state().kb.rule.name) << "nothing else changes";
        EXPECT_EQ(state().kb.rule.rules.size(), 1U);
    }
    EXPECT_TRUE(fs::is_directory(tree.path("BASES/RUfolder.EEB")));
    EXPECT_TRUE(ui.answers.empty());
}

} // namespace
} // namespace orve::test
