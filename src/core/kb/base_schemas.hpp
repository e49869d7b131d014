// The clause types each base kind's file may contain, and the filling of the
// base tables from the clauses read.
#pragma once

#include "kb/clause_reader.hpp"
#include "kb/knowledge_base.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace orve {

// Working, remark and switched-off clause types of a base kind.
const ClauseSchema& schema_of(BaseKind kind);

// The clause types of each kind's files, as the table of base kinds holds
// them; the media kinds have one clause type, named `functor`.
ClauseSchema rule_schema();
ClauseSchema model_schema();
ClauseSchema constraint_schema();
ClauseSchema media_schema(const std::string& functor);

// Append one working clause to a base's tables, moving its fields out of the
// clause; remarks, switched-off clauses and clauses of other kinds are ignored.
void fill_rule(Clause& clause, RuleBase& base);
void fill_model(Clause& clause, ModelBase& base);
void fill_constraint(Clause& clause, ConstraintBase& base);
void fill_media(Clause& clause, const char* functor, MediaBase& base);

// The base kind whose files may hold clauses named `functor`, if any.
std::optional<BaseKind> kind_with_clause(std::string_view functor);

// "Rule Base", "Model Base" and so on.
const char* base_kind_name(BaseKind kind);

// Appends the working clauses to the base's tables in file order; remarks and
// switched-off clauses are ignored. The clauses must have been read with
// schema_of(kind).
void fill_tables(BaseKind kind, const std::vector<Clause>& clauses, KnowledgeBaseSet& kb);

// Appends one clause read with schema_of(kind) as fill_tables does, moving its
// fields out of it.
void fill_table(BaseKind kind, Clause& clause, KnowledgeBaseSet& kb);

// Sizes the tables that a file text of this kind will fill, from a count of
// the lines that start with their clause names: a large Rule Base is then
// filled without growing its tables by copying. Only a hint: the count may
// be off for lines that turn out malformed.
void reserve_tables(BaseKind kind, std::string_view text, KnowledgeBaseSet& kb);

// Moves the base of this kind from `from` into `to`, replacing what `to` held.
void adopt_tables(BaseKind kind, KnowledgeBaseSet& from, KnowledgeBaseSet& to);

} // namespace orve
