// The two condition names with fixed roles in chaining.
#pragma once

#include <string>

namespace orve {

// Recorded true at the start of every run; never askable.
inline const std::string no_condition_name{"No condition"};
// The conclusion that stops forward chaining.
inline const std::string end_name{"end"};

} // namespace orve
