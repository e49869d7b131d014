#include "tools/answer_table.hpp"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace orve {

namespace {

std::string trimmed(const std::string& text) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && blank(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

// The value after an `=`: one word without `=`, before an optional comment.
std::optional<std::string> value_after(const std::string& rest) {
    std::string value = trimmed(rest.substr(0, rest.find('#')));
    const bool one_word = !value.empty() && value.find_first_of(" \t=") == std::string::npos;
    return one_word ? std::optional<std::string>(value) : std::nullopt;
}

struct Line {
    std::string name;
    std::string value;
};

std::optional<Line> split_line(const std::string& line) {
    for (auto at = line.find('='); at != std::string::npos; at = line.find('=', at + 1)) {
        const std::string name = trimmed(line.substr(0, at));
        if (const auto value = value_after(line.substr(at + 1)); value && !name.empty()) {
            return Line{name, *value};
        }
    }
    return std::nullopt;
}

} // namespace

void AnswerTable::set(const std::string& name, const std::string& value) {
    if (values_.insert_or_assign(name, value).second) {
        names_.push_back(name);
    }
}

const std::string* AnswerTable::find(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? nullptr : &found->second;
}

AnswerFileResult read_answers(const std::string& text) {
    AnswerTable table;
    std::istringstream lines(text);
    std::size_t number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::string content = trimmed(line);
        if (content.empty() || content.front() == '#') {
            continue;
        }
        const auto parts = split_line(content);
        if (!parts) {
            return {std::nullopt, number, "expected: name = yes, no or a value"};
        }
        if (table.find(parts->name) != nullptr) {
            return {std::nullopt, number, "'" + parts->name + "' is answered twice"};
        }
        table.set(parts->name, parts->value);
    }
    return {std::move(table), 0, {}};
}

std::optional<bool> yes_no_answer(const std::string& value) {
    std::string lower = value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "yes") {
        return true;
    }
    if (lower == "no") {
        return false;
    }
    return std::nullopt;
}

} // namespace orve
