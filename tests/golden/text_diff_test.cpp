// The diff shown when a golden transcript differs: where, and what.
#include "golden/text_diff.hpp"

#include <gtest/gtest.h>

namespace orve::golden {
namespace {

std::string numbered_lines(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    return text;
}

TEST(TextDiff, ShowsTheFirstChangedStretchWithContext) {
    struct Case {
        const char* what;
        std::string expected;
        std::string actual;
        std::string diff; // after the two name lines
    };
    const std::string ten = numbered_lines(1, 10);
    const Case cases[] = {
        {"equal texts", ten, ten, ""},
        {"a changed line", ten, numbered_lines(1, 4) + "new\n" + numbered_lines(6, 10),
         "@@ -2,7 +2,7 @@\n line 2\n line 3\n line 4\n-line 5\n+new\n line 6\n line 7\n line 8\n"},
        {"a line inserted", ten, numbered_lines(1, 2) + "new\n" + numbered_lines(3, 10),
         "@@ -1,5 +1,6 @@\n line 1\n line 2\n+new\n line 3\n line 4\n line 5\n"},
        {"lines lost at the end", ten, numbered_lines(1, 8),
         "@@ -6,5 +6,3 @@\n line 6\n line 7\n line 8\n-line 9\n-line 10\n"},
        {"an invisible change", "a\nb \nc\n", "a\nb\tx\r\nc\n",
         "@@ -1,3 +1,3 @@\n a\n-b    <-- 1 trailing blank(s)\n+b\\tx\\r\n c\n"},
        {"the final line break", "a\n", "a",
         "(the texts differ only in the line break at their end: expected has one)\n"},
    };
    for (const auto& c : cases) {
        const std::string diff = first_difference(c.expected, c.actual, "expected", "actual");
        const std::string heading = c.diff.empty() ? "" : "--- expected\n+++ actual\n";
        EXPECT_EQ(diff, heading + c.diff) << c.what;
    }
}

TEST(TextDiff, LongChangesAreCutShort) {
    const std::string diff =
        first_difference(numbered_lines(1, 100), numbered_lines(201, 300), "expected", "actual");
    EXPECT_NE(diff.find("@@ -1,100 +1,100 @@\n-line 1\n"), std::string::npos) << diff;
    EXPECT_NE(diff.find("-... 80 more lines\n+line 201\n"), std::string::npos) << diff;
    EXPECT_TRUE(diff.ends_with("+... 80 more lines\n")) << diff;
}

} // namespace
} // namespace orve::golden
