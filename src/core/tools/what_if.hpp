// What if?: the last forward run replayed with one answer changed, without
// the user, and the conclusions it gains and loses. The program's own state
// (working memory, record of the last run, report) is left as it was.
#pragma once

#include "state/app_state.hpp"

#include <string>

namespace orve {

struct WhatIf {
    bool completed = false;
    std::string problem; // why the replay could not be completed
    Names gained;        // established by the changed run only, in its order
    Names lost;          // established by the last run only, in its order
};

// Replays the last forward run with `name` answered `value`. Setting a
// condition of a constraint to yes takes the yes away from the others.
WhatIf what_if(AppState& state, const std::string& name, const std::string& value);

// The outcome as lines of text.
std::string what_if_text(const std::string& name, const std::string& value, const WhatIf& result);

} // namespace orve
