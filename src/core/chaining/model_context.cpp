#include "chaining/model_context.hpp"

#include "chaining/asking.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/declared_data.hpp"
#include "chaining/model_explanation.hpp"
#include "chaining/model_explanation_relational.hpp"
#include "models/erroneous_data.hpp"

#include <utility>

namespace orve {

namespace {

// A relational model reaches evaluation only through the erroneous-data
// search, which presents the true conditions as well.
bool explain_relational(AppState& state, Dialogs& ui, const AppliedModel& model) {
    przedstawienie_faktow(state, ui);
    przedstawienie_zmiennych(state, ui);
    const auto& v = model.operands;
    if (model.kind == ModelKind::Extended && v.size() == 3) {
        return wyjasnienie_model_relacyjny_r(state, ui, model.number, model.result, v[0], v[1],
                                             v[2]);
    }
    if (model.kind == ModelKind::Basic && v.size() == 2) {
        return wyjasnienie_model_relacyjny(state, ui, model.number, model.result, v[0], v[1]);
    }
    return true;
}

bool explain_applied(AppState& state, Dialogs& ui, const AppliedModel& model) {
    if (model.relational) {
        return explain_relational(state, ui, model);
    }
    przedstawienie_zmiennych(state, ui);
    switch (model.kind) {
    case ModelKind::Basic:
        return wyjasnienie_model_matematyczny(state, ui, model.number, model.result, model.value);
    case ModelKind::Extended:
        return wyjasnienie_model_matematyczny_2(state, ui, model.number, model.result, model.value);
    case ModelKind::Linear:
        return wyjasnienie_model_matematyczny_liniowy(state, ui, model.number, model.result,
                                                      model.value);
    case ModelKind::Polynomial:
        return wyjasnienie_model_matematyczny_wielomianowy(state, ui, model.number, model.result,
                                                           model.value);
    }
    return true;
}

} // namespace

ChainingEvaluation::ChainingEvaluation(AppState& state, Dialogs& ui)
    : ChainingEvaluation(state, ui, [&state, &ui](const std::string& condition) {
          return is_askable_in_chaining(state, condition) && pytaj_o_warunek(state, ui, condition);
      }) {}

ChainingEvaluation::ChainingEvaluation(AppState& state, Dialogs& ui, ConditionResolver resolver)
    : state_(state), ui_(ui),
      out_(state.report, ui), context_{state.kb, state.memory, out_, {}, {}, state.model_lookup} {
    // The hooks refer to this object, which can be neither copied nor moved.
    context_.hooks.resolve_condition = std::move(resolver);
    context_.hooks.check_declared_data = [this] { return szukanie_blednych_danych_task(context_); };
    context_.hooks.on_applied = [this](const AppliedModel& model) {
        return explain_applied(state_, ui_, model);
    };
}

} // namespace orve
