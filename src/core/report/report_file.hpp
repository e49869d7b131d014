// Report files (*.RPT): one `tekst_raportu` clause holding the whole report.
#pragma once

#include <optional>
#include <string>

namespace orve {

// The file contents for a report text: the clause and a line break.
std::string report_file_text(const std::string& report);

// Parses a report file's contents; nothing when it is not a report file, and
// then `why` (when given) receives the reason.
std::optional<std::string> parse_report_file(const std::string& contents,
                                             std::string* why = nullptr);

} // namespace orve
