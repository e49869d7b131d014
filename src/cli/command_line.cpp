#include "command_line.hpp"

#include "answer_parsing.hpp"
#include "state/commands.hpp"

#include <charconv>

namespace orve::cli {

namespace {

std::optional<int> match_identifier(const std::string& word) {
    int id = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, id);
    if (word.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    if (find_command(id) == nullptr && !is_submenu_header(id)) {
        return std::nullopt;
    }
    return id;
}

} // namespace

std::string normalize_menu_text(std::string_view text) {
    std::string normalized;
    bool pending_blank = false;
    for (const char c : to_lower(strip_access_key(text))) {
        if (c == ' ' || c == '\t' || c == '\r') {
            pending_blank = !normalized.empty();
            continue;
        }
        if (pending_blank) {
            normalized += ' ';
            pending_blank = false;
        }
        normalized += c;
    }
    return normalized;
}

std::optional<int> match_command(std::string_view line) {
    const std::string word = trim(line);
    if (const auto id = match_identifier(word)) {
        return id;
    }
    const std::string wanted = normalize_menu_text(word);
    for (const auto& command : command_table()) {
        if (normalize_menu_text(command.menu_text) == wanted) {
            return command.id;
        }
    }
    return std::nullopt;
}

} // namespace orve::cli
