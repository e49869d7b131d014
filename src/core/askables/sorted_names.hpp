// A set of names kept sorted in one block of text: a binary search answers
// whether a name is in it, and a name costs its bytes and one end position,
// without a string object of its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orve {

class SortedNames {
  public:
    // Steps through the names in ascending order, as views into the set: they
    // hold as long as the set is not changed.
    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const SortedNames* set, std::size_t index) : set_(set), index_(index) {}
        std::string_view operator*() const { return set_->at(index_); }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

      private:
        const SortedNames* set_ = nullptr;
        std::size_t index_ = 0;
    };

    SortedNames() = default;
    // The distinct names of [first, last).
    template <typename It> SortedNames(It first, It last) { insert(first, last); }
    SortedNames(std::initializer_list<std::string> names) { insert(names.begin(), names.end()); }

    // Adds the names of [first, last) that are not present yet.
    template <typename It> void insert(It first, It last) {
        std::vector<std::string> all = names();
        all.insert(all.end(), first, last);
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        assign_ascending(all.begin(), all.end());
    }

    // Replaces the names by those of [first, last), which must be strictly
    // ascending, as a sorted list of distinct names is: no order is checked.
    template <typename It> void assign_ascending(It first, It last) {
        std::size_t bytes = 0;
        std::size_t count = 0;
        for (It it = first; it != last; ++it) {
            bytes += std::string_view(*it).size();
            ++count;
        }
        std::string text;
        std::vector<std::size_t> ends;
        text.reserve(bytes);
        ends.reserve(count);
        for (It it = first; it != last; ++it) {
            text.append(std::string_view(*it));
            ends.push_back(text.size());
        }
        text_ = std::move(text);
        ends_ = std::move(ends);
    }

    // 1 when the name is present, 0 otherwise, as std::set::count.
    std::size_t count(std::string_view name) const {
        std::size_t low = 0;
        std::size_t high = ends_.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (at(middle) < name) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low < ends_.size() && at(low) == name ? 1 : 0;
    }
    bool empty() const { return ends_.empty(); }
    std::size_t size() const { return ends_.size(); }
    void clear() {
        text_.clear();
        ends_.clear();
    }

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, ends_.size()}; }
    // The names in ascending order, as strings of their own.
    std::vector<std::string> names() const { return {begin(), end()}; }

  private:
    std::string_view at(std::size_t index) const {
        const std::size_t start = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(start, ends_[index] - start);
    }

    std::string text_;              // the names one after another, ascending
    std::vector<std::size_t> ends_; // where each name ends in text_
};

} // namespace orve
