#include "kb/base_schemas.hpp"
#include "kb/clause_writer.hpp"

#include "clause_helpers.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace std::string_literals;

namespace orve {
namespace {

TEST(ClauseWriter, QuotesOnlyLineBreaksQuotesAndBackslashes) {
    EXPECT_EQ(quote_string(""), R"("")");
    EXPECT_EQ(quote_string("a\"b\\c\nd\re\tf\xB9\xC5\xBC"),
              "\"a\\\"b\\\\c\\nd\\re\tf\xB9\xC5\xBC\"");
}

TEST(ClauseWriter, WritesOneLineWithoutBlanks) {
    EXPECT_EQ(write_clause({"rule", {3, "pump on"s, Names{"p low", "v"}, 0}, 1}),
              R"(rule(3,"pump on",["p low","v"],0))");
    EXPECT_EQ(write_clause({"model_poly", {-4, "c"s, "y"s, "x"s, Names{}, Numbers{0, -2}, 1}, 1}),
              R"(model_poly(-4,"c","y","x",[],[0,-2],1))");
}

TEST(ClauseWriter, WritesRealsInTheShortestExactForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{2.5, "2.5"},      {2.0, "2"},
                 {0.1, "0.1"},      {-1234567.0, "-1234567"},
                 {1e10, "1e+10"},   {1.0 / 3, "0.3333333333333333"},
                 {1e-300, "1e-300"}};
    for (const auto& c : cases) {
        EXPECT_EQ(write_clause({"argument_known", {"x"s, c.value}, 1}),
                  "argument_known(\"x\"," + std::string(c.text) + ")");
    }
}

TEST(ClauseWriter, WrittenClausesReadBackIdentical) {
    // Names hold no control characters; remarks may.
    const std::string awkward = "say \"hi\"\\ \xB9\xE6\xC5\xBC \\n end\\";
    const std::string remark = awkward + " \n\r\n\t\x01";
    const Clause clauses[] = {
        {"fact", {awkward}, 1},
        {"fact", {""s}, 1},
        {"rem_rule", {remark}, 1},
        {"rule",
         {std::numeric_limits<int>::min(), awkward, Names{awkward, "", "\""},
          std::numeric_limits<int>::max()},
         1},
        {"argument_known", {"x"s, std::numeric_limits<double>::max()}, 1},
        {"argument_known", {"x"s, -std::numeric_limits<double>::denorm_min()}, 1},
        {"argument_known", {"x"s, 0.1 + 0.2}, 1},
        {"model_poly", {1, "c"s, "y"s, "x"s, Names{"1"}, Numbers{-7, 0, 12}, 0}, 1},
    };
    for (const Clause& clause : clauses) {
        const BaseKind kind = clause.functor == "argument_known" || clause.functor == "model_poly"
                                  ? BaseKind::Model
                                  : BaseKind::Rule;
        test::expect_same_clause(test::read_single(write_clause(clause) + "\n", schema_of(kind)),
                                 clause);
    }
}

} // namespace
} // namespace orve
