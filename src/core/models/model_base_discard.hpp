// Dropping a refused Model Base.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"

namespace orve {

// Discards the four model kinds, the declared argument values and the Model
// Base name, so that the base no longer counts as loaded. The m_facts and the
// exclusive-model lists stay.
void discard_model_base(ModelBase& base);

// The same, and forgets the lists derived from the models.
void discard_model_base(ModelBase& base, AskableLists& lists);

} // namespace orve
