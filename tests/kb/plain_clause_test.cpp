// The shortcut for plain lines against the general parser: the same clauses, or
// the same error, on lines at the edge of the plain form and on whole files.
#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"
#include "kb/plain_clause.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace std::string_literals;

namespace orve {
namespace {

void expect_same_result(const ReadResult& actual, const ReadResult& expected,
                        const std::string& text) {
    SCOPED_TRACE(text);
    EXPECT_EQ(actual.empty_lines, expected.empty_lines);
    EXPECT_EQ(actual.empty_line, expected.empty_line);
    ASSERT_EQ(actual.error.has_value(), expected.error.has_value());
    if (expected.error) {
        EXPECT_EQ(actual.error->code, expected.error->code);
        EXPECT_EQ(actual.error->line, expected.error->line);
        EXPECT_EQ(actual.error->position, expected.error->position);
        EXPECT_EQ(actual.error->line_text, expected.error->line_text);
        EXPECT_EQ(actual.error->message, expected.error->message);
        EXPECT_EQ(actual.error->unknown_clause, expected.error->unknown_clause);
    }
    ASSERT_EQ(actual.clauses.size(), expected.clauses.size());
    for (std::size_t i = 0; i < expected.clauses.size(); ++i) {
        EXPECT_EQ(actual.clauses[i].functor, expected.clauses[i].functor);
        EXPECT_EQ(actual.clauses[i].args, expected.clauses[i].args);
        EXPECT_EQ(actual.clauses[i].line, expected.clauses[i].line);
    }
}

struct LineCase {
    BaseKind kind;
    std::string line;
    bool plain; // read by the shortcut rather than left to the general parser
};

const LineCase kLines[] = {
    {BaseKind::Rule, R"(rule(1,"w0",["f0","f1"],0))", true},
    {BaseKind::Rule, " \trule ( -7 ,\t\"pump on\" , [ \"a\" ,\"b\"] , 0 )  \t", true},
    {BaseKind::Rule, R"(rule(999999999,"",[ ],-999999999))", true},
    {BaseKind::Rule, R"(rule(0007,"a",[],-0))", true},
    {BaseKind::Rule, R"(_rule(3,"a",["b"],0))", true},
    {BaseKind::Rule, R"(rem_rule("free text, with (brackets) and [lists]"))", true},
    {BaseKind::Rule, "fact(\"\xB9\xE6 \xC5\xBC~\")", true},
    // Escapes, control bytes and numbers of ten digits or more go to the general parser.
    {BaseKind::Rule, R"(fact("a\"b"))", false},
    {BaseKind::Rule, R"(rem_rule("a\\b\nc\q"))", false},
    {BaseKind::Rule, "rem_rule(\"a\x01\tb\")", false},
    {BaseKind::Rule, "fact(\"a\tb\")", false},
    {BaseKind::Rule, "fact(\"a\x7f\")", false},
    {BaseKind::Rule, "fact(\"a\rb\")", false},
    {BaseKind::Rule, "fact(\"a\0b\")"s, false},
    {BaseKind::Rule, "fact(\"a\\", false},
    {BaseKind::Rule, "fact(\"a\"\r)", false},
    {BaseKind::Rule, "rule(1,\"a\",[\"b\",\"c\td\"],0)", false},
    {BaseKind::Rule, R"(rule(2147483647,"a",[],-2147483648))", false},
    {BaseKind::Rule, R"(rule(0000000001,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(2147483648,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(1,"a",[],-99999999999999999999))", false},
    {BaseKind::Rule, R"(rule(1.5,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(1.,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(1e3,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(1e,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(1x,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(-,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(--1,"a",[],0))", false},
    {BaseKind::Rule, R"(rule(+1,"a",[],0))", false},
    // Structural faults: every one is an error of the general parser.
    {BaseKind::Rule, "fact()", false},
    {BaseKind::Rule, R"(fact("a","b"))", false},
    {BaseKind::Rule, R"(fact("a")", false},
    {BaseKind::Rule, R"(fact("a)", false},
    {BaseKind::Rule, R"(fact "a")", false},
    {BaseKind::Rule, R"(fact("a")))", false},
    {BaseKind::Rule, R"(fact("a") x)", false},
    {BaseKind::Rule, R"(fact("a").)", false},
    {BaseKind::Rule, "fact(a)", false},
    {BaseKind::Rule, "fact(1)", false},
    {BaseKind::Rule, "fact", false},
    {BaseKind::Rule, "(", false},
    {BaseKind::Rule, R"("a")", false},
    {BaseKind::Rule, R"(1rule(1,"a",[],0))", false},
    {BaseKind::Rule, R"(Rule(1,"a",[],0))", false},
    {BaseKind::Rule, R"(rules(1,"a",[],0))", false},
    {BaseKind::Rule, R"(constraint(1,["a"]))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b",],0))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b" "c"],0))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b","c",0))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b"))", false},
    {BaseKind::Rule, R"(rule(1,"a",[,],0))", false},
    {BaseKind::Rule, R"(rule(1,"a",[1],0))", false},
    {BaseKind::Rule, R"(rule(1,"a","b",0))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b"]))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b"],0,1))", false},
    {BaseKind::Rule, R"(rule(1,,[],0))", false},
    {BaseKind::Rule, R"(rule(1,"a",["b"],0]))", false},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",["a"],[2,-3,0],1))", true},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",[],[ ],1))", true},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",[],[2147483647,-0],1))", false},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",[],[2,"b"],1))", false},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",[],[2,],1))", false},
    {BaseKind::Model, R"(model_poly(1,"g","r","x",[],[2.5],1))", false},
    {BaseKind::Model, R"(exclusive_models(["a","b"]))", true},
    {BaseKind::Model, R"(argument_known("x",2))", true},
    {BaseKind::Model, R"(argument_known("x", -1.5e3 ))", true},
    {BaseKind::Model, R"(argument_known("x",1E+2))", true},
    {BaseKind::Model, R"(argument_known("x",007.50))", true},
    {BaseKind::Model, R"(argument_known("x",1e-400))", true},
    {BaseKind::Model, R"(argument_known("x",-2147483649))", true},
    {BaseKind::Model, R"(argument_known("x",-1e999))", false},
    {BaseKind::Model, R"(argument_known("x",1.5.3))", false},
    {BaseKind::Model, R"(argument_known("x",1.e5))", false},
    {BaseKind::Model, R"(argument_known("x",1e5e))", false},
    {BaseKind::Model, R"(argument_known("x",1e+))", false},
    {BaseKind::Model, R"(argument_known("x",-.5))", false},
    {BaseKind::Model, R"(argument_known("x","2"))", false},
    {BaseKind::Constraint, R"(constraint(1,[["a"]]))", false},
    {BaseKind::Advice, R"(advice(1,"a.hlp"))", true},
    {BaseKind::Advice, "advice(1,\"a\x01.hlp\")", false},
};

TEST(PlainClauseReader, ReadsLikeTheGeneralParser) {
    for (const LineCase& c : kLines) {
        const ClauseSchema& schema = schema_of(c.kind);
        const ReadResult general = read_clauses_generally(c.line, schema);
        expect_same_result(read_clauses(c.line, schema), general, c.line);

        Clause clause;
        const bool plain = PlainClauseReader(schema).read(c.line, clause);
        EXPECT_EQ(plain, c.plain) << c.line;
        if (plain) {
            ASSERT_TRUE(general.ok() && general.clauses.size() == 1) << c.line;
            EXPECT_EQ(clause.functor, general.clauses[0].functor) << c.line;
            EXPECT_EQ(clause.args, general.clauses[0].args) << c.line;
        }
    }
}

// A taker that copies leaves the clause's buffers to the next line: nothing of
// a longer list, another type or another clause may show in it.
TEST(PlainClauseReader, LeavesNothingOfThePreviousLine) {
    const std::string texts[] = {
        "rule(1,\"c\",[\"a\",\"b\",\"x\"],0)\nrule(2,\"d\",[\"e\"],3)\nfact(\"a\")\n"
        "rule(3,\"q\",[],5)\nrem_rule(\"r\")\n_fact(\"z\")\nrule(4,\"a\\tb\",[],0)\n",
        "model_poly(1,\"g\",\"r\",\"x\",[\"a\"],[2,-3,0],1)\nargument_known(\"x\",2.5)\n"
        "model_poly(2,\"h\",\"s\",\"y\",[],[7],1)\nexclusive_models([\"a\"])\n"
        "model_e(3,\"g\",\"r\",\"+\",[\"p\",\"q\"],0)\n",
        "fact(\"a\")\r\nfact(\"b\")\r\n",
        "\xEF\xBB\xBF"
        "fact(\"a\")\nfact(\"b\")",
        "fact(\"a\")\n\nfact(\"b\")\n",
        "fact(\"a\")\n \t\n",
        "fact(\"a\")\nfact(\"b\" x)\nfact(\"c\")\n",
    };
    for (const std::string& text : texts) {
        const ClauseSchema& schema = text.find("model") == std::string::npos
                                         ? schema_of(BaseKind::Rule)
                                         : schema_of(BaseKind::Model);
        const ReadResult general = read_clauses_generally(text, schema);
        std::vector<Clause> copies;
        ReadResult copied =
            read_clauses_into(text, schema, [&copies](Clause& c) { copies.push_back(c); });
        copied.clauses = std::move(copies);
        expect_same_result(copied, general, text);
        expect_same_result(read_clauses(text, schema), general, text);
    }
}

TEST(PlainClauseReader, ReadsTheExampleBasesLikeTheGeneralParser) {
    const struct {
        const char* prefix;
        BaseKind kind;
    } kinds[] = {{"RU", BaseKind::Rule},   {"MO", BaseKind::Model},    {"CO", BaseKind::Constraint},
                 {"AD", BaseKind::Advice}, {"GR", BaseKind::Graphics}, {"SO", BaseKind::Sound}};
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(ORVE_EXAMPLES_DIR) / "BASES")) {
        const std::string name = entry.path().filename().string();
        for (const auto& k : kinds) {
            if (name.rfind(k.prefix, 0) != 0) {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            const ReadResult general = read_clauses_generally(text.str(), schema_of(k.kind));
            EXPECT_TRUE(general.ok()) << name;
            expect_same_result(read_clauses(text.str(), schema_of(k.kind)), general, name);
            ++files;
        }
    }
    EXPECT_GE(files, 6);
}

} // namespace
} // namespace orve
