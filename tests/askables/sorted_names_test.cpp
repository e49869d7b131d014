#include "askables/sorted_names.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orve {
namespace {

// Names given in any order with repeats come out ascending and distinct, in
// unsigned byte order with a proper prefix first; membership is exact: no
// prefix, extension or neighbour of a name counts as the name.
TEST(SortedNames, AscendingDistinctAndExactMembership) {
    const std::string high = "\xB9"
                             "cid";
    SortedNames set{"wood", "", "fire", high, "wood", "fir", "Zebra"};
    const std::vector<std::string> expected{"", "Zebra", "fir", "fire", "wood", high};
    EXPECT_EQ(set.names(), expected);
    EXPECT_EQ(set.size(), expected.size());
    for (const auto& name : expected) {
        EXPECT_EQ(set.count(name), 1U) << name;
    }
    for (const std::string absent : {"fi", "fires", "wooden", "zebra", "a", "\xFF"}) {
        EXPECT_EQ(set.count(absent), 0U) << absent;
    }

    set.insert(expected.begin(), expected.begin() + 2);
    EXPECT_EQ(set.names(), expected);
    const std::vector<std::string> more{"ash", "zinc"};
    set.assign_ascending(more.begin(), more.end());
    EXPECT_EQ(set.names(), more);
    EXPECT_EQ(set.count("wood"), 0U);
    set.clear();
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(set.count(""), 0U);
}

} // namespace
} // namespace orve
