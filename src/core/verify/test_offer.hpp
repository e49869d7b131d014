// The offer of a verification test after a base has been loaded.
#pragma once

#include "report/dialogs.hpp"

#include <functional>
#include <string>

namespace orve {

// Writes the lines explaining the test to the message window and asks
// `question` in a Yes/No box titled "Choose". On Yes runs `inform` (the test
// with its information step) and returns its verdict; on No returns true, the
// load going on as after a test passed.
bool offer_test(Dialogs& ui, const std::string& explanation, const std::string& question,
                const std::function<bool()>& inform);

} // namespace orve
