#include "askables/list_helpers.hpp"

#include "askables/name_set.hpp"

#include <algorithm>
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

// `Bytes` bytes (four or eight) as a number whose order is theirs: the first
// is the highest.
template <typename Word> std::uint64_t big_endian(const char* bytes) {
    Word word = 0;
    std::memcpy(&word, bytes, sizeof word);
#if defined(__GNUC__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if constexpr (sizeof word == 8) {
        return __builtin_bswap64(word);
    } else {
        return __builtin_bswap32(word);
    }
#else
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < sizeof word; ++i) {
        key = (key << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return key;
#endif
}

// The first eight bytes of a name as a number whose order is theirs, shorter
// names padded with zero bytes. From four bytes on, two overlapping words
// are read instead of every byte.
std::uint64_t prefix_key(std::string_view text) {
    const std::size_t n = text.size();
    if (n >= 8) {
        return big_endian<std::uint64_t>(text.data());
    }
    if (n >= 4) {
        return (big_endian<std::uint32_t>(text.data()) << 32) |
               (big_endian<std::uint32_t>(text.data() + n - 4) << (64 - 8 * n));
    }
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < n; ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(text[i])} << (56 - 8 * i);
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
// From this many names on, digits of sixteen bits take half the passes of
// bytes, and their counts are small beside the names.
constexpr std::size_t kWideDigits = 65536;

struct KeyedIndex {
    std::uint64_t key;
    std::size_t index;
};

// Orders the keys by a stable radix sort, a digit of `Bits` bits at a time
// from the last; a digit that every key shares needs no pass.
template <unsigned Bits> void radix_sort(std::vector<KeyedIndex>& keyed) {
    constexpr unsigned digits = 64 / Bits;
    constexpr std::size_t radix = std::size_t{1} << Bits;
    constexpr std::uint64_t mask = radix - 1;
    std::vector<std::size_t> counts(digits * radix);
    for (const auto& k : keyed) {
        std::uint64_t key = k.key;
        for (std::size_t at = 0; at < digits * radix; at += radix) {
            ++counts[at + (key & mask)];
            key >>= Bits;
        }
    }
    std::vector<KeyedIndex> spare(keyed.size());
    for (unsigned d = 0; d < digits; ++d) {
        const auto count = counts.begin() + static_cast<std::ptrdiff_t>(d * radix);
        if (count[static_cast<std::ptrdiff_t>((keyed.front().key >> (Bits * d)) & mask)] ==
            keyed.size()) {
            continue;
        }
        std::size_t start = 0;
        for (auto c = count; c != count + static_cast<std::ptrdiff_t>(radix); ++c) {
            start += std::exchange(*c, start);
        }
        for (const auto& k : keyed) {
            spare[count[static_cast<std::ptrdiff_t>((k.key >> (Bits * d)) & mask)]++] = k;
        }
        keyed.swap(spare);
    }
}

void radix_sort_views(std::vector<std::string_view>& views) {
    std::vector<KeyedIndex> keyed(views.size());
    for (std::size_t i = 0; i < views.size(); ++i) {
        keyed[i] = {prefix_key(views[i]), i};
    }
    if (keyed.size() >= kWideDigits) {
        radix_sort<16>(keyed);
    } else {
        radix_sort<8>(keyed);
    }
    std::vector<std::string_view> sorted(views.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        sorted[i] = views[keyed[i].index];
    }
    // Names sharing their first eight bytes, or differing only by trailing
    // zero bytes, are ordered by whole comparison.
    for (std::size_t i = 1; i < keyed.size(); ++i) {
        if (keyed[i].key != keyed[i - 1].key) {
            continue;
        }
        const std::size_t first = i - 1;
        while (i < keyed.size() && keyed[i].key == keyed[first].key) {
            ++i;
        }
        std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(first),
                  sorted.begin() + static_cast<std::ptrdiff_t>(i));
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
