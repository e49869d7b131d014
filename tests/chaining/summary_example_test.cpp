// The forward-chaining walk-through of examples/README.md, answered through the
// scripted dialogues: the abstract, the media of rule 12 and the summary file.
#include "chaining/forward_chaining.hpp"
#include "media_fixture.hpp"

#include <algorithm>

namespace orve::test {
namespace {

bool logged(const ScriptedDialogs& ui, const std::string& line) {
    return std::find(ui.log.begin(), ui.log.end(), line) != ui.log.end();
}

TEST(SummaryExample, BoilerWalkThroughEndsWithItsSummaryFile) {
    const TempTree tree;
    AppState state;
    ASSERT_TRUE(load_boiler_example(state, {BaseKind::Rule, BaseKind::Constraint, BaseKind::Advice,
                                            BaseKind::Graphics, BaseKind::Sound}));
    const std::string summary = tree.path("boiler-case.txt").string();
    ScriptedDialogs ui;
    // Buttons by position: "&YES" is 1, "&NO" is 2.
    ui.answer({"1", "1", "first consultation", "2", "2", "n", "n", "2", "y", "1", "y", "y", "y",
               "y", "n", "1", summary, "2"});
    ASSERT_TRUE(forward_chaining(state, ui));
    EXPECT_TRUE(ui.answers.empty());

    const std::string abstract =
        read_file(std::string(ORVE_EXAMPLES_DIR) + "/ABSTRACTS/boiler.abs");
    EXPECT_TRUE(logged(ui, "show_headed_text: Abstract inspection | Inspecting the abstract BOILER "
                           "| " +
                               abstract));
    EXPECT_TRUE(logged(ui, "show_picture: Graphics file inspection | ../GRAPHICS/boiler/pump.bmp"));
    EXPECT_TRUE(logged(ui, "play_sound: ../SOUNDS/boiler/hum.wav"));
    EXPECT_EQ(read_file(summary), "Labels of summary: \n"
                                  "    first consultation\n"
                                  "Chaining summary: facts\n"
                                  "    power switch is on\n"
                                  "    thermostat calls for heat\n"
                                  "    filling loop is fitted\n"
                                  "    pressure gauge between 1 and 2.5 bar\n"
                                  "    radiators stay cold\n"
                                  "    no heat in the radiators\n"
                                  "    hot water at the taps\n"
                                  "    pump is silent\n"
                                  "    replace the circulation pump\n"
                                  "Chaining summary: argument values\n");
}

} // namespace
} // namespace orve::test
