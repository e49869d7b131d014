// Writes clauses in the syntax the reader reads back.
#pragma once

#include "kb/clause_reader.hpp"

#include <string>
#include <string_view>

namespace orve {

// A string in double quotes with LF, CR, double quote and backslash escaped.
std::string quote_string(std::string_view text);

// One clause as a single line (no line break): functor(arg,arg,...).
std::string write_clause(const Clause& clause);

} // namespace orve
