#include "askables/list_helpers.hpp"

#include "askables/name_set.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

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

// A name with its first eight bytes as a number whose order is theirs: most
// comparisons while sorting are then one comparison of numbers.
struct KeyedName {
    std::uint64_t key;
    std::string_view name;

    explicit KeyedName(std::string_view text) : key(0), name(text) {
        for (std::size_t i = 0; i < 8; ++i) {
            key = (key << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
        }
    }
    bool operator<(const KeyedName& other) const {
        return key != other.key ? key < other.key : name < other.name;
    }
};

} // namespace

void sort_views(std::vector<std::string_view>& views) {
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
