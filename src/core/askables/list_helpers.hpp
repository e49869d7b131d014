// List utilities with a visible order, used by the askable sets and the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orve {

using Names = std::vector<std::string>;

// `usuniecie_list_wewnetrznych`: the inner lists concatenated in order.
Names usuniecie_list_wewnetrznych(const std::vector<Names>& lists);
// `redukuj`: duplicates removed keeping the last occurrence of each element.
Names redukuj(const Names& list);
// `roznica_zbiorow`: A without every element that occurs in B; A's order kept.
Names roznica_zbiorow(const Names& a, const Names& b);
// `usun`: the list without the first occurrence of the element.
Names usun(const std::string& element, const Names& list);
// `usun_wszystkie`: the list without any occurrence of the element.
Names usun_wszystkie(const std::string& element, const Names& list);
// `odwracanie`: the list reversed.
Names odwracanie(const Names& list);
// `sortuj`: ascending by unsigned byte comparison, a proper prefix first; stable.
Names sortuj(const Names& list);

// Sorts views as `sortuj` sorts texts.
void sort_views(std::vector<std::string_view>& views);

// Whether the element occurs in the list.
bool contains(const Names& list, const std::string& element);

// Bracket notation of notes and summaries: ["a","b"].
std::string bracket_list(const Names& list);

} // namespace orve
