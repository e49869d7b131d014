#include "tools/tool_commands.hpp"

#include "tools/answer_table.hpp"
#include "tools/graph_files.hpp"
#include "tools/proof_tree.hpp"
#include "tools/rule_graph.hpp"
#include "tools/what_if.hpp"
#include "tools/why_not.hpp"

namespace orve {

namespace {

bool run_recorded(const AppState& state, Dialogs& ui) {
    if (state.memory.last_run.direction == RunDirection::None) {
        ui.note("Attention!", "Run forward or backward chaining first!");
        return false;
    }
    return true;
}

bool export_graph(Dialogs& ui, const std::string& title, const std::string& dot_text) {
    const std::string path = ui.save_file("*.dot", {{"Graphviz graph (*.dot)", "*.dot"}}, title);
    if (path.empty()) {
        return false;
    }
    const GraphWritten written = write_graph(path, dot_text);
    if (written.error) {
        ui.note("Attention error!", "The graph could not be written:\n" + *written.error);
        return false;
    }
    ui.msg_append("The graph has been written to " + path + ".\n");
    if (written.picture) {
        ui.msg_append("Its picture has been written to " + *written.picture + ".\n");
    }
    return true;
}

} // namespace

bool why_not_command(AppState& state, Dialogs& ui) {
    if (!run_recorded(state, ui)) {
        return false;
    }
    const Names names = unestablished_conclusions(state);
    if (names.empty()) {
        ui.note("Why not?", "The last run established every rule conclusion.");
        return true;
    }
    const auto picked =
        ui.pick_line({"Why not?", "Pick a conclusion the last run did not establish", names});
    if (!picked || *picked < 1 || static_cast<std::size_t>(*picked) > names.size()) {
        return false;
    }
    const std::string& name = names[static_cast<std::size_t>(*picked) - 1];
    ui.msg_append(why_not_text(state, name, why_not(state, name)));
    return true;
}

bool what_if_command(AppState& state, Dialogs& ui) {
    if (!run_recorded(state, ui)) {
        return false;
    }
    const std::string line =
        ui.get_text("What if?", "Change one answer (condition = yes or no, argument = value):", "");
    const AnswerFileResult read = read_answers(line);
    if (!read.table || read.table->names().size() != 1) {
        ui.note("Attention!",
                "Write one answer: a condition = yes or no, or an argument = a value.");
        return false;
    }
    const std::string& name = read.table->names().front();
    const std::string& value = *read.table->find(name);
    ui.msg_append(what_if_text(name, value, what_if(state, name, value)));
    return true;
}

bool rule_graph_command(AppState& state, Dialogs& ui) {
    if (!state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return false;
    }
    return export_graph(ui, "Export the rule graph (*.dot)", rule_graph_dot(state));
}

bool proof_tree_command(AppState& state, Dialogs& ui) {
    if (!run_recorded(state, ui)) {
        return false;
    }
    return export_graph(ui, "Export the proof tree (*.dot)", proof_tree_dot(state));
}

void enable_run_tools(AppState& state, Dialogs& ui) {
    const RunDirection direction = state.memory.last_run.direction;
    remember_run_end(state.memory);
    set_command(state, ui, kWhyNotCommand, direction != RunDirection::None);
    set_command(state, ui, kProofTreeCommand, direction != RunDirection::None);
    set_command(state, ui, kWhatIfCommand, direction == RunDirection::Forward);
}

void forget_run(AppState& state, Dialogs& ui) {
    state.memory.last_run = {};
    for (const int id : {kWhyNotCommand, kWhatIfCommand, kProofTreeCommand}) {
        set_command(state, ui, id, false);
    }
}

} // namespace orve
