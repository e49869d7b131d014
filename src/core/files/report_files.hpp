// Deleting report files (*.rpt); reading them back is the report's own command.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// "Report deleting": deletes a picked report file after confirmation.
bool report_deleting(AppState& state, Dialogs& ui);

} // namespace orve
