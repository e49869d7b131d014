// A knowledge base "boiler" in a temporary tree, entered as the Rule Base
// folder would be, with helpers that write well-formed and broken media files.
#pragma once

#include "app/app_state.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <cstdint>
#include <filesystem>
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
