// Reading of the lines typed at the main prompt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orve::cli {

// A menu text as compared at the prompt: without "&", in lower case, blanks
// between words collapsed to one, no leading or trailing blanks.
std::string normalize_menu_text(std::string_view text);

// The command a line selects: an identifier of the command table (submenu
// headers included) or a menu text; nothing for any other line.
std::optional<int> match_command(std::string_view line);

} // namespace orve::cli
