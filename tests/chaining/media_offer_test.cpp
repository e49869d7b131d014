// The explanation of a fired rule and the advice, picture and sound offers that
// follow it.
#include "chaining/media_offers.hpp"
#include "chaining/rule_explanation.hpp"
#include "media_fixture.hpp"

#include <sys/stat.h>

namespace orve::test {
namespace {

using MediaOffers = BoilerMedia;

TEST_F(MediaOffers, RuleExplanationIsWrittenToWindowAndReportAndShownAsMessage) {
    wyjasnienie_rule(state, ui, 7, "repair the leak", {"pressure low", "water drips"});
    const std::string written = "Rule  7 is resolved. The rule states:\nIf\n    pressure low\n"
                                "    water drips\nthen  \n    repair the leak\nIt follows: \n"
                                "    repair the leak\n\n";
    EXPECT_EQ(ui.window, written);
    EXPECT_EQ(state.report.text, written);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0],
              (MessageList{"Rule explanation",
                           {"Rule 7 is resolved. The rule states:", "If", "    pressure low",
                            "    water drips", "then ", "    repair the leak",
                            "It follows:", "    repair the leak"}}));
}

TEST_F(MediaOffers, AdviceAnsweredYesShowsTheWholeAdviceText) {
    state.kb.advice.clauses = {{7, "a7.hlp"}};
    file("ADVICES/boiler/a7.hlp", "Look under the radiators.\nThen top up.\n");
    ui.answer({"y"});
    udziel_rady(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "yes_no: Choose: | Do you wish to be advised?",
                          "show_headed_text: Advice file inspection | Expert advice: | Look under "
                          "the radiators.\nThen top up.\n"}));
    EXPECT_EQ(ui.window, " Do you wish to be advised?  ");
    EXPECT_EQ(state.report.text, "");
    EXPECT_EQ(state.kb.advice.folder, "../ADVICES/boiler");
}

TEST_F(MediaOffers, AdviceAnsweredNoLeavesNoInTheWindowOnly) {
    state.kb.advice.clauses = {{7, "a7.hlp"}};
    file("ADVICES/boiler/a7.hlp", "text");
    ui.answer({"n"});
    udziel_rady(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.window, " Do you wish to be advised?      NO\n");
    EXPECT_EQ(state.report.text, "");
}

TEST_F(MediaOffers, PictureNameWithoutExtensionFallsBackToBmp) {
    state.kb.graphics.clauses = {{7, "p1"}};
    file("GRAPHICS/boiler/p1.bmp", bmp_bytes(2, 1));
    ui.answer({"y"});
    wyswietl_grafike(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "yes_no: Choose: | Do you wish to  see the graphics?",
                          "show_picture: Graphics file inspection | ../GRAPHICS/boiler/p1.bmp"}));
    EXPECT_EQ(ui.window, "");
}

TEST_F(MediaOffers, SoundIsPlayedAndNamesDifferingInCaseAreFound) {
    state.kb.sound.clauses = {{7, "HISS"}};
    file("sounds/Boiler/hiss.WAV", wav_bytes());
    ui.answer({"y"});
    przesluchaj_melodie(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.log.back(), "play_sound: ../sounds/Boiler/hiss.WAV");
    EXPECT_EQ(state.kb.sound.folder, "../SOUNDS/boiler");
}

TEST_F(MediaOffers, RuleWithoutMediaClausesFiresWithOnlyItsExplanation) {
    state.kb.advice.clauses = {{7, "a7.hlp"}};
    state.kb.graphics.clauses = {{7, "p1.bmp"}};
    state.kb.sound.clauses = {{7, "hiss.wav"}};
    wyjasnienie_rule(state, ui, 8, "bleed the radiators", {});
    udziel_rady(state, ui, 8, "bleed the radiators");
    wyswietl_grafike(state, ui, 8, "bleed the radiators");
    przesluchaj_melodie(state, ui, 8, "bleed the radiators");
    EXPECT_EQ(ui.log, std::vector<std::string>{"message_list: Rule explanation"});
    EXPECT_EQ(ui.window, "Rule  8 is resolved. The rule states:\nIf\nthen  \n    bleed the "
                         "radiators\nIt follows: \n    bleed the radiators\n\n");
}

// Files that are missing, empty or not of their kind are passed over as a No.
TEST_F(MediaOffers, UnusableMediaFilesAreTreatedLikeNo) {
    struct Case {
        BaseKind kind;
        const char* clause_file;
        const char* disk_file; // nullptr: no file
        std::string contents;
    };
    std::string truncated = bmp_bytes(4, 4);
    truncated.resize(60);
    std::string no_width = bmp_bytes(2, 1);
    no_width[18] = '\0';
    const std::vector<Case> cases{
        {BaseKind::Advice, "gone.hlp", nullptr, ""},
        {BaseKind::Advice, "empty.hlp", "ADVICES/boiler/empty.hlp", ""},
        {BaseKind::Graphics, "text", "GRAPHICS/boiler/text.bmp", "not a picture"},
        {BaseKind::Graphics, "cut.bmp", "GRAPHICS/boiler/cut.bmp", truncated},
        {BaseKind::Graphics, "flat.bmp", "GRAPHICS/boiler/flat.bmp", no_width},
        {BaseKind::Graphics, "empty.bmp", "GRAPHICS/boiler/empty.bmp", ""},
        {BaseKind::Sound, "gone", nullptr, ""},
        {BaseKind::Sound, "avi.wav", "SOUNDS/boiler/avi.wav", "RIFF1234AVI LIST"},
        {BaseKind::Sound, "short.wav", "SOUNDS/boiler/short.wav", "RIFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clause_file);
        ScriptedDialogs fresh;
        fresh.answer({"y"});
        AppState run = state;
        if (c.disk_file != nullptr) {
            file(c.disk_file, c.contents);
        }
        const MediaClause clause{7, c.clause_file};
        switch (c.kind) {
        case BaseKind::Advice:
            run.kb.advice.clauses = {clause};
            udziel_rady(run, fresh, 7, "repair the leak");
            EXPECT_EQ(fresh.window, " Do you wish to be advised?      NO\n");
            break;
        case BaseKind::Graphics:
            run.kb.graphics.clauses = {clause};
            wyswietl_grafike(run, fresh, 7, "repair the leak");
            break;
        default:
            run.kb.sound.clauses = {clause};
            przesluchaj_melodie(run, fresh, 7, "repair the leak");
            break;
        }
        EXPECT_EQ(fresh.log.size(), 1U); // the question only
        EXPECT_TRUE(fresh.answers.empty());
    }
}

// A media file is looked up in its media folder only: names that would leave
// it are refused with a note, and so are files too large to offer.
TEST_F(MediaOffers, NamesLeavingTheMediaFolderAndHugeFilesAreRefusedWithANote) {
    file("ADVICES/secret.hlp", "Not an advice of this base.");
    file("ADVICES/boiler/sub/inner.hlp", "Inside a sub-folder.");
    file("GRAPHICS/p.bmp", bmp_bytes(2, 1));
    file("SOUNDS/boiler/sub/s.wav", wav_bytes());
    const auto huge = [&](const std::string& relative, std::uintmax_t size) {
        file(relative, "");
        std::filesystem::resize_file(tree.path(relative), size);
        return "The file " + tree.path(relative).lexically_relative(tree.path("BASES")).string() +
               " is larger than " + std::to_string(size >> 20) + " MB and cannot be read.";
    };
    const auto refused = [](const std::string& name, const std::string& folder) {
        return "The media file name " + name + " is refused:\nit must name a file of the folder " +
               folder + "\nwithout a slash, a backslash or \"..\".";
    };
    const struct {
        BaseKind kind;
        std::string clause_file;
        std::string note;
    } cases[] = {
        {BaseKind::Advice, "../secret.hlp", refused("../secret.hlp", "../ADVICES/boiler")},
        {BaseKind::Advice, "..\\secret.hlp", refused("..\\secret.hlp", "../ADVICES/boiler")},
        {BaseKind::Advice, "sub/inner.hlp", refused("sub/inner.hlp", "../ADVICES/boiler")},
        {BaseKind::Advice, "..", refused("..", "../ADVICES/boiler")},
        {BaseKind::Graphics, "../p", refused("../p", "../GRAPHICS/boiler")},
        {BaseKind::Sound, "sub/s", refused("sub/s", "../SOUNDS/boiler")},
        {BaseKind::Advice, "big.hlp", huge("ADVICES/boiler/big.hlp", (64U << 20) + 1)},
        {BaseKind::Graphics, "big.bmp", huge("GRAPHICS/boiler/big.bmp", (256U << 20) + 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clause_file);
        ScriptedDialogs fresh;
        fresh.answer({"y"});
        AppState run = state;
        const MediaClause clause{7, c.clause_file};
        switch (c.kind) {
        case BaseKind::Advice:
            run.kb.advice.clauses = {clause};
            udziel_rady(run, fresh, 7, "repair the leak");
            EXPECT_EQ(fresh.window, " Do you wish to be advised?      NO\n");
            break;
        case BaseKind::Graphics:
            run.kb.graphics.clauses = {clause};
            wyswietl_grafike(run, fresh, 7, "repair the leak");
            break;
        default:
            run.kb.sound.clauses = {clause};
            przesluchaj_melodie(run, fresh, 7, "repair the leak");
            break;
        }
        EXPECT_EQ(fresh.notes, (std::vector<Note>{{"Attention error!", c.note}}));
        EXPECT_EQ(fresh.log.size(), 2U); // the question and the note
    }
}

TEST_F(MediaOffers, AFifoAsAdviceFileIsPassedOverWithoutWaiting) {
    std::filesystem::create_directories(tree.path("ADVICES/boiler"));
    ASSERT_EQ(::mkfifo(tree.path("ADVICES/boiler/pipe.hlp").c_str(), 0600), 0);
    state.kb.advice.clauses = {{7, "pipe.hlp"}};
    ui.answer({"y"});
    udziel_rady(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.window, " Do you wish to be advised?      NO\n");
    EXPECT_TRUE(ui.notes.empty());
}

// The offers repeat for relational models: a basic model with a simple
// relation or an extended model with an interval relation, keyed by number
// and conclusion.
TEST_F(MediaOffers, RelationalModelsGetTheOffersButArithmeticModelsDoNot) {
    state.kb.model.basic = {{20, "No condition", "water too hot", "t", ">=", "90", 0},
                            {21, "No condition", "sum", "a", "+", "b", 0}};
    state.kb.model.extended = {
        {22, "No condition", "pressure normal", "<=,<", {"1", "p", "2.5"}, 0}};
    file("ADVICES/boiler/m.hlp", "model advice");
    struct Case {
        int number;
        const char* conclusion;
        bool offered;
    };
    for (const auto& c : std::vector<Case>{{20, "water too hot", true},
                                           {21, "sum", false},
                                           {22, "pressure normal", true},
                                           {22, "other conclusion", false},
                                           {7, "repair the leak", true}}) {
        SCOPED_TRACE(c.number);
        ScriptedDialogs fresh;
        fresh.answer({"y"});
        state.kb.advice.clauses = {{c.number, "m.hlp"}};
        udziel_rady(state, fresh, c.number, c.conclusion);
        EXPECT_EQ(fresh.log.size(), c.offered ? 2U : 0U);
    }
}

TEST_F(MediaOffers, WithoutKnowledgeBaseNameTheAdviceBaseNameIsUsed) {
    state.wyroznik.clear();
    state.kb.advice.clauses = {{7, "a7.hlp"}};
    file("ADVICES/boiler/a7.hlp", "advice");
    ui.answer({"y"});
    udziel_rady(state, ui, 7, "repair the leak");
    EXPECT_EQ(ui.log.back(), "show_headed_text: Advice file inspection | Expert advice: | advice");
}

TEST_F(MediaOffers, NoConclusionAdviceIsNotedWhenItsFileExistsInAnyCase) {
    for (const char* name : {"NIC.hlp", "nic.hlp", "Nic.HLP"}) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(tree.path("ADVICES"));
        file(std::string("ADVICES/") + name, "Ask an engineer.\r\n");
        ScriptedDialogs fresh;
        no_conclusion_advice(state, fresh);
        EXPECT_EQ(fresh.notes, (std::vector<Note>{{"Expert Advice", "Ask an engineer.\n"}}));
    }
    std::filesystem::remove_all(tree.path("ADVICES"));
    no_conclusion_advice(state, ui);
    EXPECT_TRUE(ui.log.empty());
}

} // namespace
} // namespace orve::test
