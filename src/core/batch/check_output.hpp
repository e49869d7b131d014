// The printed forms of a batch check: one line per finding, stable and easy to
// compare between runs, a summary line per knowledge base, and JSON for tools.
#pragma once

#include "batch/batch_check.hpp"

#include <string>
#include <vector>

namespace orve {

// `blocking|warning kind base [label n,n]... ["name"]... [-- text]`.
std::string finding_line(const CheckFinding& finding);

// `summary name: N findings, B blocking, status S`.
std::string summary_line(const BaseCheck& check);

// All checks as one JSON object: {"status": S, "bases": [...]}, ending in a
// line break. Texts are escaped; bytes above 127 are kept as they are.
std::string checks_json(const std::vector<BaseCheck>& checks);

} // namespace orve
