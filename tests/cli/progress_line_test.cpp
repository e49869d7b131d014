#include "terminal_dialogs.hpp"

#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

const std::string kClear9 = "\r" + std::string(9, ' ') + "\r";

TEST(ProgressLine, DrawsInPlaceOnlyWhenItMovesAndClearsAtTheEnd) {
    std::ostringstream out;
    std::ostringstream err;
    ProgressLine line(out, &err);
    line.step(1, 4); // before the test began: nothing
    line.begin("T");
    line.step(0, 4);
    line.step(0, 4);
    line.step(1, 4);
    line.step(10, 0); // unknown total: the count alone, padded over the longer line
    line.end();
    line.end();
    EXPECT_EQ(err.str(), "\rT: 0 of 4\rT: 1 of 4\rT: 10    " + kClear9);
    EXPECT_EQ(out.str(), "");

    // A large total redraws once per tenth of a percent, not per step.
    std::ostringstream many;
    ProgressLine large(out, &many);
    large.begin("T");
    for (long long done = 0; done < 100000; ++done) {
        large.step(done, 100000);
    }
    large.end();
    EXPECT_LE(many.str().size(), 1000U * 20U);
}

TEST(ProgressLine, DialogueOutputClearsTheLineFirstAndNothingShowsWithoutATerminal) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    TerminalDialogs ui(in, out, false, &err);
    ui.progress_begin("T");
    EXPECT_TRUE(ui.progress_step(0, 4));
    ui.msg_append("found\n");
    EXPECT_TRUE(ui.progress_step(1, 4));
    ui.progress_end();
    EXPECT_EQ(err.str(), "\rT: 0 of 4" + kClear9 + "\rT: 1 of 4" + kClear9);
    EXPECT_EQ(out.str(), "found\n");

    std::ostringstream plain;
    TerminalDialogs piped(in, plain, false);
    piped.progress_begin("T");
    EXPECT_TRUE(piped.progress_step(1, 4));
    piped.msg_append("found\n");
    piped.progress_end();
    piped.io().flush();
    EXPECT_EQ(plain.str(), "found\n");
}

} // namespace
} // namespace orve::cli
