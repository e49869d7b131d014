// The advice and abstract dialogues on a terminal: heading, then the whole text.
#include "terminal_dialogs.hpp"

#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

TEST(TerminalHeadedText, ShowsHeadingAndWholeTextWithoutReadingALine) {
    std::istringstream in("not an answer\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.msg_append(" Do you wish to be advised?  ");
    ui.show_headed_text("Advice file inspection",
                        "Expert advice:", "First line.\nSecond line without a line end");
    ui.io().flush();
    EXPECT_EQ(out.str(), " Do you wish to be advised?  \n"
                         "=== Dialogue: Advice file inspection ===\n"
                         "Expert advice:\n"
                         "First line.\nSecond line without a line end\n"
                         "=== end of dialogue ===\n");
    EXPECT_EQ(in.tellg(), 0);
}

} // namespace
} // namespace orve::cli
