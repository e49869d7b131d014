// The command that imports declared facts and argument values from a table of
// an external (ODBC) data source into the loaded bases.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

namespace orve {

// The command id of the import; disabled once the user has seen what came in.
inline constexpr int kImportCommand = 10063;

// Asks for a data source and one of its tables, imports the table's rows and
// shows what was imported. The clauses live in memory only, until the bases
// are loaded again. False when the user cancelled or nothing could be read.
bool import_from_data_source(AppState& state, Dialogs& ui);

} // namespace orve
