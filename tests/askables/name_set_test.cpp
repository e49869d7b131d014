#include "askables/name_set.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orve {
namespace {

// Sized for a few names, then given many more: the set grows and still finds
// every name once.
TEST(NameSet, GrowsBeyondItsFirstSize) {
    std::vector<std::string> names;
    for (int i = 0; i < 500; ++i) {
        names.push_back("n" + std::to_string(i));
    }
    NameSet set(4);
    for (const auto& name : names) {
        ASSERT_TRUE(set.insert(name));
    }
    for (const auto& name : names) {
        EXPECT_TRUE(set.contains(name)) << name;
        EXPECT_FALSE(set.insert(name)) << name;
    }
    EXPECT_FALSE(set.contains("n500"));
    EXPECT_FALSE(set.contains(""));
    EXPECT_TRUE(set.insert(""));
    EXPECT_TRUE(set.contains(""));
}

} // namespace
} // namespace orve
