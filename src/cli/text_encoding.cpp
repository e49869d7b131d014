#include "text_encoding.hpp"

#include "visible_text.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orve::cli {

namespace {

// Code points of the bytes 0x80..0xFF of code page 1250 (0xFFFD: unassigned).
constexpr std::array<char16_t, 128> kCp1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8
};

// Appends a code point of the Basic Multilingual Plane as UTF-8.
void append_utf8(std::string& out, char16_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence starting at `pos`, or 0.
std::size_t sequence_length(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[pos + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80; // allowed range of the second byte
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > bytes.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

} // namespace

bool is_valid_utf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = sequence_length(bytes, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string cp1250_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            append_utf8(out, kCp1250High[byte - 0x80U]);
        }
    }
    return out;
}

std::optional<std::string> utf8_to_cp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = sequence_length(utf8, pos);
        if (length == 0 || length == 4) { // nothing beyond the BMP is in the code page
            return std::nullopt;
        }
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(utf8[pos + i]); };
        char32_t code = byte(0);
        if (length == 2) {
            code = ((code & 0x1FU) << 6U) | (byte(1) & 0x3FU);
        } else if (length == 3) {
            code = ((code & 0x0FU) << 12U) | ((byte(1) & 0x3FU) << 6U) | (byte(2) & 0x3FU);
        }
        pos += length;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        const auto* found = std::find(kCp1250High.begin(), kCp1250High.end(), code);
        if (code == 0xFFFD || found == kCp1250High.end()) {
            return std::nullopt;
        }
        out += static_cast<char>(0x80 + (found - kCp1250High.begin()));
    }
    return out;
}

std::string to_display(std::string_view bytes) {
    if (is_valid_utf8(bytes)) {
        return make_visible(bytes);
    }
    return make_visible(cp1250_to_utf8(bytes));
}

} // namespace orve::cli
