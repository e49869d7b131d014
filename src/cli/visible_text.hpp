// Control characters made visible, so that texts from base and report files
// cannot drive the terminal (clear the screen, move the cursor, overwrite a
// question) when they are printed.
#pragma once

#include <string>
#include <string_view>

namespace orve::cli {

// UTF-8 text with every control character written as "\xHH" (its code point in
// two hex digits): C0 controls, DEL and the C1 controls U+0080..U+009F. Line
// feeds, tabs and a carriage return directly before a line feed stay as they
// are. Expects well-formed UTF-8, as `to_display` makes it.
std::string make_visible(std::string_view utf8);

} // namespace orve::cli
