// The files a file dialogue offers: those matching its mask, ignoring case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orve::cli {

// Matches a name against a pattern with "*" and "?", ignoring ASCII case.
bool matches_mask(std::string_view name, std::string_view pattern);

// The names of the regular files matching the mask, sorted. The mask may name
// a folder ("..\ADVICES\*.hlp"); a relative folder is taken from the current one.
std::vector<std::string> list_matching_files(const std::string& mask);

} // namespace orve::cli
