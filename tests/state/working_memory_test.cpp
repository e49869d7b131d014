#include "state/working_memory.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orve {
namespace {

std::vector<std::string> numbered(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(stem + std::to_string(i));
    }
    return names;
}

// Enough names for the index to grow several times over.
TEST(OrderedNames, KeepsOrderAndMembershipAcrossGrowth) {
    const auto names = numbered("condition ", 1000);
    OrderedNames table;
    for (const auto& name : names) {
        ASSERT_TRUE(table.add(name));
    }
    for (const auto& name : names) {
        EXPECT_FALSE(table.add(name)) << name;
        EXPECT_TRUE(table.contains(name)) << name;
    }
    EXPECT_EQ(table.items(), names);
    EXPECT_FALSE(table.contains("condition 1000"));
    EXPECT_FALSE(table.contains(""));
    EXPECT_FALSE(OrderedNames{}.contains("anything"));
}

TEST(OrderedNames, CopiesAnswerOnTheirOwnAndClearingEmpties) {
    OrderedNames original;
    for (const auto& name : numbered("a", 40)) {
        original.add(name);
    }
    OrderedNames copy = original;
    copy.add("only in the copy");
    EXPECT_TRUE(copy.contains("a39"));
    EXPECT_TRUE(copy.contains("only in the copy"));
    EXPECT_FALSE(original.contains("only in the copy"));

    original.clear();
    EXPECT_TRUE(original.items().empty());
    EXPECT_FALSE(original.contains("a0"));
    EXPECT_TRUE(original.add("a0"));
    EXPECT_EQ(original.items(), std::vector<std::string>{"a0"});
}

} // namespace
} // namespace orve
