// Why not?: after a run, why a rule conclusion was not established. Every
// rule concluding it is shown with the first of its conditions that did not
// hold; conditions that are themselves unestablished conclusions are
// explained in turn. A small set of further answers that would have
// established the conclusion is searched for too.
#pragma once

#include "state/app_state.hpp"

#include <optional>
#include <string>
#include <vector>

namespace orve {

// Why the first unmet condition of a rule did not hold.
enum class Unmet {
    AnsweredNo,     // the user answered no
    Excluded,       // false because another condition of its constraint is true
    NotAsked,       // askable, but the run never asked it
    NoSource,       // neither askable nor concluded by a rule or a model
    NotEstablished, // concluded by rules, none of which fired (explained in turn)
    NotByModel,     // concluded by a relational model only, which did not establish it
    False,          // recorded false otherwise
    AllHold,        // every condition holds: the run ended before the rule fired
};

struct UnmetRule {
    int rule = 0;
    std::string condition; // the first condition that did not hold (none for AllHold)
    Unmet why = Unmet::AllHold;
    int number = 0;       // the constraint (Excluded) or the model (NotByModel)
    std::string true_one; // Excluded: the condition of the constraint that is true
};

// One name explained: every rule concluding it.
struct NameExplanation {
    std::string name;
    std::vector<UnmetRule> rules;
};

enum class WhyNotStatus {
    Explained,    // explanations follow
    Established,  // the name was established after all
    NotConcluded, // no rule concludes the name
};

struct WhyNot {
    WhyNotStatus status = WhyNotStatus::Explained;
    // Explained: the name asked about first, then the conditions followed.
    std::vector<NameExplanation> explanations;
    // Answers (askable conditions answered yes) that would have made a rule
    // concluding the name fire; nothing when none were found.
    std::optional<Names> answers;
};

// Explains the name from the record of the last run. Work and memory grow
// with the size of the bases, whatever the shape of the rules.
WhyNot why_not(const AppState& state, const std::string& name);

// The explanation as lines of text, for the message window and the terminal.
std::string why_not_text(const AppState& state, const std::string& name, const WhyNot& result);

// The rule conclusions the last run did not establish, sorted, "end" left
// out: the names a why-not question can be asked about.
Names unestablished_conclusions(const AppState& state);

} // namespace orve
