#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"

#include "clause_helpers.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace std::string_literals;

namespace orve {
namespace {

const ClauseSchema& rules() {
    return schema_of(BaseKind::Rule);
}
const ClauseSchema& models() {
    return schema_of(BaseKind::Model);
}

TEST(ClauseReader, DecodesTokensAndKeepsBytes) {
    const Clause rule =
        test::read_single(" \trule ( -7 ,\t\"pump on\" , [ \"a\" ,\"b\"] , 0 )  ", rules());
    test::expect_same_clause(rule, {"rule", {-7, "pump on"s, Names{"a", "b"}, 0}, 0});

    const Clause escaped = test::read_single(R"(rem_rule("q\"b\\s\nl\rc\tt\qx"))", rules());
    test::expect_same_clause(escaped, {"rem_rule", {"q\"b\\s\nl\rc\ttqx"s}, 0});

    // Code page 1250 and UTF-8 bytes pass unchanged; so do raw control bytes
    // other than NUL in a remark, which holds free text rather than a name.
    const Clause bytes = test::read_single("fact(\"\xB9\xE6 \xC5\xBC\x7E\")", rules());
    test::expect_same_clause(bytes, {"fact", {"\xB9\xE6 \xC5\xBC~"s}, 0});
    const Clause remark = test::read_single("rem_rule(\"a\x01\tx\")", rules());
    test::expect_same_clause(remark, {"rem_rule", {"a\x01\tx"s}, 0});
}

TEST(ClauseReader, ReadsNumbersOfEveryForm) {
    const struct {
        std::string text;
        double value;
    } reals[] = {{"2", 2.0},     {"-1.5e3", -1500.0}, {"1E+2", 100.0},
                 {"0.25", 0.25}, {"1e-400", 0.0},     {"-2147483649", -2147483649.0},
                 {"007.50", 7.5}};
    for (const auto& r : reals) {
        const Clause c = test::read_single("argument_known(\"x\"," + r.text + ")", models());
        test::expect_same_clause(c, {"argument_known", {"x"s, r.value}, 0});
    }
    const Clause extremes = test::read_single(
        "model_poly(-2147483648,\"g\",\"r\",\"x\",[],[2147483647,-0,007],1)", models());
    test::expect_same_clause(extremes, {"model_poly",
                                        {std::numeric_limits<int>::min(), "g"s, "r"s, "x"s, Names{},
                                         Numbers{2147483647, 0, 7}, 1},
                                        0});
}

TEST(ClauseReader, KeepsFileOrderAndLineNumbers) {
    const ReadResult result =
        read_clauses("fact(\"b\")\nrule(2,\"c\",[\"b\"],0)\nfact(\"a\")\n", rules());
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.clauses.size(), 3u);
    EXPECT_EQ(result.clauses[0].functor, "fact");
    EXPECT_EQ(result.clauses[1].functor, "rule");
    EXPECT_EQ(result.clauses[2].line, 3);
    EXPECT_EQ(std::get<std::string>(result.clauses[2].args[0]), "a");
}

struct ErrorCase {
    const char* name;
    BaseKind kind;
    std::string text;
    int code;
    int line;
    int position;
    std::string message;
};

const ErrorCase kErrorCases[] = {
    {"ConstraintInRuleBase", BaseKind::Rule, "rule(1,\"a\",[\"b\"],0)\nconstraint(1,[\"a\",\"b\"])",
     kUnknownClause, 2, 1, "Unknown clause name 'constraint'"},
    {"EndsMidClause", BaseKind::Rule, "fact(\"a\"", kUnexpectedEnd, 1, 9, "Unexpected end of line"},
    {"EndsInList", BaseKind::Rule, "rule(1,\"a\",[\"b\",\n", kUnexpectedEnd, 1, 17,
     "Unexpected end of line"},
    {"StringNotClosed", BaseKind::Rule, "fact(\"a)", kUnclosedString, 1, 6, "String not closed"},
    {"EscapedQuoteDoesNotClose", BaseKind::Rule, R"(fact("a\"))", kUnclosedString, 1, 6,
     "String not closed"},
    {"StringClosesOnNextLineOnly", BaseKind::Rule, "fact(\"a\nb\")", kUnclosedString, 1, 6,
     "String not closed"},
    {"IntegerOverflow", BaseKind::Rule, "rule(2147483648,\"a\",[],0)", kNumberTooLarge, 1, 6,
     "Integer too large"},
    {"IntegerUnderflow", BaseKind::Rule, "rule(-2147483649,\"a\",[],0)", kNumberTooLarge, 1, 6,
     "Integer too large"},
    {"IntegerListOverflow", BaseKind::Model,
     "model_poly(1,\"g\",\"r\",\"x\",[\"a\"],[1,99999999999],0)", kNumberTooLarge, 1, 35,
     "Integer too large"},
    {"RealOverflow", BaseKind::Model, "argument_known(\"x\",-1e999)", kNumberTooLarge, 1, 20,
     "Real number too large"},
    {"IntegerForString", BaseKind::Rule, "fact(1)", kWrongArgumentType, 1, 6,
     "Argument 1 of 'fact' must be a string"},
    {"RealForInteger", BaseKind::Rule, "rule(1.5,\"a\",[],0)", kWrongArgumentType, 1, 6,
     "Argument 1 of 'rule' must be an integer"},
    {"StringForList", BaseKind::Rule, "rule(1,\"a\",\"b\",0)", kWrongArgumentType, 1, 12,
     "Argument 3 of 'rule' must be a list of strings"},
    {"NameForString", BaseKind::Rule, "fact(pump)", kWrongArgumentType, 1, 6,
     "Argument 1 of 'fact' must be a string"},
    {"IntegerInStringList", BaseKind::Rule, "rule(1,\"a\",[\"b\",2],0)", kWrongArgumentType, 1, 17,
     "Elements of argument 3 of 'rule' must be strings"},
    {"NestedList", BaseKind::Constraint, "constraint(1,[[\"a\"]])", kWrongArgumentType, 1, 15,
     "Elements of argument 2 of 'constraint' must be strings"},
    {"StringInIntegerList", BaseKind::Model, "model_poly(1,\"g\",\"r\",\"x\",[],[\"2\"],0)",
     kWrongArgumentType, 1, 30, "Elements of argument 6 of 'model_poly' must be integers"},
    {"TooManyArguments", BaseKind::Rule, "rule(1,\"a\",[],0,5)", kWrongArgumentCount, 1, 16,
     "Clause 'rule' takes 4 arguments"},
    {"TooFewArguments", BaseKind::Rule, "rule(1,\"a\",[])", kWrongArgumentCount, 1, 14,
     "Clause 'rule' takes 4 arguments"},
    {"NoArguments", BaseKind::Rule, "fact()", kWrongArgumentCount, 1, 6,
     "Clause 'fact' takes 1 argument"},
    {"TextAfterClause", BaseKind::Rule, "fact(\"a\") fact(\"b\")", kTrailingText, 1, 11,
     "Text after the end of the clause"},
    {"FullStopAfterClause", BaseKind::Rule, "fact(\"a\").", kTrailingText, 1, 10,
     "Text after the end of the clause"},
    {"MissingComma", BaseKind::Rule, "fact(\"a\" \"b\")", kExpectedToken, 1, 10,
     "',' or ')' expected"},
    {"MissingParenthesis", BaseKind::Rule, "fact \"a\"", kExpectedToken, 1, 6, "'(' expected"},
    {"NoClauseName", BaseKind::Rule, "\"a\"", kExpectedToken, 1, 1, "Clause name expected"},
    {"EmptyArgument", BaseKind::Rule, "rule(1,,[],0)", kExpectedToken, 1, 8, "Argument expected"},
    {"ListMissingComma", BaseKind::Rule, "rule(1,\"a\",[\"b\" \"c\"],0)", kExpectedToken, 1, 17,
     "',' or ']' expected"},
    {"ListEmptyElement", BaseKind::Rule, "rule(1,\"a\",[\"b\",],0)", kExpectedToken, 1, 17,
     "List element expected"},
    {"IllegalCharacter", BaseKind::Rule, "fact(#)", kIllegalCharacter, 1, 6,
     "Illegal character '#'"},
    {"Nul", BaseKind::Rule, "fact(\"a\")\n\0fact(\"b\")"s, kIllegalCharacter, 2, 1,
     "Illegal character (byte 0x00)"},
    {"NulInString", BaseKind::Rule, "fact(\"a\0b\")"s, kIllegalCharacter, 1, 8,
     "Illegal character (byte 0x00)"},
    {"EscapedNul", BaseKind::Rule, "fact(\"a\\\0\")"s, kIllegalCharacter, 1, 9,
     "Illegal character (byte 0x00)"},
    {"HighByteOutsideString", BaseKind::Rule, "fact(\xC5)", kIllegalCharacter, 1, 6,
     "Illegal character (byte 0xC5)"},
    {"LoneMinus", BaseKind::Rule, "rule(-,\"a\",[],0)", kIllegalCharacter, 1, 6,
     "Minus sign without a number"},
    {"PlusSign", BaseKind::Rule, "rule(+1,\"a\",[],0)", kIllegalCharacter, 1, 6,
     "Illegal character '+'"},
    {"CrInsideLine", BaseKind::Rule, "fact(\"a\"\r)", kIllegalCharacter, 1, 9,
     "Illegal character (byte 0x0D)"},
    {"ErrorAfterByteOrderMark", BaseKind::Rule,
     "\xEF\xBB\xBF"
     "fakt(\"a\")",
     kUnknownClause, 1, 1, "Unknown clause name 'fakt'"},
    // Names refuse control characters, raw or escaped; the caret stands under
    // the byte or the escape's backslash.
    {"EscapedLineBreakInName", BaseKind::Rule, R"x(fact("pump\nrule(9)"))x", kIllegalCharacter, 1,
     11,
     "Control character (byte 0x0A) in argument 1 of 'fact': names may not contain line breaks, "
     "tabs or other control characters"},
    {"RawTabInCondition", BaseKind::Rule, "rule(1,\"a\",[\"b\",\"c\td\"],0)", kIllegalCharacter, 1,
     19,
     "Control character (byte 0x09) in an element of argument 3 of 'rule': names may not "
     "contain line breaks, tabs or other control characters"},
    {"EscapedTabInConclusion", BaseKind::Rule, R"(rule(1,"a\tb",["c"],0))", kIllegalCharacter, 1,
     10,
     "Control character (byte 0x09) in argument 2 of 'rule': names may not contain line breaks, "
     "tabs or other control characters"},
    {"RawControlByteInMediaName", BaseKind::Advice, "advice(1,\"a\x01.hlp\")", kIllegalCharacter, 1,
     12,
     "Control character (byte 0x01) in argument 2 of 'advice': names may not contain line "
     "breaks, tabs or other control characters"},
    {"DeleteByteInArgumentName", BaseKind::Model, "argument_known(\"x\x7f\",1)", kIllegalCharacter,
     1, 18,
     "Control character (byte 0x7F) in argument 1 of 'argument_known': names may not contain "
     "line breaks, tabs or other control characters"},
    // A forgotten "]": the caret stands where it belongs.
    {"MissingBracketBeforeNextArgument", BaseKind::Rule, "rule(1,\"a\",[\"b\",\"c\",0)",
     kExpectedToken, 1, 20, "Missing ']' to close the list of argument 3 of 'rule'"},
    {"MissingBracketBeforeParenthesis", BaseKind::Constraint, "constraint(1,[\"a\", \"b\" )",
     kExpectedToken, 1, 23, "Missing ']' to close the list of argument 2 of 'constraint'"},
    {"MissingBracketBeforeNextList", BaseKind::Model,
     "model_lin(1,\"g\",\"r\",[\"a\",\"b\",[\"c\"],0)", kExpectedToken, 1, 29,
     "Missing ']' to close the list of argument 4 of 'model_lin'"},
    {"MissingBracketAndArgument", BaseKind::Rule, "rule(1,\"a\",[\"b\")", kExpectedToken, 1, 16,
     "',' or ']' expected"},
};

class ClauseReaderError : public testing::TestWithParam<ErrorCase> {};

TEST_P(ClauseReaderError, ReportsCodeLinePositionAndMessage) {
    const ErrorCase& c = GetParam();
    const ReadResult result = read_clauses(c.text, schema_of(c.kind));
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->code, c.code);
    EXPECT_EQ(result.error->line, c.line);
    EXPECT_EQ(result.error->position, c.position);
    EXPECT_EQ(result.error->message, c.message);
    EXPECT_FALSE(result.empty_lines);
    // The clauses before the faulty line are kept.
    EXPECT_EQ(result.clauses.size(), static_cast<std::size_t>(c.line - 1));
}

INSTANTIATE_TEST_SUITE_P(Table, ClauseReaderError, testing::ValuesIn(kErrorCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(ClauseReader, ErrorNamesItsLineColumnAndUnknownClause) {
    const ReadResult result = read_clauses(
        "rule(1,\"a\",[\"b\"],0)\n  rem_constraint(\"from a Constraint Base\")\n", rules());
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->unknown_clause, "rem_constraint");
    EXPECT_EQ(located_message(*result.error),
              "Unknown clause name 'rem_constraint' (line 2, column 3)");
    EXPECT_EQ(kind_with_clause(result.error->unknown_clause), BaseKind::Constraint);
    EXPECT_EQ(kind_with_clause("fakt"), std::nullopt);
}

TEST(ClauseReader, ErrorCarriesTheLineWithoutItsLineEnd) {
    const ReadResult result =
        read_clauses("fact(\"a\")\r\n  fakt(\"b\")\r\nfact(\"c\")\r\n", rules());
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->line_text, "  fakt(\"b\")");
    EXPECT_EQ(result.error->position, 3);
}

struct LayoutCase {
    const char* name;
    std::string text;
    std::size_t clauses;
    int empty_line; // 0: none
};

const LayoutCase kLayoutCases[] = {
    {"SingleTrailingLineBreak", "fact(\"a\")\nfact(\"b\")\n", 2, 0},
    {"NoTrailingLineBreak", "fact(\"a\")\nfact(\"b\")", 2, 0},
    {"CrLfLineEnds", "fact(\"a\")\r\nfact(\"b\")\r\n", 2, 0},
    {"EmptyFile", "", 0, 0},
    {"ByteOrderMark",
     "\xEF\xBB\xBF"
     "fact(\"a\")\r\nfact(\"b\")\r\n",
     2, 0},
    {"ByteOrderMarkOnly", "\xEF\xBB\xBF", 0, 0},
    {"TwoTrailingLineBreaks", "fact(\"a\")\nfact(\"b\")\n\n", 2, 3},
    {"TwoTrailingCrLf", "fact(\"a\")\r\n\r\n", 1, 2},
    {"EmptyLineInMiddle", "fact(\"a\")\n\nfact(\"b\")\n", 1, 2},
    {"BlankLineInMiddle", "fact(\"a\")\n \t \nfact(\"b\")\n", 1, 2},
    {"OnlyLineBreak", "\n", 0, 1},
    {"BlanksAtEnd", "fact(\"a\")\n  ", 1, 2},
};

class ClauseReaderLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(ClauseReaderLayout, AcceptsOneLineBreakAfterTheLastClauseOnly) {
    const LayoutCase& c = GetParam();
    const ReadResult result = read_clauses(c.text, rules());
    EXPECT_FALSE(result.error.has_value());
    EXPECT_EQ(result.empty_lines, c.empty_line != 0);
    EXPECT_EQ(result.empty_line, c.empty_line);
    EXPECT_EQ(result.clauses.size(), c.clauses);
}

INSTANTIATE_TEST_SUITE_P(Table, ClauseReaderLayout, testing::ValuesIn(kLayoutCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(ClauseReader, SurvivesHostileInput) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 131 + 7) % 256));
    }
    const std::string mb(1 << 20, 'x');
    const std::string digits(1 << 20, '9');
    const std::string brackets(1 << 20, '[');
    const std::string cases[] = {
        binary,
        mb,                                           // a 1 MB name
        "fact(\"" + mb,                               // a 1 MB unclosed string
        "rule(" + digits + ",\"a\",[],0)",            // a 1 MB integer
        "argument_known(\"x\"," + digits + ")",       // a 1 MB real
        "rule(1,\"a\"," + brackets,                   // deep nesting
        "fact(\"a\")\n" + std::string(1 << 20, '\\'), // backslashes only
    };
    for (const std::string& text : cases) {
        for (const BaseKind kind : {BaseKind::Rule, BaseKind::Model}) {
            const ReadResult result = read_clauses(text, schema_of(kind));
            ASSERT_TRUE(result.error.has_value());
            EXPECT_LT(result.error->message.size(), 80u) << result.error->message;
        }
    }
}

TEST(ClauseReader, ReadsAOneMegabyteString) {
    const std::string text(1 << 20, 'x');
    const Clause c = test::read_single("fact(\"" + text + "\")\n", rules());
    test::expect_same_clause(c, {"fact", {text}, 0});
}

} // namespace
} // namespace orve
