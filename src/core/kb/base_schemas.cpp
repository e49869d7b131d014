#include "kb/base_schemas.hpp"

#include "kb/base_kinds.hpp"

#include <algorithm>
#include <cstring>

namespace orve {

namespace {

using enum ArgType;

// A working clause type and its switched-off twin ("_" + name, same fields).
void add_switchable(ClauseSchema& schema, const std::string& name, std::vector<ArgType> fields) {
    schema.push_back({"_" + name, fields});
    schema.push_back({name, std::move(fields)});
}

// A remark clause: "rem_" + name holding free text (or a list of strings).
void add_remark(ClauseSchema& schema, const std::string& name, ArgType type = Text) {
    schema.push_back({"rem_" + name, {type}});
}

// Field accessors that give an empty value when a clause lacks the expected
// field, so clauses of another schema cannot throw. The value is moved out:
// each field is taken once, and names are not copied again.
template <typename T> T field(Clause& clause, std::size_t index) {
    if (index < clause.args.size()) {
        if (T* value = std::get_if<T>(&clause.args[index])) {
            return std::move(*value);
        }
    }
    return T{};
}

// Moves the field into `to`, which keeps its value when the clause lacks the
// field. Saves the temporary of field() where a table is filled in place.
template <typename T> void move_field(Clause& clause, std::size_t index, T& to) {
    if (index < clause.args.size()) {
        if (T* value = std::get_if<T>(&clause.args[index])) {
            to = std::move(*value);
        }
    }
}

int integer(Clause& c, std::size_t i) {
    return field<int>(c, i);
}
double real(Clause& c, std::size_t i) {
    return field<double>(c, i);
}
std::string text(Clause& c, std::size_t i) {
    return field<std::string>(c, i);
}
Names names(Clause& c, std::size_t i) {
    return field<Names>(c, i);
}
Numbers numbers(Clause& c, std::size_t i) {
    return field<Numbers>(c, i);
}

// Whether the clause is named `name`; with the length known when compiling,
// the test is a couple of instructions, once per clause of a large file.
template <std::size_t N> bool named(const Clause& c, const char (&name)[N]) {
    return c.functor.size() == N - 1 && std::memcmp(c.functor.data(), name, N - 1) == 0;
}

void fill_model_clause(Clause& c, ModelBase& base) {
    if (named(c, "model_b")) {
        base.basic.push_back({integer(c, 0), text(c, 1), text(c, 2), text(c, 3), text(c, 4),
                              text(c, 5), integer(c, 6)});
    } else if (named(c, "model_e")) {
        base.extended.push_back(
            {integer(c, 0), text(c, 1), text(c, 2), text(c, 3), names(c, 4), integer(c, 5)});
    } else if (named(c, "model_lin")) {
        base.linear.push_back(
            {integer(c, 0), text(c, 1), text(c, 2), names(c, 3), names(c, 4), integer(c, 5)});
    } else if (named(c, "model_poly")) {
        base.polynomial.push_back({integer(c, 0), text(c, 1), text(c, 2), text(c, 3), names(c, 4),
                                   numbers(c, 5), integer(c, 6)});
    }
}

} // namespace

ClauseSchema rule_schema() {
    ClauseSchema schema;
    add_switchable(schema, "rule", {Integer, String, StringList, Integer});
    add_switchable(schema, "fact", {String});
    add_remark(schema, "rule");
    return schema;
}

ClauseSchema model_schema() {
    ClauseSchema schema;
    add_switchable(schema, "model_b", {Integer, String, String, String, String, String, Integer});
    add_switchable(schema, "model_e", {Integer, String, String, String, StringList, Integer});
    add_switchable(schema, "model_lin", {Integer, String, String, StringList, StringList, Integer});
    add_switchable(schema, "model_poly",
                   {Integer, String, String, String, StringList, IntegerList, Integer});
    add_switchable(schema, "m_fact", {String});
    add_switchable(schema, "argument_known", {String, Real});
    add_switchable(schema, "exclusive_models", {StringList});
    for (const char* name : {"model_b", "model_e", "model_lin", "model_poly"}) {
        add_remark(schema, name);
    }
    add_remark(schema, "exclusive_models", StringList);
    return schema;
}

ClauseSchema constraint_schema() {
    ClauseSchema schema;
    add_switchable(schema, "constraint", {Integer, StringList});
    add_remark(schema, "constraint");
    return schema;
}

// Advice, Graphics and Sound Bases: one clause type, no remarks or switched-off clauses.
ClauseSchema media_schema(const std::string& functor) {
    return {{functor, {Integer, String}}};
}

void fill_rule(Clause& c, RuleBase& base) {
    // Filled in place: a large base has hundreds of thousands of these.
    if (named(c, "rule")) {
        Rule& rule = base.rules.emplace_back();
        rule.number = integer(c, 0);
        move_field(c, 1, rule.conclusion);
        move_field(c, 2, rule.conditions);
        rule.fourth = integer(c, 3);
    } else if (named(c, "fact")) {
        move_field(c, 0, base.facts.emplace_back());
    }
}

void fill_model(Clause& c, ModelBase& base) {
    if (named(c, "m_fact")) {
        base.m_facts.push_back(text(c, 0));
    } else if (named(c, "argument_known")) {
        base.arguments_known.push_back({text(c, 0), real(c, 1)});
    } else if (named(c, "exclusive_models")) {
        base.exclusive_models.push_back(names(c, 0));
    } else {
        fill_model_clause(c, base);
    }
}

void fill_constraint(Clause& c, ConstraintBase& base) {
    if (named(c, "constraint")) {
        base.constraints.push_back({integer(c, 0), names(c, 1)});
    }
}

void fill_media(Clause& c, const char* functor, MediaBase& base) {
    if (c.functor == functor) {
        base.clauses.push_back({integer(c, 0), text(c, 1)});
    }
}

const ClauseSchema& schema_of(BaseKind kind) {
    return base_kind(kind).schema;
}

std::optional<BaseKind> kind_with_clause(std::string_view functor) {
    for (const BaseKind kind : kBaseKinds) {
        const ClauseSchema& schema = schema_of(kind);
        if (std::any_of(schema.begin(), schema.end(),
                        [functor](const ClauseType& type) { return type.functor == functor; })) {
            return kind;
        }
    }
    return std::nullopt;
}

const char* base_kind_name(BaseKind kind) {
    return base_kind(kind).name;
}

void fill_tables(BaseKind kind, const std::vector<Clause>& clauses, KnowledgeBaseSet& kb) {
    const auto& fill = base_kind(kind).fill;
    for (const Clause& clause : clauses) {
        Clause copy = clause;
        fill(copy, kb);
    }
}

void fill_table(BaseKind kind, Clause& clause, KnowledgeBaseSet& kb) {
    // Called once a clause while a file is read: the Rule Base, by far the
    // largest, is filled without the table's indirect call.
    if (kind == BaseKind::Rule) {
        fill_rule(clause, kb.rule);
        return;
    }
    base_kind(kind).fill(clause, kb);
}

void reserve_tables(BaseKind kind, std::string_view text, KnowledgeBaseSet& kb) {
    if (kind != BaseKind::Rule) {
        return; // the other bases are small
    }
    std::size_t rules = 0;
    std::size_t facts = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::string_view line = text.substr(start, 5);
        rules += line == "rule(" ? 1U : 0U;
        facts += line == "fact(" ? 1U : 0U;
        const std::size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    kb.rule.rules.reserve(rules);
    kb.rule.facts.reserve(facts);
}

void adopt_tables(BaseKind kind, KnowledgeBaseSet& from, KnowledgeBaseSet& to) {
    base_kind(kind).adopt(from, to);
}

} // namespace orve
