// The "Level of detail" dialogue that opens every chaining run.
#pragma once

#include "report/dialogs.hpp"
#include "report/report_writer.hpp"

namespace orve {

// Clears the level, asks for it (low preselected) and records the answer.
void ask_level_of_detail(ReportBuffer& buffer, Dialogs& ui);

} // namespace orve
