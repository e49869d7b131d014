// The structure tests of a loaded Model Base. Each stops at the first faulty
// model, tells the user how to correct the base and discards it.
#include "models/structure_tests.hpp"

#include "models/model_base_discard.hpp"
#include "models/model_operations.hpp"

#include <string>

namespace orve {

namespace {

constexpr const char* kEditingNote = ".\n\nEnter 'Model Base', choose option 'Model Base Editing'"
                                     "\nload faulty model base and remove error.";

// The lines shared by every fault message, then the note and the discard.
bool refuse(AppState& state, Dialogs& ui, const std::string& window_head,
            const std::string& note_head) {
    ui.msg_append(window_head + "Enter 'Model Base',\n"
                                "choose option 'Model Base Editing', \n"
                                "load faulty model base and remove error.\n");
    ui.note("Attention error!", note_head + kEditingNote);
    discard_model_base(state.kb.model, state.askables);
    return false;
}

bool refuse_operation(AppState& state, Dialogs& ui, const std::string& operation, int number) {
    const std::string fault =
        "Faulty operation/relation " + operation + " for model " + std::to_string(number);
    return refuse(state, ui, fault + ".\n", fault);
}

} // namespace

bool testuj_operacje_relacje_modeli_elementarnych(AppState& state, Dialogs& ui) {
    for (const ModelB& model : state.kb.model.basic) {
        if (!is_relation(model.operation) && !is_basic_arithmetic(model.operation)) {
            return refuse_operation(state, ui, model.operation, model.number);
        }
    }
    return true;
}

bool testuj_operacje_relacje_modeli_rozwinietych(AppState& state, Dialogs& ui) {
    for (const ModelE& model : state.kb.model.extended) {
        if (!is_interval_relation(model.operation) && !is_extended_arithmetic(model.operation)) {
            return refuse_operation(state, ui, model.operation, model.number);
        }
    }
    return true;
}

bool testuj_listy_modeli_liniowych(AppState& state, Dialogs& ui) {
    for (const ModelLin& model : state.kb.model.linear) {
        if (model.coefficients.size() != model.variables.size()) {
            const std::string number = std::to_string(model.number);
            return refuse(state, ui,
                          "The linear model " + number +
                              " has list of coefficients and list of variables\n"
                              "of different length.\n",
                          "The linear model " + number + "\nhas list of coefficients and " +
                              "\nlist of variables of different length.");
        }
    }
    return true;
}

bool testuj_listy_modeli_wielomianowych(AppState& state, Dialogs& ui) {
    for (const ModelPoly& model : state.kb.model.polynomial) {
        if (model.coefficients.size() != model.powers.size()) {
            const std::string number = std::to_string(model.number);
            return refuse(state, ui,
                          "The polynomial model " + number +
                              " has list of coefficients and list of powers\n"
                              "of different length.\n",
                          "The polynomial model " + number + " has list of coefficients and " +
                              "\nlist of powers of different length. ");
        }
    }
    return true;
}

bool model_structure_tests(AppState& state, Dialogs& ui) {
    return testuj_operacje_relacje_modeli_elementarnych(state, ui) &&
           testuj_operacje_relacje_modeli_rozwinietych(state, ui) &&
           testuj_listy_modeli_liniowych(state, ui) &&
           testuj_listy_modeli_wielomianowych(state, ui);
}

} // namespace orve
