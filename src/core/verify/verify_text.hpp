// Small text helpers shared by the verification messages.
#pragma once

#include "kb/knowledge_base.hpp"

#include <optional>
#include <string>
#include <vector>

namespace orve {

// The file name of a loaded base, or the empty text when none is loaded.
inline std::string loaded_name(const std::optional<BaseName>& name) {
    return name ? name->name : std::string();
}

// Rule numbers joined by a separator: {2, 1} with " ==> " gives "2 ==> 1".
inline std::string join_numbers(const std::vector<int>& numbers, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        joined += (i == 0 ? "" : separator) + std::to_string(numbers[i]);
    }
    return joined;
}

// Names joined by a separator: {"a", "b"} with "," gives "a,b".
inline std::string join_names(const std::vector<std::string>& names, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        joined += (i == 0 ? "" : separator) + names[i];
    }
    return joined;
}

// Numbers in brackets without blanks, as flattening shows the rules used: [4,7].
inline std::string bracket_numbers(const std::vector<int>& numbers) {
    return "[" + join_numbers(numbers, ",") + "]";
}

// Each number as its own text, for the list writers of the report.
inline std::vector<std::string> number_texts(const std::vector<int>& numbers) {
    std::vector<std::string> texts;
    for (const int number : numbers) {
        texts.push_back(std::to_string(number));
    }
    return texts;
}

// Every number followed by the separator: {4, 7} with ", " gives "4, 7, ".
inline std::string numbers_each_followed(const std::vector<int>& numbers,
                                         const std::string& separator) {
    std::string text;
    for (const int number : numbers) {
        text += std::to_string(number) + separator;
    }
    return text;
}

} // namespace orve
