#include "files/abstract_files.hpp"

#include "files/file_commands.hpp"
#include "kb/file_access.hpp"
#include "ui/base_editor.hpp"

namespace orve {

namespace {

const std::string kKind = "Abstract File";
const FileFilter kFilter{"Abstract Files (*.abs)", "*.abs"};

} // namespace

bool abstract_inspection(AppState&, Dialogs& ui) {
    return run_reading_command(ui, {{"*.abs", kFilter, "Pick Abstract  File for Inspection"},
                                    kKind,
                                    "Inspecting Abstract  File : "});
}

bool abstract_editing(AppState& state, Dialogs& ui) {
    const std::string path = ui.open_file("*.abs", {kFilter}, "Pick  Abstract File for Editing");
    if (path.empty()) {
        return false;
    }
    // The editor would start on an empty text for a file it cannot read, and
    // saving would then replace the file.
    const FileText text = read_regular_file(path);
    if (!text.text) {
        note_unreadable(ui, kKind, path, text.refusal);
        return false;
    }
    return open_base_editor(state, ui, path);
}

bool abstract_creating(AppState& state, Dialogs& ui) {
    const std::string path = ui.save_file(
        "*.abs", {kFilter}, "Declare name of new Abstract File: Knowledge_Base_Name.ABS ");
    if (path.empty()) {
        return false;
    }
    if (const auto error = write_file_atomically(path, "")) {
        ui.note("Attention error!", "The " + kKind + " could not be created:\n" + *error);
        return false;
    }
    const std::string name = file_name_only(path);
    ui.note("New Abstract File", "Abstract  File " + name + " has been created.");
    if (ui.ask("Editing new Abstract  File", "Would you like to edit the file " + name + " ?",
               {"&YES", "&NO"}) != 1) {
        return true;
    }
    return open_base_editor(state, ui, path);
}

bool abstract_deleting(AppState&, Dialogs& ui) {
    return run_deleting_command(
        ui, {{"*.abs", {"Abstract files (*.abs)", "*.abs"}, "Pick Abstract File to be Deleted!"},
             kKind,
             "Deleting the Abstract File ",
             "Do you really wish to delete the Abstract File",
             "Abstract Text File ",
             " has been deleted!"});
}

} // namespace orve
