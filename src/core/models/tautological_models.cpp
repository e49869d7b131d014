// Tautological models: basic models that only rename a variable (adding,
// subtracting or equating 0, multiplying or dividing by 1). They are advised
// against, never refused.
#include "models/tautological_models.hpp"

#include "models/model_operations.hpp"

#include <initializer_list>
#include <string>
#include <vector>

namespace orve {

namespace {

bool is_one_of(const std::string& operation, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (operation == name) {
            return true;
        }
    }
    return false;
}

// The model's operator leaves its first operand unchanged with `neutral` as the
// second, and the first operand is a variable, not a number.
bool renames(const ModelB& model, double neutral) {
    const auto second = text_to_real(model.argument2);
    return second && *second == neutral && !text_to_real(model.argument1);
}

// `testuj_taut`: the additive kind first, then the multiplicative kind, each in
// table order.
std::vector<TautologicalModel> find_tautologies(const ModelBase& base) {
    std::vector<TautologicalModel> found;
    for (const ModelB& model : base.basic) {
        if (is_one_of(model.operation, {"=", "+", "-"}) && renames(model, 0.0)) {
            found.push_back({model.number, model.result, model.argument1});
        }
    }
    for (const ModelB& model : base.basic) {
        if (is_one_of(model.operation, {"*", "/"}) && renames(model, 1.0)) {
            found.push_back({model.number, model.result, model.argument1});
        }
    }
    return found;
}

bool offer(const std::string& name, Dialogs& ui) {
    ui.msg_append("The model base " + name + "\n" +
                  "has at least one arithmetical model which equates one variable name\n"
                  "to another variable name. Such model is a tautology.\n\n");
    return ui.yes_no("Choose:", "The Elementary Exact Model Base\n     " + name +
                                    "\nhas at least one arithmetical model which" +
                                    "\nequates one variable name to another " + "\nvariable name." +
                                    " Such model is a tautology." +
                                    "\n\nDo you wish to see tautological models?");
}

// Shows one recorded model; false when the user wants to see no more.
bool show_model(const TautologicalModel& model, Dialogs& ui) {
    const std::string number = std::to_string(model.number);
    ui.msg_append("Model " + number + " is a tautology:  it replaces the variable: '" +
                  model.replaced + "'\n" + "with another variable: '" + model.replacing + "'\n");
    return ui.yes_no("Tautological Model",
                     "Model " + number + " is a tautology.  \nIt replaces the variable\n   " +
                         model.replaced + "\nwith another variable\n   " + model.replacing +
                         "\n\nDo you wish to see the next tautological model?");
}

void advise(Dialogs& ui) {
    ui.msg_append("In some situations tautological models make the model base more readable;\n"
                  "in other situations they obscure the model base. \n"
                  "Then it is advised to remove them.\n"
                  "If you wish to delete or correct a tautological model,\n"
                  "enter 'Modele Base', choose option\n"
                  "'Model Base Editing' and load the tautological model base.\n\n"
                  "If not, proceed with loading the remaining bases.\n");
    ui.note(
        "Advice",
        std::string("In some situations tautological models make the model base more readable;") +
            "\nin other situations they obscure the model base.  Then it is advised to remove "
            "them." +
            "\nIf you wish to delete or correct a tautological model, enter 'Exact Modele "
            "Base', choose option" +
            "\n'Model Base Editing' and remove  tautological models. ");
}

} // namespace

void wykrywanie_modeli_tautologicznych(AppState& state, Dialogs& ui) {
    auto& found = state.model_findings.model_tautologiczny;
    found = find_tautologies(state.kb.model);
    if (found.empty()) {
        return;
    }
    const std::string name = state.kb.model.name ? state.kb.model.name->name : std::string();
    if (!offer(name, ui)) {
        return;
    }
    for (const TautologicalModel& model : found) {
        if (!show_model(model, ui)) {
            return;
        }
    }
    advise(ui);
}

} // namespace orve
