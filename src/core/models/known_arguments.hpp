// The load-time check of the argument values a Model Base declares in advance.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "report/dialogs.hpp"

namespace orve {

// `testowanie_dopytywalnosci_argumentow`: true when every `argument_known`
// clause names an askable argument (or no Model Base is loaded); otherwise
// reports, drops the declared values, the basic models and the Model Base name
// and returns false.
bool testowanie_dopytywalnosci_argumentow(ModelBase& base, const AskableLists& lists, Dialogs& ui);

} // namespace orve
