#include "verify/flat_versions.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"

#include "askables/list_helpers.hpp"
#include "verify/verify_text.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::rule;

AskableLists askable(std::initializer_list<std::string> names) {
    AskableLists lists;
    lists.dopytywalny.insert(names.begin(), names.end());
    return lists;
}

// Every version of the first rule's conditions as `["b","a"] [7,4]` (the rules
// used as delivered: most recent first, zeros kept), joined by " | ".
std::string versions_of_first_rule(const std::vector<Rule>& rules, const AskableLists& askables) {
    RuleBase base;
    base.rules = rules;
    const FlatteningIndex index(base, askables);
    std::string text;
    splaszcz(index, rules.front().conditions, [&](const Flattened& version) {
        text += (text.empty() ? "" : " | ") + bracket_list(version.conditions) + " " +
                bracket_numbers(version.rules_used);
        return true;
    });
    return text;
}

struct Case {
    const char* label;
    std::vector<Rule> rules;
    AskableLists askables;
    std::string versions;
};

TEST(Flattening, DeliversTheVersionsInTheirDefinedOrder) {
    const Case cases[] = {
        {"askable conditions concluded by no rule come back reversed",
         {rule(1, "k", {"a", "b"})},
         askable({"a", "b"}),
         R"(["b","a"] [0,0])"},
        {"the group of the last condition comes first",
         {rule(1, "k", {"c1", "c2"}), rule(4, "c1", {"a1", "a2"}), rule(7, "c2", {"b1"})},
         askable({"a1", "a2", "b1"}),
         R"(["b1","a1","a2"] [7,4])"},
        {"two rules concluding a condition give two versions, table order first",
         {rule(1, "k", {"c"}), rule(2, "c", {"a"}), rule(3, "c", {"b"})},
         askable({"a", "b"}),
         R"(["a"] [2] | ["b"] [3])"},
        {"an askable conclusion is replaced first and kept last",
         {rule(1, "k", {"c"}), rule(2, "c", {"a"})},
         askable({"a", "c"}),
         R"(["a"] [2] | ["c"] [0])"},
        {"a condition neither askable nor concluded has no version",
         {rule(1, "k", {"a", "x"})},
         askable({"a"}),
         ""},
        {"a pass of askable conditions ends even when one is concluded",
         {rule(1, "k", {"p"}), rule(2, "p", {"b"}), rule(3, "b", {"z"})},
         askable({"b", "z"}),
         R"(["b"] [2])"},
        {"a further pass replaces every pending condition again",
         {rule(1, "k", {"p", "q"}), rule(2, "p", {"r"}), rule(3, "r", {"a"}), rule(4, "q", {"b"}),
          rule(5, "b", {"z"})},
         askable({"a", "b", "z"}),
         R"(["a","z"] [3,5,4,2] | ["a","b"] [3,0,4,2])"},
        {"a name brought in twice is kept at its last place",
         {rule(1, "k", {"c1", "c2"}), rule(2, "c1", {"a", "b"}), rule(3, "c2", {"a"})},
         askable({"a", "b"}),
         R"(["a","b"] [3,2])"},
        {"no conditions flatten to none", {rule(1, "k", {})}, askable({}), "[] []"},
        {"a cycle of conclusions ends without a version",
         {rule(1, "k", {"a"}), rule(2, "a", {"b"}), rule(3, "b", {"a"})},
         askable({}),
         ""},
        {"a rule needing its own conclusion ends without a version",
         {rule(1, "a", {"a", "x"})},
         askable({"x"}),
         ""},
        {"a rule that can never flatten is passed over",
         {rule(1, "k", {"c"}), rule(2, "c", {"d", "a"}), rule(3, "d", {"d"}), rule(4, "c", {"a"}),
          rule(5, "c", {"b", "a"})},
         askable({"a", "b"}),
         R"(["a"] [4] | ["b","a"] [5])"},
        {"a cycle is left through its askable way out",
         {rule(1, "k", {"a"}), rule(2, "a", {"b"}), rule(3, "b", {"a"}), rule(4, "b", {"e"})},
         askable({"e"}),
         R"(["e"] [4,2])"},
        {"re-entering a conclusion of the path drops only that branch",
         {rule(1, "k", {"a", "c"}), rule(2, "a", {"b"}), rule(3, "b", {"a"}), rule(5, "c", {"d"}),
          rule(6, "d", {"e"})},
         askable({"b", "e"}),
         R"(["b","e"] [0,6,5,2])"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(versions_of_first_rule(c.rules, c.askables), c.versions);
    }
}

TEST(Flattening, StopsWhenTheVisitorSaysSo) {
    RuleBase base;
    base.rules = {rule(1, "k", {"c"}), rule(2, "c", {"a"}), rule(3, "c", {"b"})};
    const FlatteningIndex index(base, askable({"a", "b"}));
    int calls = 0;
    splaszcz(index, {"c"}, [&](const Flattened&) {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
}

TEST(Flattening, CyclesThroughManyConclusionsEnd) {
    // Every conclusion needs every other one and one askable way out: many
    // paths, all of them bounded.
    RuleBase base;
    const Names ring = {"n0", "n1", "n2", "n3", "n4"};
    for (std::size_t i = 0; i < ring.size(); ++i) {
        Names conditions = usun(ring[i], ring);
        base.rules.push_back(rule(static_cast<int>(i + 1), ring[i], conditions));
        base.rules.push_back(rule(static_cast<int>(i + 11), ring[i], {"out" + std::to_string(i)}));
    }
    const FlatteningIndex index(base, askable({"out0", "out1", "out2", "out3", "out4"}));
    std::size_t versions = 0;
    splaszcz(index, {"n0"}, [&](const Flattened& version) {
        ++versions;
        EXPECT_TRUE(ma_warunki_niedopyt(index, version.conditions, false));
        return true;
    });
    EXPECT_GT(versions, 0U);
}

TEST(Flattening, LongChainsNeedNoDeepStack) {
    RuleBase base;
    const int depth = 5000;
    for (int i = 0; i < depth; ++i) {
        base.rules.push_back(rule(i + 1, "c" + std::to_string(i), {"c" + std::to_string(i + 1)}));
    }
    const FlatteningIndex index(base, askable({"c" + std::to_string(depth)}));
    std::size_t used = 0;
    splaszcz(index, {"c0"}, [&](const Flattened& version) {
        EXPECT_EQ(version.conditions, Names{"c" + std::to_string(depth)});
        used = version.rules_used.size();
        EXPECT_EQ(version.rules_used.front(), depth);
        return true;
    });
    EXPECT_EQ(used, static_cast<std::size_t>(depth));
}

TEST(Flattening, AlternativesAndAskability) {
    RuleBase base;
    base.rules = {rule(1, "k", {"c"}), rule(2, "c", {"a", "b"}), rule(3, "c", {"d"})};
    const FlatteningIndex index(base, askable({"a", "b", "c"}));
    using Alternatives = std::vector<std::pair<int, Names>>;
    EXPECT_EQ(szukaj_regule(index, "c"), (Alternatives{{2, {"a", "b"}}, {3, {"d"}}, {0, {"c"}}}));
    EXPECT_EQ(szukaj_regule(index, "a"), (Alternatives{{0, {"a"}}}));
    EXPECT_EQ(szukaj_regule(index, "unknown"), Alternatives{});

    EXPECT_TRUE(ma_warunki_niedopyt(index, {"a", "d"}, true));
    EXPECT_FALSE(ma_warunki_niedopyt(index, {"a", "d"}, false));
    EXPECT_TRUE(ma_warunki_niedopyt(index, {"a", "b"}, false));
    EXPECT_FALSE(ma_warunki_niedopyt(index, {"a", "b"}, true));

    EXPECT_EQ(rules_used_for_display({7, 0, 4, 0}), (Numbers{4, 7}));
}

} // namespace
} // namespace orve
