// The commands that read and delete summary files.
#include "chaining/summary_files.hpp"

#include "kb/byte_order_mark.hpp"
#include "kb/file_access.hpp"
#include "kb/file_removal.hpp"
#include "kb/unreadable_reason.hpp"

#include <filesystem>

namespace fs = std::filesystem;

namespace orve {

namespace {

const std::vector<FileFilter> kSummaryFilter{{"Summary:(*.txt)", "*.txt"}};

std::string file_name_only(const std::string& path) {
    return fs::path(path).filename().string();
}

} // namespace

bool summary_reading(AppState&, Dialogs& ui) {
    const std::string path =
        ui.open_file("*.txt", kSummaryFilter, "Summary Report to be inspected");
    if (path.empty()) {
        return false;
    }
    const std::string name = file_name_only(path);
    FileText text = read_regular_file(path);
    if (!text.text) {
        ui.note("Attention error!", text.refusal.empty()
                                        ? "The Summary Report " + name + " could not be read.\n" +
                                              unreadable_reason(path) + "."
                                        : text.refusal);
        return false;
    }
    strip_byte_order_mark(*text.text);
    ui.show_text("Summary Report to be inspected: " + name, *text.text);
    return true;
}

bool summary_deleting(AppState&, Dialogs& ui) {
    const std::string path =
        ui.open_file("*.txt", kSummaryFilter, "Pick the summary to be deleted! ");
    if (path.empty()) {
        return false;
    }
    const std::string name = file_name_only(path);
    if (ui.ask("Deleting the Summary Report ",
               "Do you really wish to delete the Summary Report " + name + " ?",
               {"Yes", "No"}) != 1) {
        return false;
    }
    if (const auto cause = delete_file(path)) {
        ui.note("Attention error!",
                "The Summary Report " + name + " could not be deleted.\n" + *cause + ".");
        return false;
    }
    ui.note("Attention!", "The Summary Report  " + name + " has been deleted.");
    return true;
}

} // namespace orve
