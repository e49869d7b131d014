// Model evaluation fills these in; until the core evaluates models, no model
// applies and forward chaining runs on the rules alone.
#include "chaining/model_alternatives.hpp"

namespace orve {

bool apply_basic_arithmetic_model(AppState&, Dialogs&) {
    return false;
}

bool apply_extended_arithmetic_model(AppState&, Dialogs&) {
    return false;
}

bool apply_linear_model(AppState&, Dialogs&) {
    return false;
}

bool apply_polynomial_model(AppState&, Dialogs&) {
    return false;
}

bool apply_basic_relational_model(AppState&, Dialogs&) {
    return false;
}

bool apply_extended_relational_model(AppState&, Dialogs&) {
    return false;
}

} // namespace orve
