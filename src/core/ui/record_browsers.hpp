// The record browsers of rules, the four model kinds and constraints, built from
// the clause tables of the loaded bases.
#pragma once

#include "kb/knowledge_base.hpp"
#include "report/record_browser.hpp"

namespace orve {

// "Inspection of rules": every rule with its conclusion and conditions.
RecordBrowser rule_browser(const RuleBase& base);

// "Inspection of basic models" and its three siblings; each shows the counts of
// all four model kinds.
RecordBrowser basic_model_browser(const ModelBase& base);
RecordBrowser extended_model_browser(const ModelBase& base);
RecordBrowser linear_model_browser(const ModelBase& base);
RecordBrowser polynomial_model_browser(const ModelBase& base);

// "Inspection of constraints": every constraint with its conditions.
RecordBrowser constraint_browser(const ConstraintBase& base);

} // namespace orve
