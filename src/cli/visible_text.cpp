#include "visible_text.hpp"

#include <cstdint>

namespace orve::cli {

namespace {

void append_escape(std::string& out, unsigned code) {
    constexpr char digits[] = "0123456789abcdef";
    out += "\\x";
    out += digits[(code >> 4) & 0xF];
    out += digits[code & 0xF];
}

// A control byte that keeps its meaning: line breaks and tabs are part of texts.
bool kept_control(std::string_view text, std::size_t pos) {
    const char c = text[pos];
    return c == '\n' || c == '\t' || (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n');
}

} // namespace

std::string make_visible(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const auto byte = static_cast<std::uint8_t>(utf8[pos]);
        if ((byte < 0x20 && !kept_control(utf8, pos)) || byte == 0x7F) {
            append_escape(out, byte);
        } else if (byte == 0xC2 && pos + 1 < utf8.size() &&
                   static_cast<std::uint8_t>(utf8[pos + 1]) >= 0x80 &&
                   static_cast<std::uint8_t>(utf8[pos + 1]) <= 0x9F) {
            append_escape(out, static_cast<std::uint8_t>(utf8[++pos])); // U+0080..U+009F
        } else {
            out += utf8[pos];
        }
    }
    return out;
}

} // namespace orve::cli
