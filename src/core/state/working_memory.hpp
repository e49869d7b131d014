// The working memory of a chaining run, shared by forward and backward chaining
// and model evaluation. Every table keeps its recording order.
#pragma once

#include "askables/name_set.hpp"
#include "state/run_record.hpp"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace orve {

// Names in recording order with constant-time membership; every name is
// stored once, and copies of the table stay valid without rebuilding.
class OrderedNames {
  public:
    // Adds the name unless present; true when it was added.
    bool add(const std::string& name) { return names_.insert(name); }
    bool contains(const std::string& name) const { return names_.contains(name); }
    // Readies the look-up of a name about to be tested or added.
    void prefetch(const std::string& name) const { names_.prefetch(name); }
    const std::vector<std::string>& items() const { return names_.names(); }
    // Hands over the names, leaving the table empty.
    std::vector<std::string> take_items() { return names_.take_names(); }
    void clear() { names_.clear(); }
    // Room for `count` names in all without moving the names held.
    void reserve(std::size_t count) { names_.reserve_names(count); }

  private:
    OrderedNameSet<std::string> names_;
};

// Known values of model variables (arguments) in recording order.
class KnownValues {
  public:
    // Records or replaces the value of a variable.
    void set(const std::string& name, double value) {
        const auto found = index_.find(name);
        if (found != index_.end()) {
            items_[found->second].second = value;
            return;
        }
        index_.emplace(name, items_.size());
        items_.emplace_back(name, value);
    }
    const double* find(const std::string& name) const {
        const auto found = index_.find(name);
        return found == index_.end() ? nullptr : &items_[found->second].second;
    }
    void erase(const std::string& name) {
        const auto found = index_.find(name);
        if (found == index_.end()) {
            return;
        }
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(found->second));
        rebuild_index();
    }
    const std::vector<std::pair<std::string, double>>& items() const { return items_; }
    void clear() {
        items_.clear();
        index_.clear();
    }

  private:
    void rebuild_index() {
        index_.clear();
        for (std::size_t i = 0; i < items_.size(); ++i) {
            index_.emplace(items_[i].first, i);
        }
    }
    std::vector<std::pair<std::string, double>> items_;
    std::unordered_map<std::string, std::size_t> index_;
};

struct WorkingMemory {
    OrderedNames prawda;              // conditions established true
    OrderedNames nieprawda;           // conditions established false
    KnownValues zmienna_ustalona;     // known variable values
    std::vector<int> model_stosowany; // models applied in this run
    // All conditions occurring in the constraints processed by the fact menu.
    std::vector<std::string> lista_warunkow_uwzglednionych_ograniczen;
    std::vector<std::string> etykieta; // summary labels of the run
    std::string tytul;                 // caption of the chaining dialogues
    RunRecord last_run;                // what the last run established, kept after it
};

// Takes the true and false conditions of the run into its record, once.
inline void remember_run_end(WorkingMemory& memory) {
    if (!memory.last_run.true_at_end) {
        memory.last_run.true_at_end = memory.prawda.items();
        memory.last_run.false_at_end = memory.nieprawda.items();
    }
}

// As remember_run_end, and empties the true conditions: they move into the
// record instead of being copied, which for a long run is a large copy.
inline void remember_run_end_and_clear_true(WorkingMemory& memory) {
    if (!memory.last_run.true_at_end) {
        memory.last_run.true_at_end = memory.prawda.take_items();
        memory.last_run.false_at_end = memory.nieprawda.items();
    }
    memory.prawda.clear();
}

} // namespace orve
