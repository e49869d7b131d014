#include "bmp_info.hpp"
#include "support/temp_tree.hpp"
#include "terminal_dialogs.hpp"

#include <cstdint>
#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

void put32(std::string& bytes, std::int64_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((bits >> shift) & 0xFF);
    }
}

// A bitmap with a 40-byte info header and 24-bit pixels (rows padded to 4 bytes).
std::string bitmap(std::int32_t width, std::int32_t height) {
    std::string bytes = "BM";
    const std::int64_t row = (width * 3 + 3) / 4 * 4;
    const std::int64_t pixels = row * (height < 0 ? -height : height);
    put32(bytes, 54 + pixels);
    put32(bytes, 0);
    put32(bytes, 54);
    put32(bytes, 40);
    put32(bytes, width);
    put32(bytes, height);
    bytes += std::string("\x01\x00\x18\x00", 4); // one plane, 24 bits
    bytes += std::string(24, '\0');
    bytes += std::string(static_cast<std::size_t>(pixels), '\x7F');
    return bytes;
}

// The old 12-byte core header with 16-bit width and height.
std::string core_bitmap() {
    std::string bytes = "BM";
    put32(bytes, 26);
    put32(bytes, 0);
    put32(bytes, 26);
    put32(bytes, 12);
    bytes += std::string("\x05\x00\x07\x00\x01\x00\x18\x00", 8);
    return bytes;
}

TEST(BmpSize, ReadsTheSizeOrRefuses) {
    const orve::test::TempTree folder;
    struct Case {
        std::string name;
        std::string bytes;
        std::optional<BmpSize> size;
    };
    const Case cases[] = {
        {"small.bmp", bitmap(2, 3), BmpSize{2, 3}},
        {"top_down.bmp", bitmap(4, -1), BmpSize{4, 1}},
        {"core.bmp", core_bitmap(), BmpSize{5, 7}},
        {"truncated.bmp", bitmap(2, 3).substr(0, 20), std::nullopt},
        {"zero_width.bmp", bitmap(0, 3), std::nullopt},
        {"text.bmp", "This is not a picture at all, only words.", std::nullopt},
        {"empty.bmp", "", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read_bmp_size(folder.write(c.name, c.bytes)), c.size) << c.name;
    }
    EXPECT_EQ(read_bmp_size(folder.path() / "missing.bmp"), std::nullopt);
    EXPECT_EQ(read_bmp_size(folder.path()), std::nullopt); // a folder
}

TEST(TerminalMedia, PictureShowsFileAndSizeOrWhyNot) {
    const orve::test::TempTree folder;
    const std::string good = folder.write("pump.bmp", bitmap(2, 3)).string();
    const std::string bad = folder.write("pump.gif", "GIF89a").string();
    std::istringstream in;
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.msg_append("Rule 3 applies");
    ui.show_picture("Pump", good);
    ui.show_picture("", bad);
    ui.io().flush();
    EXPECT_EQ(out.str(), "Rule 3 applies\n"
                         "=== Picture: Pump ===\n" +
                             good +
                             ": 2 x 3 pixels\n"
                             "=== end of picture ===\n"
                             "=== Picture ===\n" +
                             bad +
                             ": cannot be shown (not a readable .bmp file)\n"
                             "=== end of picture ===\n");
}

// Replaces PATH for one test.
class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* path = std::getenv("PATH")) {
            saved_path_ = path;
        }
        setenv("PATH", folder_.path().c_str(), 1);
    }
    void TearDown() override { setenv("PATH", saved_path_.c_str(), 1); }

    std::string play(const std::string& path) {
        std::istringstream in;
        std::ostringstream out;
        TerminalDialogs ui(in, out, false);
        ui.play_sound(path);
        ui.io().flush();
        return out.str();
    }

    orve::test::TempTree folder_;
    std::string saved_path_;
};

TEST_F(SoundTest, PlaysWithTheFirstPlayerFoundOrSaysWhyNot) {
    const std::string sound = folder_.write("alarm.wav", "RIFF....WAVE").string();
    const std::string missing = (folder_.path() / "none.wav").string();
    EXPECT_EQ(play(sound), "=== Sound: " + sound + " (no sound player found) ===\n");
    EXPECT_EQ(play(missing), "=== Sound: " + missing + " (file not found) ===\n");

    // A stand-in player that ends at once; "paplay" comes after "aplay" in the order.
    for (const char* player : {"paplay", "aplay"}) {
        const auto script = folder_.write(player, "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    EXPECT_EQ(play(sound), "=== Sound: " + sound + " (playing with aplay) ===\n");
}

} // namespace
} // namespace orve::cli
