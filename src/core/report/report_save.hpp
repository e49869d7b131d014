// The save dialogue of the report buffer and the "Report inspection" command.
#pragma once

#include "report/report_writer.hpp"

namespace orve {

// `raport`: offers to save the report buffer. False when the user cancelled the
// file dialogue or the file could not be written (the caller ends silently).
bool raport(ReportWriter& out);

// "Report inspection": picks a report file, reads it into the buffer and shows
// it. False when cancelled or unreadable.
bool report_inspection(ReportWriter& out);

} // namespace orve
