#include "report/report_file.hpp"

#include "kb/clause_reader.hpp"
#include "kb/clause_writer.hpp"

namespace orve {

std::string report_file_text(const std::string& report) {
    return write_clause(Clause{"tekst_raportu", {report}, 0}) + "\n";
}

std::optional<std::string> parse_report_file(const std::string& contents) {
    static const ClauseSchema schema{{"tekst_raportu", {ArgType::String}}};
    ReadResult result = read_clauses(contents, schema);
    if (!result.ok() || result.clauses.size() != 1) {
        return std::nullopt;
    }
    return std::get<std::string>(result.clauses.front().args.front());
}

} // namespace orve
