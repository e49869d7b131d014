// Number formats of the message window and the report.
#pragma once

#include <string>

namespace orve {

// `piszint`: decimal digits, a leading "-" for negative values.
std::string format_int(long long value);

// `piszreal`: the general format with 10 significant digits (2.5, 100,
// 0.3333333333, 1e-05, 1.5e+10).
std::string format_real(double value);

} // namespace orve
