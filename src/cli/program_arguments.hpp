// The command line of orve-cli: without arguments the interactive program, with
// `--check` the batch check of knowledge bases, with `--run` and the other
// tool options a consultation without dialogue.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace orve::cli {

// Runs what the arguments (without the program name) ask for; returns the exit
// status. Usage errors go to `err` with status 2.
int run_program(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                std::ostream& err, bool interactive);

} // namespace orve::cli
