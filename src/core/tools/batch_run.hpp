// A consultation without dialogue: the bases are loaded from their file
// names and the run takes its answers from an answer table.
#pragma once

#include "state/app_state.hpp"
#include "tools/answer_table.hpp"
#include "tools/answering_dialogs.hpp"

#include <functional>
#include <string>
#include <vector>

namespace orve {

enum class BatchStatus {
    Completed, // the run went to its end
    Stopped,   // an answer was missing or unusable, or the bases bar chaining
    BadInput,  // a base could not be loaded, or no such hypothesis
};

struct BatchOutcome {
    BatchStatus status = BatchStatus::Completed;
    std::string problem; // what went wrong, one or more lines
};

using TextSink = std::function<void(const std::string&)>;

// Loads the bases, the Rule Base first, each by the kind its file name starts
// with (RU, MO, CO, AD, GR, SO). Names are taken relative to the current
// folder when called (loading then moves to the Rule Base's folder). The
// load-time tests run only when `tests` is true. Message-window text goes to
// `output`.
BatchOutcome load_bases(AppState& state, const std::vector<std::string>& files, bool tests,
                        const TextSink& output);

// Runs forward chaining, or backward chaining for `hypothesis` when it is not
// empty, answering from the table.
BatchOutcome run_with_answers(AppState& state, const AnswerTable& answers,
                              const std::string& hypothesis, const TextSink& output);

// What the last run established, one line each, and the verdict of a
// backward run.
std::string conclusions_text(const AppState& state);

} // namespace orve
