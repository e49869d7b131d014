// Report files (*.RPT): one `tekst_raportu` clause holding the whole report.
#pragma once

#include "kb/file_access.hpp"
#include "report/report_writer.hpp"

#include <optional>
#include <string>

namespace orve {

// The file contents for a report text: the clause and a line break.
std::string report_file_text(const std::string& report);

// Parses a report file's contents; nothing when it is not a report file, and
// then `why` (when given) receives the reason.
std::optional<std::string> parse_report_file(const std::string& contents,
                                             std::string* why = nullptr);

// `raport`: offers to save the report buffer. False when the user cancelled the
// file dialogue or the file could not be written (the caller ends silently).
bool raport(ReportWriter& out);

// "Report inspection": picks a report file, reads it into the buffer and shows
// it. False when cancelled or unreadable.
bool report_inspection(ReportWriter& out);

} // namespace orve
