#include "models/model_operations.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace orve {
namespace {

struct OperationCase {
    std::string operation;
    double a;
    double b;
    double expected;
};

TEST(ModelOperations, BasicOperationsGiveTheirValues) {
    const std::vector<OperationCase> cases = {
        {"+", 2, 3, 5},
        {"-", 2, 3, -1},
        {"*", 2, 3, 6},
        {"/", 3, 2, 1.5},
        {"div", 7.6, 2, 4},
        {"div", -7, 2, -3},
        {"mod", -7, 2, -1},
        {"mod", 7, -2, 1},
        {"min", 2, 2, 2},
        {"max", 2, 2, 2},
        {"min", 1, 2, 1},
        {"max", 1, 2, 2},
        {"%", 50, 200, 25},
        {"=", 4, 0, 4},
        {"round_to_N", 3.14159, 2, 3.14},
        {"round_to_N", 2.5, 0, 3},
        {"A^N", 7, 0, 1},
        {"A^N", -2, 3, -8},
        {"A^N", 2, 2.6, 8},
        {"round", 2.5, 0, 3},
        {"round", -2.5, 0, -2},
        {"trunc", -2.7, 0, -2},
        {"abs", -2, 0, 2},
        {"sqrt", 9, 0, 3},
        {"exp", 0, 0, 1},
        {"ln", 1, 0, 0},
        {"log", 100, 0, 2},
        {"arctan", 0, 0, 0},
        {"cos", 0, 0, 1},
        {"tan", 0, 0, 0},
    };
    test::ScriptedDialogs ui;
    for (const auto& c : cases) {
        const auto outcome = wykonaj(c.operation, c.a, c.b, ui);
        ASSERT_TRUE(outcome.value) << c.operation << " " << c.a << " " << c.b;
        EXPECT_DOUBLE_EQ(*outcome.value, c.expected) << c.operation << " " << c.a << " " << c.b;
    }
    EXPECT_TRUE(ui.notes.empty());
}

// Operations without a defined result refuse with a cause instead of writing
// an infinite or undefined value.
TEST(ModelOperations, UndefinedResultsAreRefusedWithACause) {
    const std::vector<std::tuple<std::string, double, double, std::string>> cases = {
        {"div", 5, 0.4, "division by 0 in \"div\""},
        {"mod", 5, -0.2, "division by 0 in \"mod\""},
        {"div", 3e9, 2, "an operand of \"div\" is outside the integer range"},
        {"%", 5, 0, "division by 0 in \"%\""},
        {"ln", 0, 0, "\"ln\" of a value not above 0"},
        {"log", -1, 0, "\"log\" of a value not above 0"},
        {"tan", std::acos(0.0), 0, "\"tan\" at a pole"},
        {"round_to_N", 3.1, -1, "a negative N in \"round_to_N\""},
        {"A^N", 2, -0.6, "a negative N in \"A^N\""},
        {"A^N", 2, 1e10, "N of \"A^N\" is outside the integer range"},
        {"A^N", 10, 400, "the result is not a finite number"},
        {"exp", 1000, 0, "the result is not a finite number"},
        {"*", 1e300, 1e300, "the result is not a finite number"},
    };
    test::ScriptedDialogs ui;
    for (const auto& [operation, a, b, cause] : cases) {
        const auto outcome = wykonaj(operation, a, b, ui);
        EXPECT_FALSE(outcome.value) << operation;
        EXPECT_EQ(outcome.fault, cause) << operation;
    }
}

TEST(ModelOperations, MalformedOperationsFailSilently) {
    test::ScriptedDialogs ui;
    for (const auto& [operation, b] : std::vector<std::pair<std::string, double>>{
             {"sin", 1}, {"=", 1}, {"number_of_rule_conditions", 0}, {"pow", 0}, {">", 0}}) {
        const auto outcome = wykonaj(operation, 2, b, ui);
        EXPECT_FALSE(outcome.value) << operation;
        EXPECT_EQ(outcome.fault, "") << operation;
    }
}

TEST(ModelOperations, DivisionByZeroAndNegativeRootWarnAndGoOn) {
    test::ScriptedDialogs ui;
    EXPECT_EQ(wykonaj("/", 5, 0, ui).value, 1.0);
    EXPECT_EQ(wykonaj("sqrt", -4, 0, ui).value, 2.0);
    EXPECT_EQ(ui.window, "Attempt to divide by 0!\n");
    EXPECT_EQ(ui.notes,
              (std::vector<test::Note>{{"Attention!", "Attempt to divide by 0!!"},
                                       {"Attention!", "Square root from negative real!"}}));
}

TEST(ModelOperations, RealToIntegerRoundsHalvesAwayFromZeroWithinRange) {
    EXPECT_EQ(real_to_integer(2.5), 3);
    EXPECT_EQ(real_to_integer(-2.5), -3);
    EXPECT_EQ(real_to_integer(0.49), 0);
    EXPECT_EQ(real_to_integer(2147483647.4), 2147483647);
    EXPECT_EQ(real_to_integer(-2147483648.4), -2147483647 - 1);
    EXPECT_EQ(real_to_integer(2147483647.5), std::nullopt);
    EXPECT_EQ(real_to_integer(-2147483648.5), std::nullopt);
}

TEST(ModelOperations, TextToRealAcceptsOnlyFiniteWholeNumbers) {
    EXPECT_EQ(text_to_real("-2.5"), -2.5);
    EXPECT_EQ(text_to_real("0"), 0.0);
    for (const std::string text : {"", "2.5x", "x", "inf", "nan", "1e999"}) {
        EXPECT_EQ(text_to_real(text), std::nullopt) << text;
    }
}

TEST(ModelOperations, ATypedValueMayHaveADecimalComma) {
    EXPECT_EQ(typed_real("1,5"), 1.5);
    EXPECT_EQ(typed_real(" -0,25\t"), -0.25);
    EXPECT_EQ(typed_real("2,5e3"), 2500.0);
    EXPECT_EQ(typed_real(" 12.5 "), 12.5);
    for (const std::string text : {"", " ", ",", "1,5,0", "1.000,5", "1,5.0", "1, 5", "abc"}) {
        EXPECT_EQ(typed_real(text), std::nullopt) << text;
    }
}

TEST(ModelOperations, ListOperations) {
    EXPECT_EQ(wykonaj_r("+", {}).value, 0.0);
    EXPECT_EQ(wykonaj_r("*", {}).value, 1.0);
    EXPECT_EQ(wykonaj_r("+", {1, 2, 3}).value, 6.0);
    EXPECT_EQ(wykonaj_r("*", {2, 3}).value, 6.0);
    EXPECT_EQ(wykonaj_r("max_list", {1, 5, 3}).value, 5.0);
    EXPECT_EQ(wykonaj_r("min_list", {4, -5, 3}).value, -5.0);
    EXPECT_FALSE(wykonaj_r("max_list", {}).value);
    EXPECT_FALSE(wykonaj_r("-", {1, 2}).value);

    EXPECT_EQ(wykonaj_liniowy({2, 3}, {10, 100}, 0.0).value, 320.0);
    EXPECT_FALSE(wykonaj_liniowy({2, 3}, {10}, 0.0).value);

    // 1 + 2x + 3x^2 at x = 2.
    EXPECT_EQ(wykonaj_wielomianowy({0, 1, 2}, {1, 2, 3}, 2, 0.0).value, 17.0);
    EXPECT_EQ(wykonaj_wielomianowy({-1, 1}, {0, 2}, 5, 0.0).value, 10.0);
    EXPECT_FALSE(wykonaj_wielomianowy({-1}, {2}, 5, 0.0).value);
    EXPECT_FALSE(wykonaj_wielomianowy({1, 2}, {2}, 5, 0.0).value);
}

TEST(ModelOperations, Relations) {
    const std::vector<std::tuple<std::string, double, double, bool>> cases = {
        {">", 2, 1, true},   {">", 1, 1, false}, {"<", 1, 2, true},  {">=", 1, 1, true},
        {"<=", 2, 1, false}, {"==", 1, 1, true}, {"><", 1, 2, true}, {"<>", 1, 1, false},
        {"<>", 1, 2, true},  {"+", 1, 2, false},
    };
    for (const auto& [relation, a, b, holds] : cases) {
        EXPECT_EQ(relacja(relation, a, b), holds) << relation << " " << a << " " << b;
    }
    EXPECT_TRUE(relacja_r("<=,<", 1, 1, 2));
    EXPECT_FALSE(relacja_r("<,<", 1, 1, 2));
    EXPECT_TRUE(relacja_r("<,<=", 1, 2, 2));
    EXPECT_FALSE(relacja_r("<=,<", 1, 2, 2));
    EXPECT_TRUE(relacja_r("<=,<=", 2, 2, 2));
    EXPECT_TRUE(is_relation("<>"));
    EXPECT_FALSE(is_basic_arithmetic("<>"));
}

} // namespace
} // namespace orve
