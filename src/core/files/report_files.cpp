#include "files/report_files.hpp"

#include "files/file_commands.hpp"

namespace orve {

bool report_deleting(AppState&, Dialogs& ui) {
    return run_deleting_command(
        ui, {{"*.rpt", {"Report  (*.rpt)", "*.rpt"}, "Pick Report to be Deleted! "},
             "report",
             "Deleting report",
             "Do you really wish to delete the report  ",
             "Report ",
             " has been deleted!"});
}

} // namespace orve
