#include "app/shell.hpp"

#include "app/command_handlers.hpp"
#include "kb/file_lookup.hpp"

#include <filesystem>
#include <system_error>

namespace orve {

namespace {

void not_available(Dialogs& ui, int id) {
    const CommandInfo* info = find_command(id);
    ui.msg_append("The command '" + (info ? info->menu_text : std::to_string(id)) +
                  "' is not available yet.\n");
}

} // namespace

void Shell::start() {
    state_.commands.reset();
    set_main_title(state_, ui_, kStartTitle);
    // The welcome window shows the welcome picture of the start-up folder.
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    if (error) {
        return;
    }
    if (const auto picture = find_file_ignoring_case(folder, "ruvo_vo.bmp")) {
        ui_.show_picture("Welcome to ", picture->string());
    }
}

bool Shell::close_request() {
    return ui_.yes_no("Attention!", "Do you really wish to close the program?");
}

CommandResult Shell::run_command(int id) {
    const CommandInfo* info = find_command(id);
    if (info == nullptr && !is_submenu_header(id)) {
        return CommandResult::Unknown;
    }
    if (!state_.commands.enabled(id)) {
        return CommandResult::Disabled;
    }
    const bool completed = dispatch(id);
    if (!completed) {
        return CommandResult::Failed;
    }
    if (info != nullptr) {
        for (const int enabled : info->then_enables) {
            set_command(state_, ui_, enabled, true);
        }
    }
    return CommandResult::Completed;
}

bool Shell::dispatch(int id) {
    if (const CommandHandler handler = handler_of(id)) {
        // Files and folders may vanish under a running command (a removed stick):
        // the command ends with a note and the program, with its report, goes on.
        try {
            return handler(state_, ui_);
        } catch (const std::filesystem::filesystem_error& error) {
            ui_.note("Attention error!",
                     std::string("The command ended on a file error:\n") + error.what());
            return false;
        }
    }
    if (!is_submenu_header(id)) {
        not_available(ui_, id);
    }
    return true;
}

} // namespace orve
