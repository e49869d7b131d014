// The contents of a summary file.
#pragma once

#include "state/working_memory.hpp"

#include <string>

namespace orve {

// The labels, the true conditions (without "No condition") and the known
// variable values of a run, one item per line under its heading line. Numeric
// constants recorded as variables of their own value are left out.
std::string summary_file_text(const WorkingMemory& memory);

} // namespace orve
