#include "ui/askables_display.hpp"

namespace orve {

void show_rule_base_askables(const AppState& state, Dialogs& ui) {
    if (!state.kb.rule.name) {
        return;
    }
    const std::string& rule_base = state.kb.rule.name->name;
    const AskableLists& lists = state.askables;
    if (!state.kb.model.name) {
        ui.show_list("Askable conditions for rule base  " + rule_base +
                         " while not taking into account the  model base. ",
                     lists.lista_warunkow_dopytywalnych);
        return;
    }
    const std::string& model_base = state.kb.model.name->name;
    ui.msg_append("     Askable conditions for rule base   " + rule_base +
                  "\n      while taking into account the model base " + model_base + "\n");
    // Without model conclusions the display list equals the Rule Base's own list.
    ui.show_list("Askable conditions for rule base  " + rule_base +
                     " while taking into account the  model base " + model_base,
                 lists.lista_wszystkich_dopytywalnych_dla_wyswietlania.value_or(
                     lists.lista_warunkow_dopytywalnych));
}

void show_model_base_askables(const AppState& state, Dialogs& ui) {
    if (!state.kb.model.name) {
        return;
    }
    ui.show_list("Askable conditions and arguments for model base " + state.kb.model.name->name,
                 state.askables.lista_argumentow_dopytywalnych.value_or(Names{}));
}

void show_joint_askables(const AppState& state, Dialogs& ui) {
    if (!state.kb.model.name || !state.kb.rule.name) {
        return;
    }
    ui.show_list("Askable conditions and arguments for  rule base " + state.kb.rule.name->name +
                     " and model base " + state.kb.model.name->name,
                 state.askables.lista_warunkow_i_argumentow_dopytywalnych.value_or(Names{}));
}

} // namespace orve
