// The menu commands that show one advice text or picture, or play one sound.
#include "chaining/media_commands.hpp"
#include "media_fixture.hpp"

namespace orve::test {
namespace {

using Command = bool (*)(AppState&, Dialogs&);

struct CommandCase {
    const char* name;
    Command run;
    BaseKind kind;
    std::string no_base;
    std::string no_files_written;
    std::string no_files_note;
};

const std::vector<CommandCase> kCommands{
    {"advice", advice_text_inspection, BaseKind::Advice, "Load an Advice Base",
     "No Text File for Advice Base ADboiler.EEB\n", "No Text File for Advice Base  ADboiler.EEB"},
    {"graphics", graphics_file_inspection, BaseKind::Graphics, "Please load a graphics base!",
     "No graphics file for inspection from GRboiler.EEB\n",
     "No graphics file for inspection from  GRboiler.EEB"},
    {"sound", sound_file_playing, BaseKind::Sound, "Load a  Sound Base!",
     "No Sound Files for SOboiler.EEB\n", "No Sound Files for SOboiler.EEB"},
};

MediaBase& base_of(AppState& state, BaseKind kind) {
    if (kind == BaseKind::Advice) {
        return state.kb.advice;
    }
    return kind == BaseKind::Graphics ? state.kb.graphics : state.kb.sound;
}

using MediaCommands = BoilerMedia;

TEST_F(MediaCommands, WithoutTheBaseOrItsFilesTheCommandsOnlyReport) {
    for (const auto& command : kCommands) {
        SCOPED_TRACE(command.name);
        AppState run = state;
        base_of(run, command.kind).name.reset();
        ScriptedDialogs fresh;
        EXPECT_TRUE(command.run(run, fresh));
        EXPECT_EQ(fresh.notes, (std::vector<Note>{{"Attention!", command.no_base}}));
        EXPECT_EQ(fresh.window, "");

        ScriptedDialogs empty_base;
        EXPECT_TRUE(command.run(state, empty_base));
        EXPECT_EQ(empty_base.window, command.no_files_written);
        EXPECT_EQ(empty_base.notes, (std::vector<Note>{{"Attention!", command.no_files_note}}));
    }
}

TEST_F(MediaCommands, PickListsTheFilesOfTheClausesAndShowsThePickedOne) {
    state.kb.advice.clauses = {{7, "a7.hlp"}, {8, "bleed.hlp"}};
    state.kb.graphics.clauses = {{7, "gauge"}, {8, "pump.bmp"}};
    state.kb.sound.clauses = {{8, "hiss.wav"}};
    file("ADVICES/boiler/bleed.hlp", "Open the bleed valve.");
    file("GRAPHICS/boiler/gauge.bmp", bmp_bytes(3, 2));
    file("SOUNDS/boiler/hiss.wav", wav_bytes());
    ui.answer({"2", "1", "1"});
    EXPECT_TRUE(advice_text_inspection(state, ui));
    EXPECT_TRUE(graphics_file_inspection(state, ui));
    EXPECT_TRUE(sound_file_playing(state, ui));

    ASSERT_EQ(ui.pick_lines.size(), 3U);
    EXPECT_EQ(ui.pick_lines[0].title, "Advice file inspection");
    EXPECT_EQ(ui.pick_lines[0].prompt, "Pick advice file for inspection\nAdvice base:");
    EXPECT_EQ(ui.pick_lines[0].lines, (std::vector<std::string>{"a7.hlp", "bleed.hlp"}));
    EXPECT_EQ(ui.pick_lines[1].title, "Graphics file inspection");
    EXPECT_EQ(ui.pick_lines[1].prompt, "Pick graphics file for inspection\nGraphics base");
    EXPECT_EQ(ui.pick_lines[1].lines, (std::vector<std::string>{"gauge", "pump.bmp"}));
    EXPECT_EQ(ui.pick_lines[2].title, "Melody inspection");
    EXPECT_EQ(ui.pick_lines[2].prompt, "Pick melody file for inspection\nMelody Base:");

    const std::vector<std::string> shown(ui.log.begin() + 1, ui.log.end());
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "show_headed_text: Advice file inspection | Expert advice: | Open the "
                         "bleed valve.",
                         "pick_line: Graphics file inspection | Pick graphics file for "
                         "inspection\nGraphics base",
                         "show_picture: Graphics file inspection | ../GRAPHICS/boiler/gauge.bmp",
                         "pick_line: Melody inspection | Pick melody file for inspection\nMelody "
                         "Base:",
                         "play_sound: ../SOUNDS/boiler/hiss.wav"}));
    EXPECT_TRUE(ui.notes.empty());
}

TEST_F(MediaCommands, CancelShowsNothingAndAnUnusableFileIsNoted) {
    state.kb.graphics.clauses = {{7, "broken.bmp"}};
    file("GRAPHICS/boiler/broken.bmp", "BM but nothing else");
    ui.answer({""});
    EXPECT_FALSE(graphics_file_inspection(state, ui));
    EXPECT_TRUE(ui.notes.empty());

    ui.answer({"1"});
    EXPECT_TRUE(graphics_file_inspection(state, ui));
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention!",
                                            "The file broken.bmp cannot be shown: it is missing "
                                            "or not a .bmp picture."}}));
    EXPECT_EQ(ui.log.back().rfind("note:", 0), 0U);
}

TEST_F(MediaCommands, NamesLeavingTheMediaFolderAreRefusedWithANote) {
    file("ADVICES/secret.hlp", "Not an advice of this base.");
    file("GRAPHICS/p.bmp", bmp_bytes(2, 1));
    file("SOUNDS/s.wav", wav_bytes());
    state.kb.advice.clauses = {{7, "../secret.hlp"}};
    state.kb.graphics.clauses = {{7, "..\\p.bmp"}};
    state.kb.sound.clauses = {{7, "../s.wav"}};
    ui.answer({"1", "1", "1"});
    EXPECT_TRUE(advice_text_inspection(state, ui));
    EXPECT_TRUE(graphics_file_inspection(state, ui));
    EXPECT_TRUE(sound_file_playing(state, ui));
    const std::string rule = "\nwithout a slash, a backslash or \"..\".";
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention error!", "The media file name ../secret.hlp is refused:\nit must "
                                       "name a file of the folder ../ADVICES/boiler" +
                                           rule},
                  {"Attention error!", "The media file name ..\\p.bmp is refused:\nit must "
                                       "name a file of the folder ../GRAPHICS/boiler" +
                                           rule},
                  {"Attention error!", "The media file name ../s.wav is refused:\nit must name "
                                       "a file of the folder ../SOUNDS/boiler" +
                                           rule}}));
    for (const auto& line : ui.log) {
        EXPECT_EQ(line.rfind("show_", 0), std::string::npos) << line;
        EXPECT_EQ(line.rfind("play_", 0), std::string::npos) << line;
    }
}

} // namespace
} // namespace orve::test
