// Detection of joint rule-constraint redundancies.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "state/verify_findings.hpp"
#include "verify/test_progress.hpp"

namespace orve {

// `wyznacz_nadmiar_2`: the detection; adds the groups found, their members and
// the marks to `findings`, sets the verdict `joint_redundancy_found` and returns true
// when no group is recorded.
bool wyznacz_nadmiar_2(const KnowledgeBaseSet& kb, const AskableLists& askables, Findings& findings,
                       TestProgress& progress = no_progress());

// The title of the joint redundancy test's progress indicator.
inline constexpr const char* kJointRedundancyTestTitle = "Testing joint redundancies";

} // namespace orve
