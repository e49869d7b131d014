// Feeds arbitrary bytes to the clause reader with every base schema and checks
// that every clause read is written back to a line that reads as the same clause,
// and that the reader gives what the general parser alone gives.
#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"
#include "kb/clause_writer.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void check_error(const orve::SyntaxError& error) {
    check(error.code >= orve::kIllegalCharacter && error.code <= orve::kTrailingText);
    check(error.line >= 1 && error.position >= 1);
    check(static_cast<std::size_t>(error.position) <= error.line_text.size() + 1);
    check(!error.message.empty());
    check(error.line_text.find('\n') == std::string::npos);
}

void check_round_trip(const orve::Clause& clause, const orve::ClauseSchema& schema) {
    const std::string line = orve::write_clause(clause);
    const orve::ReadResult again = orve::read_clauses(line, schema);
    check(again.ok() && again.clauses.size() == 1);
    check(again.clauses[0].functor == clause.functor && again.clauses[0].args == clause.args);
}

// The same clauses, and the same error or empty line, field by field.
void check_same(const orve::ReadResult& a, const orve::ReadResult& b) {
    check(a.empty_lines == b.empty_lines && a.empty_line == b.empty_line);
    check(a.error.has_value() == b.error.has_value());
    if (a.error) {
        check(a.error->code == b.error->code && a.error->line == b.error->line &&
              a.error->position == b.error->position && a.error->message == b.error->message &&
              a.error->line_text == b.error->line_text &&
              a.error->unknown_clause == b.error->unknown_clause);
    }
    check(a.clauses.size() == b.clauses.size());
    for (std::size_t i = 0; i < a.clauses.size(); ++i) {
        check(a.clauses[i].functor == b.clauses[i].functor &&
              a.clauses[i].args == b.clauses[i].args && a.clauses[i].line == b.clauses[i].line);
    }
}

void run(std::string_view text, const orve::ClauseSchema& schema) {
    const orve::ReadResult result = orve::read_clauses(text, schema);
    check_same(result, orve::read_clauses_generally(text, schema));
    check(!(result.error && result.empty_lines));
    if (result.error) {
        check_error(*result.error);
    }
    for (const orve::Clause& clause : result.clauses) {
        check_round_trip(clause, schema);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const orve::BaseKind kind :
         {orve::BaseKind::Rule, orve::BaseKind::Model, orve::BaseKind::Constraint,
          orve::BaseKind::Advice, orve::BaseKind::Graphics, orve::BaseKind::Sound}) {
        run(text, orve::schema_of(kind));
    }
    return 0;
}
