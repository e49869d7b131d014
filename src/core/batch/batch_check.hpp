// The batch check: loads the named base files of one knowledge base through the
// normal loading procedures, accepting every test offer, and gathers what the
// tests and the anomaly tests found.
#pragma once

#include "batch/check_findings.hpp"

#include <string>
#include <vector>

namespace orve {

// Exit statuses of a check.
inline constexpr int kCheckClean = 0;      // nothing blocks chaining
inline constexpr int kCheckBlocked = 1;    // a finding blocks chaining
inline constexpr int kCheckUnreadable = 2; // a file could not be read or placed

// The check of one knowledge base.
struct BaseCheck {
    std::string name;               // the knowledge-base name
    std::vector<std::string> files; // as given, in loading order
    std::vector<CheckFinding> findings;
    bool unreadable = false;
};

// Checks the base files of one knowledge base (a Rule Base and any of the
// others, in any order). Leaves the current folder as it found it.
BaseCheck check_knowledge_base(const std::vector<std::string>& files);

// 0, 1 or 2 as above.
int check_status(const BaseCheck& check);

// The base files of each knowledge base in `folder` (.EEB files whose name
// starts with a kind's prefix), grouped by knowledge-base name in name order.
std::vector<std::vector<std::string>> knowledge_bases_in(const std::string& folder);

} // namespace orve
