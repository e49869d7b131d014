// Placeholders until model evaluation joins backward chaining.
#include "chaining/backward_models.hpp"

namespace orve {

bool backward_arithmetic_model(AppState&, Dialogs&, BackwardRun&, const std::string&) {
    return false;
}

bool backward_relational_model(AppState&, Dialogs&, BackwardRun&, const std::string&) {
    return false;
}

bool explain_model_for_why(AppState&, Dialogs&, BackwardRun&, const std::string&) {
    return false;
}

} // namespace orve
