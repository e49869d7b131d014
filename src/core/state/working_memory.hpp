// The working memory of a chaining run, shared by forward and backward chaining
// and model evaluation. Every table keeps its recording order.
#pragma once

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

// Names in recording order with constant-time membership. The index holds
// positions in the list, in one array with open addressing: every name is
// stored once, and copies of the table stay valid without rebuilding.
class OrderedNames {
  public:
    // Adds the name unless present; true when it was added.
    bool add(const std::string& name) {
        if (2 * (items_.size() + 1) > slots_.size()) {
            rehash(std::max<std::size_t>(16, 2 * slots_.size()));
        }
        std::size_t& slot = slots_[slot_of(name)];
        if (slot != kEmpty) {
            return false;
        }
        slot = items_.size();
        items_.push_back(name);
        return true;
    }
    bool contains(const std::string& name) const {
        return !slots_.empty() && slots_[slot_of(name)] != kEmpty;
    }
    const std::vector<std::string>& items() const { return items_; }
    void clear() {
        items_.clear();
        slots_.clear();
    }

  private:
    static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);

    static std::size_t hash_of(std::string_view name) {
        return std::hash<std::string_view>{}(name);
    }

    // The slot holding the name, or the empty slot where it would go.
    std::size_t slot_of(std::string_view name) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash_of(name) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == kEmpty || items_[slots_[i]] == name) {
                return i;
            }
        }
    }

    void rehash(std::size_t slots) {
        slots_.assign(slots, kEmpty);
        const std::size_t mask = slots - 1;
        for (std::size_t k = 0; k < items_.size(); ++k) {
            std::size_t i = hash_of(items_[k]) & mask;
            while (slots_[i] != kEmpty) {
                i = (i + 1) & mask;
            }
            slots_[i] = k;
        }
    }

    std::vector<std::string> items_;
    std::vector<std::size_t> slots_; // positions in items_, or kEmpty; a power of two long
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

} // namespace orve
