// Evaluation of model argument names (`oblicz`) and of go-ahead conditions
// (`sprawdz`) over the Model Base and the working memory of a chaining run.
#pragma once

#include "kb/knowledge_base.hpp"
#include "kb/model_lookup.hpp"
#include "models/task.hpp"
#include "report/report_writer.hpp"
#include "state/working_memory.hpp"

#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace orve {

enum class ModelKind { Basic, Extended, Linear, Polynomial };

// A model that evaluation has just applied, before it is recorded.
struct AppliedModel {
    ModelKind kind = ModelKind::Basic;
    int number = 0;
    std::string result; // the result, or the conclusion of a relational model
    double value = 0.0;
    // A relational model (the erroneous-data search) with the values it
    // compared, in argument order.
    bool relational = false;
    std::vector<double> operands;
};

// What evaluation leaves to chaining. Every hook may stay empty. The first two
// may lead back into evaluation, so they are awaited as steps.
struct EvaluationHooks {
    // Asking the user about an unknown go-ahead condition, or verifying it as a
    // sub-hypothesis; true when it holds. Empty: such a condition does not hold.
    TaskHook<bool, const std::string&> resolve_condition;
    // The erroneous-data search after a declared value; false when it removed
    // data. Empty: the value stands.
    TaskHook<bool> check_declared_data;
    // Presents the fixed values and explains the model; false when the
    // explanation refuses the model, which is then not applied. Empty: every
    // model is applied silently.
    std::function<bool(const AppliedModel&)> on_applied;
};

struct EvaluationContext {
    const KnowledgeBaseSet& kb;
    WorkingMemory& memory;
    ReportWriter& out;
    EvaluationHooks hooks;
    // Names being evaluated on the current path; a name met again fails.
    std::unordered_multiset<std::string> path;
    // The models by result, when the caller keeps one for the base; without
    // it the tables are gone through.
    const ModelLookup* lookup = nullptr;
};

// `oblicz`: the value of an argument name, or nothing when it cannot be had.
std::optional<double> oblicz(const std::string& name, EvaluationContext& context);
// `sprawdz`: whether a go-ahead condition holds.
bool sprawdz(const std::string& condition, EvaluationContext& context);
// The same two as steps, for callers that are steps themselves: nested models
// and go-ahead conditions then add no depth to the call stack.
Task<std::optional<double>> oblicz_task(const std::string& name, EvaluationContext& context);
Task<bool> sprawdz_task(const std::string& condition, EvaluationContext& context);
// Whether a go-ahead condition holds by what is already known: "No
// condition", a true or a false condition; nothing when it must be resolved.
std::optional<bool> known_go_ahead(const std::string& condition, const WorkingMemory& memory);
// One arithmetical model applied as the chaining loop applies it: the checks,
// the arguments, the operation, the explanation and the records of
// evaluation. The value, or nothing when the model does not apply now (a
// relational or rule-conditions model never applies here).
std::optional<double> apply_model(const ModelB& model, EvaluationContext& context);
std::optional<double> apply_model(const ModelE& model, EvaluationContext& context);
std::optional<double> apply_model(const ModelLin& model, EvaluationContext& context);
std::optional<double> apply_model(const ModelPoly& model, EvaluationContext& context);

// Whether the model with this number has been applied in this run.
bool is_applied(const WorkingMemory& memory, int number);
// The values of the names in list order; nothing when one cannot be had.
Task<std::optional<std::vector<double>>> evaluate_all(const Names& names,
                                                      EvaluationContext& context);
// Whether a model establishes a conclusion: a basic model with a relation, an
// extended one with an interval relation over exactly three arguments.
bool is_relational_model(const ModelB& model);
bool is_relational_model(const ModelE& model);
// The operand values of a relational model when all can be had and its
// relation holds; nothing otherwise.
Task<std::optional<std::vector<double>>> holding_relation(const ModelB& model,
                                                          EvaluationContext& context);
Task<std::optional<std::vector<double>>> holding_relation(const ModelE& model,
                                                          EvaluationContext& context);
// The note telling the user why a model could not be applied.
void refuse_model(int number, const std::string& cause, Dialogs& ui);

} // namespace orve
