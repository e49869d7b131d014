#include "golden/text_diff.hpp"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace orve::golden {

namespace {

constexpr std::size_t kContext = 3;     // unchanged lines shown around the change
constexpr std::size_t kResync = 3;      // equal lines that end the changed stretch
constexpr std::size_t kSearch = 200;    // how far ahead the end of the stretch is sought
constexpr std::size_t kShownLines = 20; // changed lines shown per side

struct Lines {
    std::vector<std::string> lines;
    bool ends_with_break = true;
};

Lines split_lines(const std::string& text) {
    Lines result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = std::min(text.find('\n', start), text.size());
        result.lines.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    result.ends_with_break = text.empty() || text.back() == '\n';
    return result;
}

// True when both texts agree for kResync lines from these positions, or both end.
bool in_step(const Lines& a, std::size_t i, const Lines& b, std::size_t j) {
    for (std::size_t k = 0; k < kResync; ++k) {
        const bool a_done = i + k >= a.lines.size();
        const bool b_done = j + k >= b.lines.size();
        if (a_done || b_done) {
            return a_done && b_done;
        }
        if (a.lines[i + k] != b.lines[j + k]) {
            return false;
        }
    }
    return true;
}

// The nearest pair of positions after `first` where the texts agree again;
// the ends of both when they do not agree within the search range.
std::pair<std::size_t, std::size_t> resync(const Lines& a, const Lines& b, std::size_t first) {
    for (std::size_t skipped = 0; skipped <= 2 * kSearch; ++skipped) {
        for (std::size_t i = 0; i <= std::min(skipped, kSearch); ++i) {
            const std::size_t j = skipped - i;
            if (j <= kSearch && in_step(a, first + i, b, first + j)) {
                return {first + i, first + j};
            }
        }
    }
    return {a.lines.size(), b.lines.size()};
}

// The line with control characters written as escapes, so that they show.
std::string visible(const std::string& line) {
    std::string out;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out;
}

// Names the blanks at the end of a changed line, which would not show otherwise.
std::string trailing_blanks_note(char mark, const std::string& line) {
    if (mark == ' ') {
        return "";
    }
    const std::size_t kept = line.find_last_not_of(' ');
    const std::size_t blanks = line.size() - (kept == std::string::npos ? 0 : kept + 1);
    return blanks == 0 ? "" : "   <-- " + std::to_string(blanks) + " trailing blank(s)";
}

void add_lines(std::string& out, char mark, const Lines& text, std::size_t from, std::size_t to,
               std::size_t limit) {
    const std::size_t shown_to = std::min(to, from + limit);
    for (std::size_t i = from; i < shown_to; ++i) {
        out += mark + visible(text.lines[i]) + trailing_blanks_note(mark, text.lines[i]) + "\n";
    }
    if (to > shown_to) {
        out += mark + std::string("... ") + std::to_string(to - shown_to) + " more lines\n";
    }
}

// "@@ -12,5 +12,6 @@": the first line (1-based) and the number of lines of each side.
std::string hunk_header(std::size_t from, std::size_t to_expected, std::size_t to_actual) {
    return "@@ -" + std::to_string(from + 1) + "," + std::to_string(to_expected - from) + " +" +
           std::to_string(from + 1) + "," + std::to_string(to_actual - from) + " @@\n";
}

} // namespace

std::string first_difference(const std::string& expected, const std::string& actual,
                             const std::string& expected_name, const std::string& actual_name) {
    if (expected == actual) {
        return "";
    }
    const Lines a = split_lines(expected);
    const Lines b = split_lines(actual);
    std::size_t first = 0;
    while (first < a.lines.size() && first < b.lines.size() && a.lines[first] == b.lines[first]) {
        ++first;
    }
    std::string out = "--- " + expected_name + "\n+++ " + actual_name + "\n";
    if (first == a.lines.size() && first == b.lines.size()) {
        out += "(the texts differ only in the line break at their end: " + expected_name +
               (a.ends_with_break ? " has one" : " has none") + ")\n";
        return out;
    }
    const auto [end_a, end_b] = resync(a, b, first);
    const std::size_t from = first - std::min(first, kContext);
    const std::size_t context_to = std::min(end_a + kContext, a.lines.size());
    out += hunk_header(from, context_to, end_b + (context_to - end_a));
    add_lines(out, ' ', a, from, first, kContext);
    add_lines(out, '-', a, first, end_a, kShownLines);
    add_lines(out, '+', b, first, end_b, kShownLines);
    add_lines(out, ' ', a, end_a, context_to, kContext);
    return out;
}

} // namespace orve::golden
