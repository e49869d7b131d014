// Turning the rows of an external table into declared facts and argument
// values: column 1 is the kind ("fact" or "argument_known", exactly), column 2
// the condition or argument name, column 3 the argument's value.
#pragma once

#include "import/odbc_source.hpp"
#include "kb/knowledge_base.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orve {

// An "argument_known" row whose value is no number; the row is skipped.
struct BadValue {
    std::size_t row = 0; // counted from 1
    std::string name;
    std::string text; // the value text after comma replacement
};

// What the rows declare, in row order, with the lines the inspection shows.
struct RowImport {
    Names facts;
    std::vector<ArgumentKnown> arguments;
    Names argument_lines; // name + " = " + value text
    std::vector<BadValue> bad_values;

    bool empty() const { return facts.empty() && arguments.empty(); }
};

// Applies the row rules: unknown kinds, empty cells and unreadable cells are
// skipped; every comma of a value counts as a decimal point.
RowImport import_rows(const std::vector<TextRow>& rows);

// The query of a whole table: "SELECT * FROM " + the name, in square brackets
// when it holds a blank or anything else that is no part of a bare name (an
// operator, a leading digit).
// Nothing for a name holding ']' or a NUL, which brackets cannot enclose.
std::optional<std::string> table_query(const std::string& table);

} // namespace orve
