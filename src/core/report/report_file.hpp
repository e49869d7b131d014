// Report files (*.RPT): one `tekst_raportu` clause holding the whole report.
#pragma once

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

// Writes a file through a temporary file in the same folder and a rename, so that
// a failure leaves no half-written file. Returns an error text on failure.
std::optional<std::string> write_file_atomically(const std::string& path,
                                                 const std::string& contents);

// Reads a whole file; nothing when it cannot be read.
std::optional<std::string> read_whole_file(const std::string& path);

// `raport`: offers to save the report buffer. False when the user cancelled the
// file dialogue or the file could not be written (the caller ends silently).
bool raport(ReportWriter& out);

// "Report inspection": picks a report file, reads it into the buffer and shows
// it. False when cancelled or unreadable.
bool report_inspection(ReportWriter& out);

} // namespace orve
