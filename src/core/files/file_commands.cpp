#include "files/file_commands.hpp"

#include "chaining/media_checks.hpp"
#include "kb/file_removal.hpp"
#include "kb/unreadable_reason.hpp"

#include <filesystem>

namespace orve {

namespace {

std::string pick_file(Dialogs& ui, const FilePick& pick) {
    return ui.open_file(pick.mask, {pick.filter}, pick.title);
}

} // namespace

std::string file_name_only(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void note_unreadable(Dialogs& ui, const std::string& kind, const std::string& path,
                     const std::string& refusal) {
    ui.note("Attention error!", refusal.empty()
                                    ? "The " + kind + " " + file_name_only(path) +
                                          " could not be read.\n" + unreadable_reason(path) + "."
                                    : refusal);
}

bool run_reading_command(Dialogs& ui, const ReadingCommand& command) {
    const std::string path = pick_file(ui, command.pick);
    if (path.empty()) {
        return false;
    }
    const FileText text = read_text_file(path);
    if (!text.text) {
        note_unreadable(ui, command.kind, path, text.refusal);
        return false;
    }
    ui.show_text(command.window_title + file_name_only(path), *text.text);
    return true;
}

bool run_deleting_command(Dialogs& ui, const DeletingCommand& command) {
    const std::string path = pick_file(ui, command.pick);
    if (path.empty()) {
        return false;
    }
    const std::string name = file_name_only(path);
    if (ui.ask(command.ask_title, command.ask_text + name + " ?", {"Yes", "No"}) != 1) {
        return false;
    }
    if (const auto cause = delete_file(path)) {
        ui.note("Attention error!",
                "The " + command.kind + " " + name + " could not be deleted.\n" + *cause + ".");
        return false;
    }
    ui.note("Attention!", command.deleted_text + name + command.deleted_tail);
    return true;
}

} // namespace orve
