// Browsing the media folders, the folder dialogues and finding the user guide.
#include "files/file_commands_fixture.hpp"
#include "files/media_browsing.hpp"
#include "files/user_guide.hpp"

namespace orve::test {
namespace {

namespace fs = std::filesystem;

const std::string kIncompatible = "The chosen base\n   MOboiler.EEB\nis not compatible with the "
                                  "already loaded \nelementary exact rule base\n    "
                                  "RUboiler.EEB\nand therefore can not be loaded.";

// After the advice browsing command, loading a Model Base is refused as not
// compatible until the Rule Base is loaded again.
TEST_F(FileCommands, AfterBrowsingAdviceAModelBaseIsRefusedUntilTheRuleBaseIsReloaded) {
    tree.write("ADVICES/boiler/a.hlp", "Check the pump.");
    tree.write("BASES/MOboiler.EEB", "m_fact(\"noise\")\n");
    ui.answer({tree.path("ADVICES/boiler/a.hlp").string()});
    EXPECT_TRUE(browse_media(state(), ui, MediaFolder::Advice));
    EXPECT_EQ(ui.log.at(0), "open_file: Inspection of advice subdirectories and  files | *.hlp");
    EXPECT_EQ(ui.log.at(1), "show_text: Advice Text File: a.hlp | Check the pump.");
    EXPECT_TRUE(state().wyroznik.empty());

    ui.answer({path("MOboiler.EEB")});
    shell.run_command(10074);
    EXPECT_EQ(ui.notes.back(), (Note{"Attention error!", kIncompatible}));
    EXPECT_FALSE(state().kb.model.name);

    load_rule_base();
    ui.answer({path("MOboiler.EEB")});
    shell.run_command(10074);
    EXPECT_TRUE(state().kb.model.name);
}

TEST_F(FileCommands, BrowsingForgetsTheNameEvenWhenCancelledAndShowsOrPlaysThePickedFile) {
    tree.write("GRAPHICS/boiler/pump.bmp", "BM");
    tree.write("SOUNDS/boiler/hum.wav", "RIFF");
    ui.answer({"", tree.path("GRAPHICS/boiler/pump.bmp").string(),
               tree.path("SOUNDS/boiler/hum.wav").string()});
    EXPECT_FALSE(browse_media(state(), ui, MediaFolder::Sound));
    EXPECT_TRUE(state().wyroznik.empty());
    browse_media(state(), ui, MediaFolder::Graphics);
    browse_media(state(), ui, MediaFolder::Sound);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Inspecting Sound File sudirectories or listening to  Sound "
                          "Files:  | *.wav",
                          "open_file: Inspecting Graphic File subdirectories or Graphic Files:  "
                          "| *.bmp",
                          "show_picture: Graphics file inspection | " +
                              tree.path("GRAPHICS/boiler/pump.bmp").string(),
                          "open_file: Inspecting Sound File sudirectories or listening to  Sound "
                          "Files:  | *.wav",
                          "play_sound: " + tree.path("SOUNDS/boiler/hum.wav").string()}));
}

TEST_F(FileCommands, ABrowsedFileThatCannotBeReadIsNamedWithTheCause) {
    fs::create_directories(tree.path("ADVICES/boiler/folder.hlp"));
    const std::string missing = tree.path("SOUNDS/none.wav").string();
    const std::string folder = tree.path("ADVICES/boiler/folder.hlp").string();
    ui.answer({missing, folder});
    browse_media(state(), ui, MediaFolder::Sound);
    browse_media(state(), ui, MediaFolder::Advice);
    EXPECT_EQ(
        ui.notes,
        (std::vector<Note>{
            {"Attention error!",
             "The file " + missing + " cannot be read.\nNo such file or directory."},
            {"Attention error!", "The file " + folder + " is a folder and cannot be read."}}));
    EXPECT_EQ(ui.log.size(), 4U) << "nothing shown or played";
}

TEST_F(FileCommands, FolderCommandsOfferTheDialogueAndChangeNothing) {
    ui.answer({tree.path("ADVICES").string(), "", "x"});
    for (const int id : {10107, 10119, 10130, 10108, 10120, 10131}) {
        EXPECT_EQ(shell.run_command(id), CommandResult::Completed);
    }
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Creating Advice File subdirectories  | *.hlp",
                          "open_file: Creating or deleting Graphic File sudirectories  :  | *.bmp",
                          "open_file: Creating or deleting Sound File sudirectories :  | *.wav"}));
    EXPECT_EQ(state().wyroznik, "boiler");
    EXPECT_EQ(ui.window.find("not available"), std::string::npos);
}

TEST(Help, TheUserGuideIsFound) {
    const auto guide = find_user_guide();
    ASSERT_TRUE(guide);
    EXPECT_EQ(guide->filename(), "user-guide.md");
    EXPECT_NE(read_file(*guide).find("# orve"), std::string::npos);
}

} // namespace
} // namespace orve::test
