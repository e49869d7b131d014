// The UTF-8 byte-order mark that some editors put at the start of a text file.
// It is no part of the text: every reader of text files skips it.
#pragma once

#include <string>
#include <string_view>

namespace orve {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text without a leading byte-order mark.
inline std::string_view without_byte_order_mark(std::string_view text) {
    return text.starts_with(kUtf8ByteOrderMark) ? text.substr(kUtf8ByteOrderMark.size()) : text;
}

// Removes a leading byte-order mark in place.
inline void strip_byte_order_mark(std::string& text) {
    if (text.starts_with(kUtf8ByteOrderMark)) {
        text.erase(0, kUtf8ByteOrderMark.size());
    }
}

} // namespace orve
