#include "app/command_handlers.hpp"

#include "app/base_operations.hpp"
#include "chaining/backward_chaining.hpp"
#include "chaining/forward_chaining.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/summary.hpp"
#include "kb/file_lookup.hpp"
#include "loading/base_loading.hpp"
#include "report/report_file.hpp"
#include "ui/base_inspection.hpp"
#include "verify/verification_commands.hpp"

#include <filesystem>
#include <map>
#include <system_error>

namespace orve {

namespace {

template <BaseKind kind> bool load(AppState& state, Dialogs& ui) {
    return load_base(state, ui, kind);
}

template <int code> bool rule_base(AppState& state, Dialogs& ui) {
    return rule_base_operation(state, ui, code);
}

template <int code> bool model_base(AppState& state, Dialogs& ui) {
    return model_base_operation(state, ui, code);
}

template <int kind> bool exclusivity(AppState& state, Dialogs& ui) {
    return analiza_bazy_wiedzy(state, ui, kind);
}

bool forward(AppState& state, Dialogs& ui) {
    ui.msg_clear();
    return forward_chaining(state, ui);
}

bool backward(AppState& state, Dialogs& ui) {
    ui.msg_clear();
    return backward_chaining(state, ui);
}

bool inspect_report(AppState& state, Dialogs& ui) {
    ReportWriter out(state.report, ui);
    report_inspection(out);
    return true;
}

bool recreate_message_window(AppState&, Dialogs& ui) {
    ui.msg_recreate();
    return true;
}

bool path_to_bases(AppState&, Dialogs& ui) {
    ui.note("Attention", "The path to bases is set-up as a result of loading the Rule Base");
    return true;
}

bool help(AppState&, Dialogs& ui) {
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    const auto file = error ? std::nullopt : find_file_ignoring_case(folder, "orve_EE.chm");
    if (file) {
        ui.open_document(file->string());
    }
    return true;
}

bool about(AppState&, Dialogs& ui) {
    ui.note("About orve",
            "orve_EE\nOrve Shell for Elementary Exact Forward and Backward Chaining\n\nA shell for "
            "teaching knowledge engineering.");
    return true;
}

bool nothing(AppState&, Dialogs&) {
    return true;
}

const std::map<int, CommandHandler>& handlers() {
    static const std::map<int, CommandHandler> table = {
        {10062, load<BaseKind::Rule>},
        {10065, inspect_single_rule},
        {10066, inspect_all_rules},
        {10067, rule_base<2>},
        {10071, rule_base<6>},
        {10072, diagnose_redundancies},
        {10074, load<BaseKind::Model>},
        {10077, inspect_linear_models},
        {10078, inspect_basic_models},
        {10079, inspect_extended_models},
        {10080, inspect_polynomial_models},
        {10081, inspect_all_models},
        {10082, model_base<2>},
        {10083, model_base<3>},
        {10087, model_base<7>},
        {10088, model_base<8>},
        {10090, load<BaseKind::Constraint>},
        {10091, nothing},
        {10092, inspect_single_constraint},
        {10093, inspect_all_constraints},
        {10097, diagnose_joint_inconsistencies},
        {10098, diagnose_joint_redundancies},
        {10100, load<BaseKind::Advice>},
        {10105, advice_text_inspection},
        {10112, load<BaseKind::Graphics>},
        {10117, graphics_file_inspection},
        {10123, load<BaseKind::Sound>},
        {10128, sound_file_playing},
        {10135, flatten_chosen_rule},
        {10136, flatten_all_rules},
        {10137, exclusivity<1>},
        {10138, exclusivity<2>},
        {10139, exclusivity<3>},
        {10141, inspect_report},
        {10147, summary_reading},
        {10148, summary_deleting},
        {10154, forward},
        {10155, backward},
        {10156, recreate_message_window},
        {10157, recreate_message_window},
        {10158, path_to_bases},
        {10159, help},
        {10160, about},
    };
    return table;
}

} // namespace

CommandHandler handler_of(int id) {
    const auto found = handlers().find(id);
    return found == handlers().end() ? nullptr : found->second;
}

} // namespace orve
