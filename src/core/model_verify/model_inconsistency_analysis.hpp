// The analysis behind the Model Base inconsistency test: arithmetical models
// that need their own result and relational models concluding their own
// go-ahead condition.
#pragma once

#include "kb/knowledge_base.hpp"
#include "state/model_findings.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orve {

// One record of `lista_argumentow_modelu_arytmetycznego`: an arithmetical
// model with the names (and literals) it computes its result from.
struct ModelArguments {
    int number = 0;
    std::string result;
    Names arguments;
};

// The argument lists of the arithmetical models: two-argument basic models,
// arithmetical extended models, linear and polynomial models, in that order.
std::vector<ModelArguments> lista_argumentow_modelu_arytmetycznego(const ModelBase& base);

// The search for the examined model's result in the models nested in its
// arguments. Only the first argument that leads into a nesting free of the
// result is followed; the rest of that list is not looked at. The chain runs
// from the model in which the result was found to the examined model.
std::optional<Numbers> indirect_chain(const std::vector<ModelArguments>& lists,
                                      std::size_t examined);

// Forgets the previous inconsistency findings and
// records the direct, indirect and relational ones of `base`.
void examine_model_inconsistency(const ModelBase& base, ModelFindings& findings);

} // namespace orve
