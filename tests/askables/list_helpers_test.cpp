#include "askables/list_helpers.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace orve {
namespace {

struct UnaryCase {
    Names input;
    Names expected;
};

TEST(ListHelpers, RedukujKeepsTheLastOccurrence) {
    const UnaryCase cases[] = {
        {{}, {}},
        {{"a"}, {"a"}},
        {{"a", "b", "a"}, {"b", "a"}},
        {{"x", "y", "x", "z", "y", "x"}, {"z", "y", "x"}},
        {{"A", "a", "a ", "A"}, {"a", "a ", "A"}}, // case and blanks count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(redukuj(c.input), c.expected);
    }
}

TEST(ListHelpers, SortujOrdersUnsignedBytesPrefixFirst) {
    const UnaryCase cases[] = {
        {{}, {}},
        {{"b"}, {"b"}},
        {{"b", "a"}, {"a", "b"}},
        {{"b", "b", "a"}, {"a", "b", "b"}},
        // Upper case before lower case, a prefix before its extensions, bytes
        // above 127 after every ASCII letter.
        {{"ab", "\xB9", "a", "Zz", "abc", "z", "\xE6x", "\xB9"},
         {"Zz", "a", "ab", "abc", "z", "\xB9", "\xB9", "\xE6x"}},
        {{"", "No condition", " x"}, {"", " x", "No condition"}},
        // Texts alike in their first eight bytes, and zero bytes, which order
        // after the end of a shorter text.
        {{"abcdefgh2", "abcdefgh", std::string("ab\0c", 4), "abcdefgh\xB9", "abcdefgh1",
          std::string("ab\0", 3), "ab"},
         {"ab", std::string("ab\0", 3), std::string("ab\0c", 4), "abcdefgh", "abcdefgh1",
          "abcdefgh2", "abcdefgh\xB9"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sortuj(c.input), c.expected);
    }
}

TEST(ListHelpers, SortujMatchesAReferenceOnALongList) {
    Names input;
    for (unsigned i = 0; i < 1000; ++i) {
        input.push_back(std::string(1, static_cast<char>((i * 37U) % 256U)) +
                        std::to_string((i * 7919U) % 101U));
    }
    Names reference = input;
    std::sort(reference.begin(), reference.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    EXPECT_EQ(sortuj(input), reference);
}

// Long enough for both radix widths: names alike in their first eight bytes,
// zero bytes, bytes above 127, repeats and the empty name.
TEST(ListHelpers, SortujMatchesAReferenceOnLongListsOfLongerNames) {
    const auto unsigned_less = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    };
    for (const unsigned size : {600U, 70000U}) {
        Names input;
        for (unsigned i = 0; i < size; ++i) {
            const unsigned v = (i * 2654435761U) % 100003U;
            std::string name =
                std::string(v % 3 == 0 ? "abcdefgh" : "ab") + std::to_string(v % 977);
            name.resize(v % 13);
            if (v % 5 == 0 && !name.empty()) {
                name[v % name.size()] = static_cast<char>(v % 7 == 0 ? 0 : 0xB9);
            }
            input.push_back(name);
        }
        Names reference = input;
        std::sort(reference.begin(), reference.end(), unsigned_less);
        EXPECT_EQ(sortuj(input), reference) << size;
    }
}

TEST(ListHelpers, RemovalDifferenceAndReversal) {
    const Names list{"a", "b", "a", "c"};
    EXPECT_EQ(usun("a", list), (Names{"b", "a", "c"}));
    EXPECT_EQ(usun("x", list), list);
    EXPECT_EQ(usun_wszystkie("a", list), (Names{"b", "c"}));
    EXPECT_EQ(usun_wszystkie("a", {}), Names{});
    EXPECT_EQ(odwracanie(list), (Names{"c", "a", "b", "a"}));

    EXPECT_EQ(roznica_zbiorow(list, {"a"}), (Names{"b", "c"}));
    EXPECT_EQ(roznica_zbiorow(list, {}), list);
    EXPECT_EQ(roznica_zbiorow({}, {"a"}), Names{});
    EXPECT_EQ(roznica_zbiorow({"b", "a", "b"}, {"c", "A"}), (Names{"b", "a", "b"}));

    EXPECT_EQ(usuniecie_list_wewnetrznych({{"a", "b"}, {}, {"b"}}), (Names{"a", "b", "b"}));
    EXPECT_EQ(usuniecie_list_wewnetrznych({}), Names{});
}

TEST(ListHelpers, BracketListQuotesEachElement) {
    EXPECT_EQ(bracket_list({}), "[]");
    EXPECT_EQ(bracket_list({"a"}), "[\"a\"]");
    EXPECT_EQ(bracket_list({"a", "b c"}), "[\"a\",\"b c\"]");
}

} // namespace
} // namespace orve
