#include "report/report_file.hpp"

#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"
#include "kb/clause_writer.hpp"

namespace orve {

std::string report_file_text(const std::string& report) {
    return write_clause(Clause{"tekst_raportu", {report}, 0}) + "\n";
}

namespace {

// Why a read that did not give exactly one report clause is no report file.
std::string not_a_report_reason(const ReadResult& result) {
    if (result.error) {
        const auto kind = kind_with_clause(result.error->unknown_clause);
        if (result.error->code == kUnknownClause && kind) {
            return std::string("It is a ") + base_kind_name(*kind) + " (line " +
                   std::to_string(result.error->line) + ": '" + result.error->unknown_clause +
                   "').";
        }
        return located_message(*result.error) + ".";
    }
    if (result.empty_lines) {
        return "Line " + std::to_string(result.empty_line) + " is empty.";
    }
    if (result.clauses.empty()) {
        return "It is empty.";
    }
    return "It holds " + std::to_string(result.clauses.size()) +
           " reports; a report file holds one.";
}

} // namespace

std::optional<std::string> parse_report_file(const std::string& contents, std::string* why) {
    static const ClauseSchema schema{{"tekst_raportu", {ArgType::Text}}};
    ReadResult result = read_clauses(contents, schema);
    if (!result.ok() || result.clauses.size() != 1) {
        if (why != nullptr) {
            *why = not_a_report_reason(result);
        }
        return std::nullopt;
    }
    return std::get<std::string>(result.clauses.front().args.front());
}

} // namespace orve
