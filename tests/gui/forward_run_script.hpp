// The answers of the terminal's golden forward run of the bundled example
// (tests/golden/forward_boiler), as steps for the desktop's dialogues: used by
// the end-to-end test and by the screenshot of the README.
#pragma once

#include "dialog_script.hpp"

namespace orve::gui::test {

// The menu commands of the run, in order.
inline constexpr int kForwardRunCommands[] = {10062, 10090, 10100, 10112, 10123, 10154};

// Adds one step per dialogue of the run, ending with Yes to the close question.
void script_forward_run(DialogScript& script);

} // namespace orve::gui::test
