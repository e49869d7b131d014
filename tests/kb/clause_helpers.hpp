// Small helpers shared by the clause reader, writer and schema tests.
#pragma once

#include "kb/clause_reader.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orve::test {

// The clauses' functors and arguments, ignoring line numbers.
inline void expect_same_clause(const Clause& actual, const Clause& expected) {
    EXPECT_EQ(actual.functor, expected.functor);
    EXPECT_EQ(actual.args, expected.args) << "clause " << expected.functor;
}

// Reads a text that must hold exactly one valid clause.
inline Clause read_single(const std::string& text, const ClauseSchema& schema) {
    const ReadResult result = read_clauses(text, schema);
    EXPECT_TRUE(result.ok()) << text << "\n"
                             << (result.error ? result.error->message : "empty lines");
    EXPECT_EQ(result.clauses.size(), 1u) << text;
    return result.clauses.empty() ? Clause{} : result.clauses.front();
}

} // namespace orve::test
