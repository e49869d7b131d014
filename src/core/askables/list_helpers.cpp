#include "askables/list_helpers.hpp"
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace orve {

namespace {

// Byte-wise comparison of code-page-1250 texts as unsigned values; a proper
// prefix orders first.
bool byte_less(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.size() < b.size();
}

// Merges the sorted runs [first, middle) and [middle, last) of `items`; on equal
// texts the left run goes first, which keeps the sort stable.
void merge_runs(Names& items, Names& scratch, std::size_t first, std::size_t middle,
                std::size_t last) {
    std::size_t left = first;
    std::size_t right = middle;
    scratch.clear();
    while (left < middle && right < last) {
        if (byte_less(items[right], items[left])) {
            scratch.push_back(std::move(items[right++]));
        } else {
            scratch.push_back(std::move(items[left++]));
        }
    }
    while (left < middle) {
        scratch.push_back(std::move(items[left++]));
    }
    while (right < last) {
        scratch.push_back(std::move(items[right++]));
    }
    std::move(scratch.begin(), scratch.end(), items.begin() + static_cast<std::ptrdiff_t>(first));
}

// Top-down merge sort of [first, last): runs of up to two elements are ordered
// directly, longer ones split after the first half (rounded down).
void merge_sort(Names& items, Names& scratch, std::size_t first, std::size_t last) {
    const std::size_t length = last - first;
    if (length < 2) {
        return;
    }
    if (length == 2) {
        if (byte_less(items[first + 1], items[first])) {
            std::swap(items[first], items[first + 1]);
        }
        return;
    }
    const std::size_t middle = first + length / 2;
    merge_sort(items, scratch, first, middle);
    merge_sort(items, scratch, middle, last);
    merge_runs(items, scratch, first, middle, last);
}

} // namespace

Names usuniecie_list_wewnetrznych(const std::vector<Names>& lists) {
    Names joined;
    for (const auto& inner : lists) {
        joined.insert(joined.end(), inner.begin(), inner.end());
    }
    return joined;
}

Names redukuj(const Names& list) {
    // Walking backwards, the first sighting of a text is its last occurrence.
    std::unordered_set<std::string_view> seen;
    seen.reserve(list.size());
    Names kept;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (seen.insert(*it).second) {
            kept.push_back(*it);
        }
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

Names roznica_zbiorow(const Names& a, const Names& b) {
    const std::unordered_set<std::string_view> removed(b.begin(), b.end());
    Names rest;
    for (const auto& element : a) {
        if (removed.count(element) == 0) {
            rest.push_back(element);
        }
    }
    return rest;
}

Names usun(const std::string& element, const Names& list) {
    Names rest = list;
    const auto found = std::find(rest.begin(), rest.end(), element);
    if (found != rest.end()) {
        rest.erase(found);
    }
    return rest;
}

Names usun_wszystkie(const std::string& element, const Names& list) {
    Names rest;
    std::copy_if(list.begin(), list.end(), std::back_inserter(rest),
                 [&element](const std::string& item) { return item != element; });
    return rest;
}

Names odwracanie(const Names& list) {
    return Names(list.rbegin(), list.rend());
}

Names sortuj(const Names& list) {
    Names sorted = list;
    Names scratch;
    scratch.reserve(sorted.size());
    merge_sort(sorted, scratch, 0, sorted.size());
    return sorted;
}

bool contains(const Names& list, const std::string& element) {
    return std::find(list.begin(), list.end(), element) != list.end();
}

std::string bracket_list(const Names& list) {
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            text += ",";
        }
        text += "\"" + list[i] + "\"";
    }
    return text + "]";
}

} // namespace orve
