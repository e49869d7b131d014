// The clause types each base kind's file may contain, and the filling of the
// base tables from the clauses read.
#pragma once

#include "kb/clause_reader.hpp"
#include "kb/knowledge_base.hpp"

#include <optional>
#include <string_view>

namespace orve {

// Working, remark and switched-off clause types of a base kind.
const ClauseSchema& schema_of(BaseKind kind);

// The base kind whose files may hold clauses named `functor`, if any.
std::optional<BaseKind> kind_with_clause(std::string_view functor);

// "Rule Base", "Model Base" and so on.
const char* base_kind_name(BaseKind kind);

// Appends the working clauses to the base's tables in file order; remarks and
// switched-off clauses are ignored. The clauses must have been read with
// schema_of(kind).
void fill_tables(BaseKind kind, const std::vector<Clause>& clauses, KnowledgeBaseSet& kb);

} // namespace orve
