// `orve-cli --check`: the batch check of base files or of a folder of them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orve::cli {

// Checks the knowledge base of `paths` (base files), or each knowledge base of
// the folder when `paths` is one folder; prints the findings as lines or as
// JSON. Returns 0 (clean), 1 (a finding blocks chaining) or 2 (unreadable input).
int run_check(const std::vector<std::string>& paths, bool json, std::ostream& out);

} // namespace orve::cli
