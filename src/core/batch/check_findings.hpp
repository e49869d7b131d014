// The findings of a batch check: what the load-time tests, the verdicts on
// chaining and the anomaly tests found, in one flat, printable form.
#pragma once

#include "batch/collecting_dialogs.hpp"
#include "kb/knowledge_base.hpp"
#include "state/app_state.hpp"
#include "verify/anomaly_checks.hpp"

#include <string>
#include <utility>
#include <vector>

namespace orve {

// One finding: a kind token, the base file it is about, labelled number lists
// ("rules" 2,3) and the names involved, or a text of the shell's own words.
struct CheckFinding {
    bool blocking = false; // stops chaining on these bases
    std::string kind;
    std::string base;
    std::vector<std::pair<std::string, Numbers>> numbers;
    Names names;
    std::string text;
};

// The findings recorded in the state by loading `kind`'s base `file`: the
// numbering test, the inconsistency verdicts and the lists of the tests that ran.
std::vector<CheckFinding> recorded_findings(const AppState& state, BaseKind kind,
                                            const std::string& file);

// The notes the logic showed while loading `file`, without the ones that only
// say a base was loaded or a test found nothing, and without advice and the
// notes announcing findings listed on their own.
std::vector<CheckFinding> note_findings(const std::vector<CollectedNote>& notes,
                                        const std::string& file);

// The anomalies as findings about the Rule Base file `file`; none blocks chaining.
std::vector<CheckFinding> anomaly_findings(const std::vector<Anomaly>& anomalies,
                                           const std::string& file);

} // namespace orve
