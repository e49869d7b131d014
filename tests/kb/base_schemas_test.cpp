#include "kb/base_schemas.hpp"
#include "kb/clause_writer.hpp"

#include "clause_helpers.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace std::string_literals;

namespace orve {
namespace {

struct ValidLine {
    BaseKind kind;
    std::string text;
};

// One clause of every clause type of every base kind.
const ValidLine kValidLines[] = {
    {BaseKind::Rule, R"(rule(3,"pump on",["pressure low","valve open"],0))"},
    {BaseKind::Rule, R"(fact("pressure low"))"},
    {BaseKind::Rule, R"(rem_rule("pumps"))"},
    {BaseKind::Rule, R"(_rule(4,"pump off",[],1))"},
    {BaseKind::Rule, R"(_fact("valve open"))"},
    {BaseKind::Model, R"(model_b(1,"No condition","p","a","+","b",1))"},
    {BaseKind::Model, R"(model_e(2,"c","s","sum",["a","b"],0))"},
    {BaseKind::Model, R"(model_lin(3,"c","l",["2","k"],["a","b"],0))"},
    {BaseKind::Model, R"(model_poly(4,"c","y","x",["1","3"],[0,2],1))"},
    {BaseKind::Model, R"(m_fact("c"))"},
    {BaseKind::Model, R"(argument_known("a",2.5))"},
    {BaseKind::Model, R"(exclusive_models(["p","s"]))"},
    {BaseKind::Model, R"(rem_model_b("basic"))"},
    {BaseKind::Model, R"(rem_model_e("extended"))"},
    {BaseKind::Model, R"(rem_model_lin("linear"))"},
    {BaseKind::Model, R"(rem_model_poly("polynomial"))"},
    {BaseKind::Model, R"(rem_exclusive_models(["a","remark"]))"},
    {BaseKind::Model, R"(_model_b(5,"c","q","a","-","b",0))"},
    {BaseKind::Model, R"(_model_e(6,"c","m","max",[],0))"},
    {BaseKind::Model, R"(_model_lin(7,"c","l",[],[],0))"},
    {BaseKind::Model, R"(_model_poly(8,"c","y","x",[],[],0))"},
    {BaseKind::Model, R"(_m_fact("d"))"},
    {BaseKind::Model, R"(_argument_known("b",-1))"},
    {BaseKind::Model, R"(_exclusive_models([]))"},
    {BaseKind::Constraint, R"(constraint(1,["hot","cold"]))"},
    {BaseKind::Constraint, R"(rem_constraint("temperatures"))"},
    {BaseKind::Constraint, R"(_constraint(2,["wet","dry"]))"},
    {BaseKind::Advice, R"(advice(3,"pump.hlp"))"},
    {BaseKind::Graphics, R"(graphics(3,"pump"))"},
    {BaseKind::Sound, R"(sounds(3,"alarm.wav"))"},
};

constexpr BaseKind kAllKinds[] = {BaseKind::Rule,   BaseKind::Model,    BaseKind::Constraint,
                                  BaseKind::Advice, BaseKind::Graphics, BaseKind::Sound};

// Every line reads in its own base and re-reads identically from the writer's
// output; together the lines cover every clause type of every schema.
TEST(BaseSchemas, EveryClauseTypeReadsAndRoundTrips) {
    std::set<std::pair<BaseKind, std::string>> covered;
    for (const ValidLine& line : kValidLines) {
        const ClauseSchema& schema = schema_of(line.kind);
        const Clause clause = test::read_single(line.text + "\n", schema);
        covered.insert({line.kind, clause.functor});
        test::expect_same_clause(test::read_single(write_clause(clause), schema), clause);
    }
    for (const BaseKind kind : kAllKinds) {
        for (const ClauseType& type : schema_of(kind)) {
            EXPECT_TRUE(covered.count({kind, type.functor})) << type.functor;
        }
    }
}

// A clause type belongs to its own base only: no other base accepts it.
TEST(BaseSchemas, ClauseTypesOfOtherBasesAreUnknown) {
    for (const ValidLine& line : kValidLines) {
        for (const BaseKind kind : kAllKinds) {
            if (kind == line.kind) {
                continue;
            }
            const ReadResult result = read_clauses(line.text, schema_of(kind));
            ASSERT_TRUE(result.error.has_value()) << line.text;
            EXPECT_EQ(result.error->code, kUnknownClause) << line.text;
        }
    }
}

TEST(BaseSchemas, MediaBasesHaveNoRemarksOrSwitchedOffClauses) {
    for (const char* text : {R"(rem_advice("x"))", R"(_advice(1,"a.hlp"))", R"(rem_graphics("x"))",
                             R"(_sounds(1,"a"))"}) {
        for (const BaseKind kind : {BaseKind::Advice, BaseKind::Graphics, BaseKind::Sound}) {
            const ReadResult result = read_clauses(text, schema_of(kind));
            ASSERT_TRUE(result.error.has_value());
            EXPECT_EQ(result.error->code, kUnknownClause);
        }
    }
}

ReadResult read_ok(const std::string& text, BaseKind kind) {
    ReadResult result = read_clauses(text, schema_of(kind));
    EXPECT_TRUE(result.ok()) << text;
    return result;
}

TEST(BaseSchemas, FillsRuleTablesWithWorkingClausesInFileOrder) {
    const ReadResult result = read_ok("rem_rule(\"r\")\n"
                                      "rule(2,\"b\",[\"a\"],7)\n"
                                      "_rule(3,\"c\",[],0)\n"
                                      "fact(\"x\")\n"
                                      "_fact(\"y\")\n"
                                      "rule(1,\"a\",[],0)\n"
                                      "fact(\"w\")\n",
                                      BaseKind::Rule);
    KnowledgeBaseSet kb;
    fill_tables(BaseKind::Rule, result.clauses, kb);
    ASSERT_EQ(kb.rule.rules.size(), 2u);
    EXPECT_EQ(kb.rule.rules[0].number, 2);
    EXPECT_EQ(kb.rule.rules[0].conclusion, "b");
    EXPECT_EQ(kb.rule.rules[0].conditions, Names{"a"});
    EXPECT_EQ(kb.rule.rules[0].fourth, 7);
    EXPECT_EQ(kb.rule.rules[1].number, 1);
    EXPECT_EQ(kb.rule.facts, (Names{"x", "w"}));
}

TEST(BaseSchemas, FillsModelTables) {
    std::string text;
    for (const ValidLine& line : kValidLines) {
        if (line.kind == BaseKind::Model) {
            text += line.text + "\n";
        }
    }
    KnowledgeBaseSet kb;
    fill_tables(BaseKind::Model, read_ok(text, BaseKind::Model).clauses, kb);
    const ModelBase& m = kb.model;
    ASSERT_EQ(m.basic.size(), 1u);
    EXPECT_EQ(m.basic[0].number, 1);
    EXPECT_EQ(m.basic[0].go_ahead, "No condition");
    EXPECT_EQ(m.basic[0].result, "p");
    EXPECT_EQ(m.basic[0].argument1, "a");
    EXPECT_EQ(m.basic[0].operation, "+");
    EXPECT_EQ(m.basic[0].argument2, "b");
    EXPECT_EQ(m.basic[0].semaphor, 1);
    ASSERT_EQ(m.extended.size(), 1u);
    EXPECT_EQ(m.extended[0].operation, "sum");
    EXPECT_EQ(m.extended[0].arguments, (Names{"a", "b"}));
    ASSERT_EQ(m.linear.size(), 1u);
    EXPECT_EQ(m.linear[0].coefficients, (Names{"2", "k"}));
    EXPECT_EQ(m.linear[0].variables, (Names{"a", "b"}));
    ASSERT_EQ(m.polynomial.size(), 1u);
    EXPECT_EQ(m.polynomial[0].variable, "x");
    EXPECT_EQ(m.polynomial[0].coefficients, (Names{"1", "3"}));
    EXPECT_EQ(m.polynomial[0].powers, (Numbers{0, 2}));
    EXPECT_EQ(m.polynomial[0].semaphor, 1);
    EXPECT_EQ(m.m_facts, Names{"c"});
    ASSERT_EQ(m.arguments_known.size(), 1u);
    EXPECT_EQ(m.arguments_known[0].name, "a");
    EXPECT_EQ(m.arguments_known[0].value, 2.5);
    EXPECT_EQ(m.exclusive_models, std::vector<Names>{(Names{"p", "s"})});
}

TEST(BaseSchemas, FillsConstraintAndMediaTables) {
    KnowledgeBaseSet kb;
    fill_tables(
        BaseKind::Constraint,
        read_ok("_constraint(1,[\"a\",\"b\"])\nconstraint(2,[\"c\",\"d\"])\n", BaseKind::Constraint)
            .clauses,
        kb);
    ASSERT_EQ(kb.constraint.constraints.size(), 1u);
    EXPECT_EQ(kb.constraint.constraints[0].number, 2);
    EXPECT_EQ(kb.constraint.constraints[0].conditions, (Names{"c", "d"}));

    fill_tables(BaseKind::Advice, read_ok("advice(4,\"a.hlp\")", BaseKind::Advice).clauses, kb);
    fill_tables(BaseKind::Graphics, read_ok("graphics(5,\"g\")", BaseKind::Graphics).clauses, kb);
    fill_tables(BaseKind::Sound, read_ok("sounds(6,\"s\")", BaseKind::Sound).clauses, kb);
    ASSERT_EQ(kb.advice.clauses.size(), 1u);
    EXPECT_EQ(kb.advice.clauses[0].number, 4);
    EXPECT_EQ(kb.advice.clauses[0].file, "a.hlp");
    ASSERT_EQ(kb.graphics.clauses.size(), 1u);
    EXPECT_EQ(kb.graphics.clauses[0].file, "g");
    ASSERT_EQ(kb.sound.clauses.size(), 1u);
    EXPECT_EQ(kb.sound.clauses[0].number, 6);
    EXPECT_TRUE(kb.rule.rules.empty());
}

} // namespace
} // namespace orve
