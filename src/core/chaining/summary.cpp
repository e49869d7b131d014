// The label dialogue at the start of a run and the summary dialogue at its end.
#include "chaining/summary.hpp"

#include "chaining/summary_text.hpp"
#include "kb/file_access.hpp"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

namespace {

const std::vector<std::string> kYesNo{"&YES", "&NO"};

struct SummaryTarget {
    std::string path;
    bool replaces = false; // the user agreed to overwrite an existing file
};

// Asks whether an existing file may be overwritten; true when it may be
// written (it does not exist, or the user agreed).
bool may_write(Dialogs& ui, const std::string& path, bool& replaces) {
    std::error_code error;
    replaces = fs::exists(path, error);
    return !replaces || ui.ask("Summary",
                               "A summary with proposed name " + path + "already exists!" +
                                   "\nDo you wish to overwrite it?",
                               kYesNo) == 1;
}

// The chosen file name, or nothing when the user cancelled.
std::optional<SummaryTarget> pick_summary_file(Dialogs& ui) {
    for (;;) {
        SummaryTarget target;
        target.path = ui.save_file("*.txt", {{"Summary (*.txt)", "*.txt"}},
                                   "Declare name of new summary file");
        if (target.path.empty()) {
            return std::nullopt;
        }
        if (may_write(ui, target.path, target.replaces)) {
            return target;
        }
    }
}

} // namespace

void generuj_etykiety(AppState& state, Dialogs& ui) {
    auto& labels = state.memory.etykieta;
    labels.clear();
    if (ui.ask("Generating labels", "Save summary labels?", kYesNo) != 1) {
        return;
    }
    do {
        labels.push_back(ui.get_text("Generating labels", "Write label:", ""));
    } while (ui.ask("Next label?", "", kYesNo) == 1);
}

void podsumowanie(AppState& state, Dialogs& ui) {
    if (ui.ask("Chaining summary", "Save the chaining summary?", kYesNo) != 1) {
        return;
    }
    const auto target = pick_summary_file(ui);
    if (!target) {
        return;
    }
    const std::string name = fs::path(target->path).filename().string();
    // The new file replaces the old one in one step: a failed write keeps it.
    if (const auto error = write_file_atomically(target->path, summary_file_text(state.memory))) {
        ui.note("Attention error!", "The summary " + name + " could not be saved:\n" + *error);
        return;
    }
    if (target->replaces) {
        ui.note("Summary", "The existing summary  " + target->path + "\nhas been deleted!");
    }
    const std::string saved = " Summary " + name + " has been saved.";
    ui.msg_append(saved + "\n");
    ui.note("Summary", saved);
}

} // namespace orve
