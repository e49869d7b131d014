// The clause types each base kind's file may contain, and the filling of the
// base tables from the clauses read.
#pragma once

#include "kb/clause_reader.hpp"
#include "kb/knowledge_base.hpp"

namespace orve {

// Working, remark and switched-off clause types of a base kind.
const ClauseSchema& schema_of(BaseKind kind);

// Appends the working clauses to the base's tables in file order; remarks and
// switched-off clauses are ignored. The clauses must have been read with
// schema_of(kind).
void fill_tables(BaseKind kind, const std::vector<Clause>& clauses, KnowledgeBaseSet& kb);

} // namespace orve
