// The command-line options of a consultation without dialogue and of the
// tools that look back at it: --run, --answers, --backward, --tests,
// --why-not, --what-if, --graph, --proof and --help.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orve::cli {

// Runs what the arguments (without the program name) ask for and returns the
// exit status: 0 done, 1 the run stopped (an answer missing or unusable, or
// the bases bar chaining), 2 unreadable input or faulty arguments. Nothing
// when the arguments hold none of these options: the program then starts as
// usual. Results go to `out`, problems to `err`.
std::optional<int> run_tool_options(const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err);

// The usage text of these options.
std::string tool_options_help();

} // namespace orve::cli
