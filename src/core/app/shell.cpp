#include "app/shell.hpp"

#include "app/base_operations.hpp"
#include "kb/base_loading.hpp"
#include "kb/file_lookup.hpp"
#include "report/report_file.hpp"

#include <filesystem>

namespace orve {

namespace {

// Option codes of `opcja_z_menu_glownego` for the loading commands.
std::optional<BaseKind> loaded_kind(int id) {
    switch (id) {
    case 10062:
        return BaseKind::Rule;
    case 10074:
        return BaseKind::Model;
    case 10090:
        return BaseKind::Constraint;
    case 10100:
        return BaseKind::Advice;
    case 10112:
        return BaseKind::Graphics;
    case 10123:
        return BaseKind::Sound;
    default:
        return std::nullopt;
    }
}

void not_available(Dialogs& ui, int id) {
    const CommandInfo* info = find_command(id);
    ui.msg_append("The command '" + (info ? info->menu_text : std::to_string(id)) +
                  "' is not available yet.\n");
}

void help(Dialogs& ui) {
    const auto file = find_file_ignoring_case(std::filesystem::current_path(), "orve_EE.chm");
    if (file) {
        ui.open_document(file->string());
    }
}

void about(Dialogs& ui) {
    ui.note("About orve",
            "orve_EE\nOrve Shell for Elementary Exact Forward and Backward Chaining\n\nA shell for "
            "teaching knowledge engineering.");
}

} // namespace

void Shell::start() {
    state_.commands.reset();
    set_main_title(state_, ui_, kStartTitle);
    // The welcome window shows the welcome picture of the start-up folder.
    if (const auto picture =
            find_file_ignoring_case(std::filesystem::current_path(), "ruvo_vo.bmp")) {
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
    if (const auto kind = loaded_kind(id)) {
        return load_base(state_, ui_, *kind);
    }
    switch (id) {
    case 10067:
        return rule_base_operation(state_, ui_, 2);
    case 10071:
        return rule_base_operation(state_, ui_, 6);
    case 10141: {
        ReportWriter out(state_.report, ui_);
        report_inspection(out);
        return true;
    }
    case 10156:
    case 10157:
        ui_.msg_recreate();
        return true;
    case 10158:
        ui_.note("Attention", "The path to bases is set-up as a result of loading the Rule Base");
        return true;
    case 10159:
        help(ui_);
        return true;
    case 10160:
        about(ui_);
        return true;
    default:
        if (!is_submenu_header(id)) {
            not_available(ui_, id);
        }
        return true;
    }
}

} // namespace orve
