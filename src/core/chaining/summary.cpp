// The label dialogue at the start of a run and the summary dialogue at its end.
#include "chaining/summary.hpp"

#include "chaining/summary_text.hpp"
#include "report/report_file.hpp"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

namespace {

const std::vector<std::string> kYesNo{"&YES", "&NO"};

enum class Overwrite { Write, PickAgain, Failed };

// An existing summary is deleted only after the user agreed.
Overwrite clear_existing(Dialogs& ui, const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return Overwrite::Write;
    }
    if (ui.ask("Summary",
               "A summary with proposed name " + path + "already exists!" +
                   "\nDo you wish to overwrite it?",
               kYesNo) != 1) {
        return Overwrite::PickAgain;
    }
    if (fs::is_directory(path, error) || !fs::remove(path, error)) {
        std::string text = "The existing summary " + path + "\ncould not be deleted.";
        if (error) {
            text += "\n";
            text += error.message();
        }
        ui.note("Attention error!", text);
        return Overwrite::Failed;
    }
    ui.note("Summary", "The existing summary  " + path + "\nhas been deleted!");
    return Overwrite::Write;
}

// The chosen file name, or nothing when the user cancelled or the old file
// could not be removed.
std::optional<std::string> pick_summary_file(Dialogs& ui) {
    for (;;) {
        const std::string path = ui.save_file("*.txt", {{"Summary (*.txt)", "*.txt"}},
                                              "Declare name of new summary file");
        if (path.empty()) {
            return std::nullopt;
        }
        switch (clear_existing(ui, path)) {
        case Overwrite::Write:
            return path;
        case Overwrite::Failed:
            return std::nullopt;
        case Overwrite::PickAgain:
            break;
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
    const auto path = pick_summary_file(ui);
    if (!path) {
        return;
    }
    const std::string name = fs::path(*path).filename().string();
    if (const auto error = write_file_atomically(*path, summary_file_text(state.memory))) {
        ui.note("Attention error!", "The summary " + name + " could not be saved:\n" + *error);
        return;
    }
    const std::string saved = " Summary " + name + " has been saved.";
    ui.msg_append(saved + "\n");
    ui.note("Summary", saved);
}

} // namespace orve
