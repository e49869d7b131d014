#include "chaining/rule_agenda.hpp"

#include "askables/askable_lists.hpp"
#include "chaining/condition_tests.hpp"

namespace orve {

RuleAgenda::RuleAgenda(const std::vector<Rule>& rules, const WorkingMemory& memory)
    : rules_(rules), seen_true_(memory.prawda.items().size()) {
    schedule_all();
}

void RuleAgenda::schedule_all() {
    stopped_by_.clear();
    pending_.fill(rules_.size());
}

void RuleAgenda::catch_up(const WorkingMemory& memory) {
    const auto& truths = memory.prawda.items();
    if (truths.size() < seen_true_) {
        // The true conditions were cleared: nothing learnt so far holds.
        schedule_all();
        seen_true_ = truths.size();
        return;
    }
    for (; seen_true_ < truths.size(); ++seen_true_) {
        const auto stopped = stopped_by_.find(std::string_view(truths[seen_true_]));
        if (stopped == stopped_by_.end()) {
            continue;
        }
        for (const std::size_t index : stopped->second) {
            pending_.insert(index);
        }
        stopped_by_.erase(stopped);
    }
}

bool RuleAgenda::applies(AppState& state, Dialogs& ui, std::size_t index) {
    const Rule& rule = rules_[index];
    if (state.memory.prawda.contains(rule.conclusion)) {
        return false; // for good: true conditions are never withdrawn in a run
    }
    const auto unmet =
        first_unmet_condition(state, ui, rule.conditions, [&](const std::string& condition) {
            return is_askable(state, condition);
        });
    if (!unmet) {
        return true;
    }
    stopped_by_[rule.conditions[*unmet]].push_back(index);
    return false;
}

void RuleAgenda::prefetch_names(const WorkingMemory& memory, std::size_t index) const {
    if (index >= rules_.size()) {
        return;
    }
    const Rule& rule = rules_[index];
    memory.prawda.prefetch(rule.conclusion);
    for (const auto& condition : rule.conditions) {
        memory.prawda.prefetch(condition);
    }
}

bool RuleAgenda::is_askable(const AppState& state, const std::string& condition) {
    if (!askable_) {
        const Names& askable = ogolna_lista_dopytywalnych(state.askables);
        askable_.emplace(askable.size());
        for (const auto& name : askable) {
            askable_->insert(name);
        }
    }
    return askable_->contains(condition);
}

const Rule* RuleAgenda::first_applicable(AppState& state, Dialogs& ui) {
    catch_up(state.memory);
    std::size_t index = pending_.next_from(0);
    while (index != IndexQueue::none) {
        pending_.erase(index);
        prefetch_names(state.memory, index + kAhead);
        const bool found = applies(state, ui, index);
        // Answers given during the test may wake rules; those further down
        // are tested in this pass, those above it in the next one.
        catch_up(state.memory);
        if (found) {
            return &rules_[index];
        }
        index = pending_.next_from(index + 1);
    }
    return nullptr;
}

} // namespace orve
