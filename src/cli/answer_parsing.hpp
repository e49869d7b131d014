// Reading of the answer lines typed at the terminal's dialogues. Each parser
// returns nothing when the line does not fit the dialogue.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orve::cli {

// The line without leading and trailing blanks (spaces, tabs, carriage returns).
std::string trim(std::string_view line);
// ASCII letters in lower case; other bytes unchanged.
std::string to_lower(std::string_view text);
// A button caption without its access-key markers ("&Yes" -> "Yes").
std::string strip_access_key(std::string_view caption);

// "!end": the "End" button of the chaining dialogues (any case).
bool is_end_request(std::string_view line);
// y, yes, n, no in any case; the empty line is Yes.
std::optional<bool> parse_yes_no(std::string_view line);
// A whole number from 1 to `count`.
std::optional<int> parse_position(std::string_view line, int count);
// A button position or caption without "&" (any case), or y / n for the Yes /
// No button; the empty line is the last button.
std::optional<int> parse_button(std::string_view line, const std::vector<std::string>& buttons);
// 1-based positions separated by blanks or commas, returned 0-based in list
// order without repeats; the empty line selects nothing.
std::optional<std::vector<int>> parse_positions(std::string_view line, int count);

} // namespace orve::cli
