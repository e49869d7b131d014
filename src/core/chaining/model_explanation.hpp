// Explanations of the applied arithmetical models: a fixed statement of the
// model and of what followed from it, written to the message window and the
// report and shown in the "Message" dialogue.
#pragma once

#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Arithmetical models, found by number and result. With display semaphor 1
// they explain, with 0 they stay silent; any other semaphor makes them return
// false, and the model is then not applied.
bool wyjasnienie_model_matematyczny(AppState& state, Dialogs& ui, int number,
                                    const std::string& result, double value);
bool wyjasnienie_model_matematyczny_2(AppState& state, Dialogs& ui, int number,
                                      const std::string& result, double value);
bool wyjasnienie_model_matematyczny_liniowy(AppState& state, Dialogs& ui, int number,
                                            const std::string& result, double value);
bool wyjasnienie_model_matematyczny_wielomianowy(AppState& state, Dialogs& ui, int number,
                                                 const std::string& result, double value);

} // namespace orve
