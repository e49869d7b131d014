// Conversion of the bytes the core keeps (UTF-8 or Windows code page 1250, as the
// base files were written) into UTF-8 for the terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orve::cli {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(std::string_view bytes);

// Decodes every byte as Windows code page 1250; unassigned bytes become U+FFFD.
std::string cp1250_to_utf8(std::string_view bytes);

// Encodes UTF-8 in Windows code page 1250; nothing when the bytes are not
// UTF-8 or hold a character the code page lacks.
std::optional<std::string> utf8_to_cp1250(std::string_view utf8);

// Text for display: valid UTF-8 unchanged, anything else decoded as code page 1250;
// then control characters made visible (see make_visible).
std::string to_display(std::string_view bytes);

} // namespace orve::cli
