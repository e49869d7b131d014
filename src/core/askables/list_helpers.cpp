#include "askables/list_helpers.hpp"

#include "askables/name_set.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

namespace orve {

Names usuniecie_list_wewnetrznych(const std::vector<Names>& lists) {
    Names joined;
    for (const auto& inner : lists) {
        joined.insert(joined.end(), inner.begin(), inner.end());
    }
    return joined;
}

Names redukuj(const Names& list) {
    // Walking backwards, the first sighting of a text is its last occurrence.
    NameSet seen(list.size());
    Names kept;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (seen.insert(*it)) {
            kept.push_back(*it);
        }
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

Names roznica_zbiorow(const Names& a, const Names& b) {
    NameSet removed(b.size());
    for (const auto& element : b) {
        removed.insert(element);
    }
    Names rest;
    for (const auto& element : a) {
        if (!removed.contains(element)) {
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

namespace {

// The first eight bytes of a name as a number whose order is theirs, shorter
// names padded with zero bytes.
std::uint64_t prefix_key(std::string_view text) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), 8));
    std::uint64_t key = 0;
    for (const unsigned char byte : bytes) {
        key = (key << 8) | byte;
    }
    return key;
}

// A name with its key: most comparisons while sorting are then one
// comparison of numbers.
struct KeyedName {
    std::uint64_t key;
    std::string_view name;

    explicit KeyedName(std::string_view text) : key(prefix_key(text)), name(text) {}
    bool operator<(const KeyedName& other) const {
        return key != other.key ? key < other.key : name < other.name;
    }
};

// Below this many names a comparison sort costs less than the radix passes.
constexpr std::size_t kRadixThreshold = 512;

struct KeyedIndex {
    std::uint64_t key;
    std::size_t index;
};

// Orders the keys by a stable radix sort, a byte at a time from the last;
// a byte that every key shares needs no pass.
void radix_sort(std::vector<KeyedIndex>& keyed) {
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const auto& k : keyed) {
        for (std::size_t b = 0; b < 8; ++b) {
            ++counts[b][(k.key >> (8 * b)) & 0xFFU];
        }
    }
    std::vector<KeyedIndex> spare(keyed.size());
    for (std::size_t b = 0; b < 8; ++b) {
        auto& count = counts[b];
        if (count[(keyed.front().key >> (8 * b)) & 0xFFU] == keyed.size()) {
            continue;
        }
        std::size_t start = 0;
        for (auto& c : count) {
            start += std::exchange(c, start);
        }
        for (const auto& k : keyed) {
            spare[count[(k.key >> (8 * b)) & 0xFFU]++] = k;
        }
        keyed.swap(spare);
    }
}

void radix_sort_views(std::vector<std::string_view>& views) {
    std::vector<KeyedIndex> keyed(views.size());
    for (std::size_t i = 0; i < views.size(); ++i) {
        keyed[i] = {prefix_key(views[i]), i};
    }
    radix_sort(keyed);
    std::vector<std::string_view> sorted(views.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        sorted[i] = views[keyed[i].index];
    }
    // Names sharing their first eight bytes, or differing only by trailing
    // zero bytes, are ordered by whole comparison.
    for (std::size_t first = 0; first < keyed.size();) {
        std::size_t last = first + 1;
        while (last < keyed.size() && keyed[last].key == keyed[first].key) {
            ++last;
        }
        if (last - first > 1) {
            std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(first),
                      sorted.begin() + static_cast<std::ptrdiff_t>(last));
        }
        first = last;
    }
    views.swap(sorted);
}

} // namespace

void sort_views(std::vector<std::string_view>& views) {
    if (views.size() >= kRadixThreshold) {
        radix_sort_views(views);
        return;
    }
    std::vector<KeyedName> keyed(views.begin(), views.end());
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        views[i] = keyed[i].name;
    }
}

Names sortuj(const Names& list) {
    // Views are ordered instead of the texts, which are copied once, in order.
    // string_view compares bytes as unsigned values, a proper prefix first;
    // equal texts are indistinguishable, so their order among themselves does
    // not matter.
    std::vector<std::string_view> views(list.begin(), list.end());
    sort_views(views);
    return Names(views.begin(), views.end());
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
