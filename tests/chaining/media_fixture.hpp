// A knowledge base "boiler" in a temporary tree, entered as the Rule Base
// folder would be, with helpers that write well-formed and broken media files.
#pragma once

#include "loading/base_loading.hpp"
#include "state/app_state.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

namespace orve::test {

// Little-endian bytes of an unsigned value.
inline std::string le_bytes(std::uint32_t value, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFFU);
    }
    return bytes;
}

// A 24-bit bitmap of width x height pixels, all black.
inline std::string bmp_bytes(std::uint32_t width, std::uint32_t height) {
    const std::uint32_t row = (24 * width + 31) / 32 * 4;
    const std::uint32_t pixels = row * height;
    return "BM" + le_bytes(54 + pixels, 4) + le_bytes(0, 4) + le_bytes(54, 4) + le_bytes(40, 4) +
           le_bytes(width, 4) + le_bytes(height, 4) + le_bytes(1, 2) + le_bytes(24, 2) +
           le_bytes(0, 4) + le_bytes(pixels, 4) + std::string(16, '\0') + std::string(pixels, '\0');
}

// A mono 8-bit PCM sound without samples.
inline std::string wav_bytes() {
    return "RIFF" + le_bytes(36, 4) + "WAVE" + "fmt " + le_bytes(16, 4) + le_bytes(1, 2) +
           le_bytes(1, 2) + le_bytes(8000, 4) + le_bytes(8000, 4) + le_bytes(1, 2) +
           le_bytes(8, 2) + "data" + le_bytes(0, 4);
}

// Loads bases as a user who declines every offered test: file dialogues are
// answered from the queue, every question with its last button or No.
class DecliningDialogs : public ScriptedDialogs {
  public:
    int ask(const std::string&, const std::string&,
            const std::vector<std::string>& buttons) override {
        return static_cast<int>(buttons.size());
    }
    bool yes_no(const std::string&, const std::string&) override { return false; }
};

// Loads the bundled boiler example with the given base kinds; true when all
// loaded. The current folder becomes the example's base folder.
inline bool load_boiler_example(AppState& state, const std::vector<BaseKind>& kinds) {
    static const std::string bases = std::string(ORVE_EXAMPLES_DIR) + "/BASES/";
    static const std::map<BaseKind, std::string> files{{BaseKind::Rule, "RUboiler.EEB"},
                                                       {BaseKind::Constraint, "COboiler.EEB"},
                                                       {BaseKind::Advice, "ADboiler.EEB"},
                                                       {BaseKind::Graphics, "GRboiler.EEB"},
                                                       {BaseKind::Sound, "SOboiler.EEB"}};
    DecliningDialogs ui;
    for (const BaseKind kind : kinds) {
        ui.answer({bases + files.at(kind)});
        if (!load_base(state, ui, kind) || !ui.answers.empty()) {
            return false;
        }
    }
    return true;
}

class BoilerMedia : public ::testing::Test {
  protected:
    TempTree tree; // also restores the current folder
    ScriptedDialogs ui;
    AppState state;

    void SetUp() override {
        tree.write("BASES/RUboiler.EEB", "");
        std::filesystem::current_path(tree.path("BASES"));
        state.wyroznik = "boiler";
        state.kb.rule.rules = {{7, "repair the leak", {"pressure low", "water drips"}, 0},
                               {8, "bleed the radiators", {}, 0}};
        state.kb.advice.name = BaseName{"ADboiler.EEB", ""};
        state.kb.graphics.name = BaseName{"GRboiler.EEB", ""};
        state.kb.sound.name = BaseName{"SOboiler.EEB", ""};
    }
    // A file relative to the temporary tree's root.
    void file(const std::string& relative, const std::string& contents) const {
        tree.write(relative, contents);
    }
};

} // namespace orve::test
