// The terminal program: the main prompt over the shell's command table.
#pragma once

#include "line_reader.hpp"

#include <istream>
#include <ostream>

namespace orve::cli {

// What becomes of the loaded bases and the run's records when the program
// ends: freed, or left for the system to reclaim with the process. Freeing a
// large base walks through all of its memory once more, out of the caches.
enum class StateAtEnd { Freed, LeftToTheSystem };

// Runs the program until the close question is answered Yes or the input ends;
// returns the exit status. `interactive`: a person types at a terminal (answers
// are not echoed). `progress`: where long tests draw their progress line, or
// nullptr for none. `reader`: where typed lines come from instead of `in`, with
// editing and completion, or nullptr. `at_end`: LeftToTheSystem only when the
// process ends right after.
int run_terminal(std::istream& in, std::ostream& out, bool interactive,
                 std::ostream* progress = nullptr, LineReader* reader = nullptr,
                 StateAtEnd at_end = StateAtEnd::Freed);

// As above for input that is not a terminal: every line read is echoed.
int run_terminal(std::istream& in, std::ostream& out);

} // namespace orve::cli
