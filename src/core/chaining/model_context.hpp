// The evaluation context of a chaining run: how evaluation asks about go-ahead
// conditions, checks declared values and explains the models it applies.
#pragma once

#include "models/model_evaluation.hpp"
#include "report/dialogs.hpp"
#include "report/report_writer.hpp"
#include "state/app_state.hpp"

#include <string>

namespace orve {

// Resolves an unknown go-ahead condition; true when it now holds.
using ConditionResolver = TaskHook<bool, const std::string&>;

// Owns the writer and the context for one use of model evaluation.
class ChainingEvaluation {
  public:
    // Forward chaining: an unknown askable go-ahead condition is asked
    // (`pytaj_o_warunek`); any other unknown one does not hold.
    ChainingEvaluation(AppState& state, Dialogs& ui);
    // Backward chaining: unknown go-ahead conditions go to `resolver`.
    ChainingEvaluation(AppState& state, Dialogs& ui, ConditionResolver resolver);

    ChainingEvaluation(const ChainingEvaluation&) = delete;
    ChainingEvaluation& operator=(const ChainingEvaluation&) = delete;

    EvaluationContext& context() { return context_; }
    ReportWriter& out() { return out_; }

  private:
    AppState& state_;
    Dialogs& ui_;
    ReportWriter out_;
    EvaluationContext context_;
};

} // namespace orve
