#include "answer_parsing.hpp"

#include <algorithm>
#include <charconv>

namespace orve::cli {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The 1-based position of the button whose caption, without "&" and in lower
// case, is `word`.
std::optional<int> find_caption(std::string_view word, const std::vector<std::string>& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (to_lower(trim(strip_access_key(buttons[i]))) == word) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

} // namespace

std::string trim(std::string_view line) {
    while (!line.empty() && is_blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && is_blank(line.back())) {
        line.remove_suffix(1);
    }
    return std::string(line);
}

std::string to_lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::string strip_access_key(std::string_view caption) {
    std::string stripped;
    for (const char c : caption) {
        if (c != '&') {
            stripped += c;
        }
    }
    return stripped;
}

bool is_end_request(std::string_view line) {
    return to_lower(trim(line)) == "!end";
}

std::optional<bool> parse_yes_no(std::string_view line) {
    const std::string word = to_lower(trim(line));
    if (word.empty() || word == "y" || word == "yes") {
        return true;
    }
    if (word == "n" || word == "no") {
        return false;
    }
    return std::nullopt;
}

std::optional<int> parse_position(std::string_view line, int count) {
    const std::string word = trim(line);
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc{} || stop != end || value < 1 || value > count) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parse_button(std::string_view line, const std::vector<std::string>& buttons) {
    const int count = static_cast<int>(buttons.size());
    const std::string word = to_lower(trim(line));
    if (word.empty()) {
        return count;
    }
    if (const auto position = parse_position(word, count)) {
        return position;
    }
    if (const auto button = find_caption(word, buttons)) {
        return button;
    }
    // y and n answer the Yes and No buttons, as they answer a Yes/No question.
    if (word == "y" || word == "n") {
        return find_caption(word == "y" ? "yes" : "no", buttons);
    }
    return std::nullopt;
}

std::optional<std::vector<int>> parse_positions(std::string_view line, int count) {
    std::string spaced(line);
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    std::vector<int> picked;
    std::size_t pos = 0;
    while ((pos = spaced.find_first_not_of(" \t\r", pos)) != std::string::npos) {
        const std::size_t stop = spaced.find_first_of(" \t\r", pos);
        const auto position =
            parse_position(std::string_view(spaced).substr(pos, stop - pos), count);
        if (!position) {
            return std::nullopt;
        }
        picked.push_back(*position - 1);
        pos = stop;
    }
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return picked;
}

} // namespace orve::cli
