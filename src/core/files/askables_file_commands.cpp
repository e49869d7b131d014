#include "files/askables_file_commands.hpp"

#include "askables/askables_file.hpp"
#include "files/file_commands.hpp"
#include "kb/file_access.hpp"

#include <filesystem>
#include <optional>
#include <system_error>

namespace orve {

namespace {

const std::string kKind = "Askable Conditions and Arguments File";

AskablesFileSources sources_of(const AppState& state) {
    const AskableLists& lists = state.askables;
    AskablesFileSources sources;
    sources.rule_base = state.kb.rule.name->name;
    if (state.kb.constraint.name) {
        sources.constraints = &state.kb.constraint.constraints;
    }
    if (state.kb.model.name) {
        sources.model_base = state.kb.model.name->name;
        sources.conditions = lists.lista_wszystkich_dopytywalnych_dla_wyswietlania.value_or(
            lists.lista_warunkow_dopytywalnych);
        sources.arguments = lists.lista_argumentow_dopytywalnych.value_or(Names{});
    } else {
        sources.conditions = lists.lista_warunkow_dopytywalnych;
    }
    return sources;
}

// A file the new one would replace. A folder is no such file: writing over it
// fails and says so.
bool file_to_replace(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

struct ChosenFile {
    std::string path;
    bool replaces = false;
};

// `kontroluj_dopyty` with its file dialogue: asks again until the user names a
// new file or agrees to replace one; nothing when cancelled.
std::optional<ChosenFile> choose_file(Dialogs& ui) {
    for (;;) {
        const std::string path =
            ui.save_file("*.txt", {{"Askable Conditions and Arguments file(*.txt)", "*.txt"}},
                         "Load Askable Conditions and Arguments file");
        if (path.empty()) {
            return std::nullopt;
        }
        if (!file_to_replace(path)) {
            return ChosenFile{path, false};
        }
        if (ui.ask("Overwrite existing Askable Conditions and Arguments File",
                   "An Askable Conditions and Arguments File named:  " + path +
                       "already exists! . Do you wish to overwrite it with new contents?",
                   {"&YES", "&NO"}) == 1) {
            return ChosenFile{path, true};
        }
        ui.msg_append("       No\n");
    }
}

} // namespace

bool askables_file_creating(AppState& state, Dialogs& ui) {
    if (!state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return true;
    }
    const std::string text = askables_file_text(sources_of(state));
    const auto chosen = choose_file(ui);
    if (!chosen) {
        return false;
    }
    if (const auto error = write_file_atomically(chosen->path, text)) {
        ui.note("Attention error!", "The " + kKind + " could not be created:\n" + *error);
        return false;
    }
    // Told only once the new contents are on disk: a failed write leaves the
    // old file as it was.
    if (chosen->replaces) {
        ui.note("", "Existing " + kKind + " " + chosen->path + " has been overwritten.");
    }
    ui.note("Creating new " + kKind, "New " + kKind + " " + chosen->path + " has been created.");
    return true;
}

bool askables_file_reading(AppState&, Dialogs& ui) {
    return run_reading_command(ui, {{"*.txt",
                                     {"Askable Conditions and Arguments File (*.txt)", "*.txt"},
                                     "Pick the file to be inspected"},
                                    kKind,
                                    "Inspection of " + kKind + " "});
}

bool askables_file_deleting(AppState&, Dialogs& ui) {
    return run_deleting_command(ui, {{"*.txt",
                                      {"Askable Conditions and Arguments File (*.txt)", "*.txt"},
                                      "Pick the file to be deleted"},
                                     kKind,
                                     "Deleting the " + kKind,
                                     "Do you really wish to delete the " + kKind + "  ",
                                     "Askable conditions and arguments file ",
                                     " has been deleted."});
}

} // namespace orve
