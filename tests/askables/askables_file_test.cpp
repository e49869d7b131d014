// The text of the askables file for each combination of loaded bases.
#include "askables/askables_file.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

// "b" is in constraints 1, 2 and 5 and records only 1; constraint 2 holds no
// other askable condition and gets no group, constraint 5 gets one through
// "d". Constraint 3 holds the argument "p", constraint 4 nothing askable.
const std::vector<Constraint> kConstraints{
    {1, {"a", "b", "x"}}, {2, {"b", "c"}}, {3, {"p", "q"}}, {4, {"y", "z"}}, {5, {"b", "d"}},
};

AskablesFileSources sources(bool model, bool constraints) {
    AskablesFileSources s;
    s.rule_base = "RUkb.EEB";
    if (model) {
        s.model_base = "MOkb.EEB";
    }
    s.constraints = constraints ? &kConstraints : nullptr;
    s.conditions = {"a", "b", "d", "free 1", "free 2", "free 1"};
    s.arguments = {"p", "r"};
    return s;
}

TEST(AskablesFileText, EachCombinationOfBases) {
    const struct {
        bool model;
        bool constraints;
        std::string text;
    } cases[] = {
        {false, false,
         "Non-exclusive Askable Conditions for Rule Base RUkb.EEB\n"
         "   a\n   b\n   d\n   free 1\n   free 2\n"
         "\n"},
        {true, false,
         "Non-exclusive Askable Conditions for Rule Base RUkb.EEB\nand Model Base MOkb.EEB\n"
         "   a\n   b\n   d\n   free 1\n   free 2\n"
         "\n"
         "Askable Arguments for Model Base MOkb.EEB\n   p\n   r\n"},
        // The exclusive conditions are left out, but no groups are written.
        {false, true,
         "Non-exclusive Askable Conditions for Rule Base RUkb.EEB\n"
         "   free 1\n   free 2\n"
         "\n"
         "\n"},
        {true, true,
         "Non-exclusive Askable Conditions for Rule Base RUkb.EEB\nand Model Base MOkb.EEB\n"
         "   free 1\n   free 2\n"
         "Non-exclusive Askable Conditions for Rule Base  RUkb.EEB"
         "\n   a#   b#   x#"
         "\n   b#   d#"
         "\n"
         "Non-exclusive Askable Conditions for Model Base MOkb.EEB"
         "\n   p#   q#"
         "\n"
         "Askable Arguments for Model Base MOkb.EEB\n   r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + std::to_string(c.constraints));
        EXPECT_EQ(askables_file_text(sources(c.model, c.constraints)), c.text);
    }
}

TEST(AskablesFileText, NothingAskableKeepsTheHeadings) {
    AskablesFileSources s;
    s.rule_base = "RUkb.EEB";
    s.model_base = "MOkb.EEB";
    s.constraints = &kConstraints;
    EXPECT_EQ(askables_file_text(s),
              "Non-exclusive Askable Conditions for Rule Base RUkb.EEB\nand Model Base MOkb.EEB\n"
              "Non-exclusive Askable Conditions for Rule Base  RUkb.EEB\n"
              "Non-exclusive Askable Conditions for Model Base MOkb.EEB\n"
              "Askable Arguments for Model Base MOkb.EEB\n");
}

} // namespace
} // namespace orve
