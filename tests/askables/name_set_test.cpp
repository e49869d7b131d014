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

// Enough names for the slot table to take huge pages: every name is found,
// absent ones are not, and a copy keeps finding them after the original is
// emptied.
TEST(NameSet, LargeSetAndItsCopyFindEveryName) {
    const int count = 300000;
    OrderedNameSet<std::string> set;
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(set.insert("fact " + std::to_string(i)));
    }
    const OrderedNameSet<std::string> copy = set;
    set.clear();
    EXPECT_FALSE(set.contains("fact 0"));
    for (int i = 0; i < count; i += 7) {
        EXPECT_TRUE(copy.contains("fact " + std::to_string(i))) << i;
        EXPECT_FALSE(copy.contains("fact " + std::to_string(count + i))) << i;
    }
    ASSERT_EQ(copy.names().size(), static_cast<std::size_t>(count));
    EXPECT_EQ(copy.names()[12345], "fact 12345");
}

// Names of every length up to twenty, each against the same name with one
// byte changed: the words read for hashing and comparing cover every byte.
TEST(NameSet, NamesDifferingInAnyOneByteAreDistinct) {
    for (std::size_t length = 0; length <= 20; ++length) {
        std::string name;
        for (std::size_t i = 0; i < length; ++i) {
            name.push_back(static_cast<char>('a' + i));
        }
        NameSet set;
        ASSERT_TRUE(set.insert(name));
        EXPECT_TRUE(same_name(name, std::string(name)));
        EXPECT_EQ(name_hash(name), name_hash(std::string(name)));
        std::vector<std::string> variants;
        for (std::size_t at = 0; at < length; ++at) {
            variants.push_back(name);
            variants.back()[at] = '\xB9';
        }
        for (const auto& variant : variants) {
            EXPECT_FALSE(same_name(name, variant)) << variant;
            EXPECT_FALSE(set.contains(variant)) << variant;
            EXPECT_TRUE(set.insert(variant)) << variant;
        }
        EXPECT_FALSE(same_name(name, name + "a"));
        for (const auto& variant : variants) {
            EXPECT_TRUE(set.contains(variant)) << variant;
        }
    }
}

// Numbered names of every length spread evenly over the low bits that pick a
// slot: a clustered hash makes every lookup probe far, and did for names
// four bytes long.
TEST(NameSet, NumberedNamesSpreadOverTheSlots) {
    for (const std::string prefix : {"c", "w", "fact ", "a much longer prefix "}) {
        std::vector<int> buckets(64);
        const int count = 10000;
        for (int i = 0; i < count; ++i) {
            ++buckets[name_hash(prefix + std::to_string(i)) % buckets.size()];
        }
        for (std::size_t b = 0; b < buckets.size(); ++b) {
            EXPECT_NEAR(buckets[b], count / 64, count / 64 / 4) << prefix << " bucket " << b;
        }
    }
}

} // namespace
} // namespace orve
