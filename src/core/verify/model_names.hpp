// The names a Model Base establishes and uses, gathered from its four model kinds.
#pragma once

#include "kb/knowledge_base.hpp"

namespace orve {

// Every model's result (a variable, or the conclusion of a relational model).
Names model_results(const ModelBase& models);

// Every go-ahead condition and argument the models read.
Names model_inputs(const ModelBase& models);

} // namespace orve
