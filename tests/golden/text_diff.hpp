// A short, readable account of where two texts differ, for failing comparisons
// of whole transcripts and files.
#pragma once

#include <string>

namespace orve::golden {

// A unified-style diff of the first stretch of lines where `actual` departs
// from `expected`, with a few lines of context and the line numbers of both;
// "" when the texts are equal byte for byte. The names head the diff.
std::string first_difference(const std::string& expected, const std::string& actual,
                             const std::string& expected_name, const std::string& actual_name);

} // namespace orve::golden
