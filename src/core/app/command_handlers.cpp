#include "app/command_handlers.hpp"

#include "app/base_operations.hpp"
#include "batch/loaded_check.hpp"
#include "chaining/backward_chaining.hpp"
#include "chaining/forward_chaining.hpp"
#include "chaining/media_commands.hpp"
#include "chaining/media_offers.hpp"
#include "chaining/summary.hpp"
#include "chaining/summary_files.hpp"
#include "files/abstract_files.hpp"
#include "files/askables_file_commands.hpp"
#include "files/managed_files.hpp"
#include "files/media_browsing.hpp"
#include "files/report_files.hpp"
#include "files/user_guide.hpp"
#include "import/import_command.hpp"
#include "kb/file_lookup.hpp"
#include "loading/base_loading.hpp"
#include "report/report_save.hpp"
#include "tools/answer_recorder.hpp"
#include "tools/tool_commands.hpp"
#include "ui/base_inspection.hpp"
#include "verify/exclusivity.hpp"
#include "verify/flattening_commands.hpp"
#include "verify/verification_commands.hpp"

#include <map>

namespace orve {

namespace {

// A load changes the bases the record of the last run was made on.
template <BaseKind kind> bool load(AppState& state, Dialogs& ui) {
    const bool completed = load_base(state, ui, kind);
    forget_run(state, ui);
    return completed;
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

// A run's answers are noted for what if?; its record enables the commands
// that look back at it.
bool forward(AppState& state, Dialogs& ui) {
    ui.msg_clear();
    AnswerRecorder recorder(ui, state.memory.last_run);
    const bool completed = forward_chaining(state, recorder);
    enable_run_tools(state, ui);
    return completed;
}

bool backward(AppState& state, Dialogs& ui) {
    ui.msg_clear();
    AnswerRecorder recorder(ui, state.memory.last_run);
    const bool completed = backward_chaining(state, recorder);
    enable_run_tools(state, ui);
    return completed;
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

bool about(AppState&, Dialogs& ui) {
    ui.note("About orve",
            "orve_EE\nOrve Shell for Elementary Exact Forward and Backward Chaining\n\nA shell for "
            "teaching knowledge engineering.");
    return true;
}

template <ManagedFile kind> bool create(AppState& state, Dialogs& ui) {
    return create_managed_file(state, ui, kind);
}

template <ManagedFile kind> bool edit(AppState& state, Dialogs& ui) {
    return edit_managed_file(state, ui, kind);
}

template <ManagedFile kind> bool remove(AppState& state, Dialogs& ui) {
    return delete_managed_file(state, ui, kind);
}

template <MediaFolder folder> bool browse(AppState& state, Dialogs& ui) {
    return browse_media(state, ui, folder);
}

template <MediaFolder folder> bool media_folders(AppState& state, Dialogs& ui) {
    return manage_media_folders(state, ui, folder);
}

bool nothing(AppState&, Dialogs&) {
    return true;
}

const std::map<int, CommandHandler>& handlers() {
    static const std::map<int, CommandHandler> table = {
        {10062, load<BaseKind::Rule>},
        {10063, import_from_data_source},
        {10065, inspect_single_rule},
        {10066, inspect_all_rules},
        {10067, rule_base<2>},
        {10068, edit<ManagedFile::RuleBase>},
        {10069, create<ManagedFile::RuleBase>},
        {10070, remove<ManagedFile::RuleBase>},
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
        {10084, edit<ManagedFile::ModelBase>},
        {10085, create<ManagedFile::ModelBase>},
        {10086, remove<ManagedFile::ModelBase>},
        {10087, model_base<7>},
        {10088, model_base<8>},
        {10090, load<BaseKind::Constraint>},
        {10091, nothing},
        {10094, edit<ManagedFile::ConstraintBase>},
        {10095, create<ManagedFile::ConstraintBase>},
        {10096, remove<ManagedFile::ConstraintBase>},
        {10092, inspect_single_constraint},
        {10093, inspect_all_constraints},
        {10101, inspect_advice_base},
        {10113, inspect_graphics_base},
        {10124, inspect_sound_base},
        {10097, diagnose_joint_inconsistencies},
        {10098, diagnose_joint_redundancies},
        {10100, load<BaseKind::Advice>},
        {10102, edit<ManagedFile::AdviceBase>},
        {10103, create<ManagedFile::AdviceBase>},
        {10104, remove<ManagedFile::AdviceBase>},
        {10105, advice_text_inspection},
        {10106, browse<MediaFolder::Advice>},
        {10107, media_folders<MediaFolder::Advice>},
        {10108, nothing},
        {10109, create<ManagedFile::AdviceText>},
        {10110, remove<ManagedFile::AdviceText>},
        {10112, load<BaseKind::Graphics>},
        {10114, edit<ManagedFile::GraphicsBase>},
        {10115, create<ManagedFile::GraphicsBase>},
        {10116, remove<ManagedFile::GraphicsBase>},
        {10117, graphics_file_inspection},
        {10118, browse<MediaFolder::Graphics>},
        {10119, media_folders<MediaFolder::Graphics>},
        {10120, nothing},
        {10121, remove<ManagedFile::Picture>},
        {10123, load<BaseKind::Sound>},
        {10125, edit<ManagedFile::SoundBase>},
        {10126, create<ManagedFile::SoundBase>},
        {10127, remove<ManagedFile::SoundBase>},
        {10128, sound_file_playing},
        {10129, browse<MediaFolder::Sound>},
        {10130, media_folders<MediaFolder::Sound>},
        {10131, nothing},
        {10132, remove<ManagedFile::SoundFile>},
        {10135, flatten_chosen_rule},
        {10136, flatten_all_rules},
        {10137, exclusivity<1>},
        {10138, exclusivity<2>},
        {10139, exclusivity<3>},
        {10141, inspect_report},
        {10142, report_deleting},
        {10143, abstract_inspection},
        {10144, abstract_editing},
        {10145, abstract_creating},
        {10146, abstract_deleting},
        {10147, summary_reading},
        {10148, summary_deleting},
        {10150, askables_file_creating},
        {10151, askables_file_reading},
        {10152, askables_file_deleting},
        {10154, forward},
        {10155, backward},
        {10156, recreate_message_window},
        {10157, recreate_message_window},
        {10158, path_to_bases},
        {10159, show_user_guide},
        {10160, about},
        {10201, check_loaded_bases},
        {kWhyNotCommand, why_not_command},
        {kWhatIfCommand, what_if_command},
        {kRuleGraphCommand, rule_graph_command},
        {kProofTreeCommand, proof_tree_command},
    };
    return table;
}

} // namespace

CommandHandler handler_of(int id) {
    const auto found = handlers().find(id);
    return found == handlers().end() ? nullptr : found->second;
}

} // namespace orve
