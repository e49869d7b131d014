// A set of names kept as one sorted vector: a binary search answers whether a
// name is in it, and it costs one string per name, without the node of a tree.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace orve {

class SortedNames {
  public:
    SortedNames() = default;
    // The distinct names of [first, last).
    template <typename It> SortedNames(It first, It last) { insert(first, last); }
    SortedNames(std::initializer_list<std::string> names) { insert(names.begin(), names.end()); }

    // Adds the names of [first, last) that are not present yet.
    template <typename It> void insert(It first, It last) {
        const bool was_empty = names_.empty();
        names_.insert(names_.end(), first, last);
        // Names already strictly ascending, as the sorted askable list is,
        // need neither the sort nor the removal of repeats.
        if (was_empty && std::adjacent_find(names_.begin(), names_.end(), std::greater_equal<>()) ==
                             names_.end()) {
            return;
        }
        std::sort(names_.begin(), names_.end());
        names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
    }

    // Replaces the names by those of [first, last), which must be strictly
    // ascending, as a sorted list of distinct names is: no order is checked.
    template <typename It> void assign_ascending(It first, It last) { names_.assign(first, last); }

    // 1 when the name is present, 0 otherwise, as std::set::count.
    std::size_t count(const std::string& name) const {
        return std::binary_search(names_.begin(), names_.end(), name) ? 1 : 0;
    }
    bool empty() const { return names_.empty(); }
    std::size_t size() const { return names_.size(); }
    void clear() { names_.clear(); }

    // The names in ascending order.
    std::vector<std::string>::const_iterator begin() const { return names_.begin(); }
    std::vector<std::string>::const_iterator end() const { return names_.end(); }
    const std::vector<std::string>& names() const { return names_; }

  private:
    std::vector<std::string> names_;
};

} // namespace orve
