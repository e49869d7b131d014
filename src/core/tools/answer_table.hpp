// The answers of a consultation without dialogue: one `name = value` a line,
// where the value is yes, no or an argument value as it would be typed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orve {

class AnswerTable {
  public:
    // Sets the answer to a name, replacing an earlier one.
    void set(const std::string& name, const std::string& value);
    // The answer to a name, if the table has one.
    const std::string* find(const std::string& name) const;
    // The names in the order they were first set.
    const std::vector<std::string>& names() const { return names_; }

  private:
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::string> values_;
};

// What reading an answers text gave: the table, or the first faulty line.
struct AnswerFileResult {
    std::optional<AnswerTable> table;
    std::size_t faulty_line = 0; // 1-based, when there is no table
    std::string fault;           // what is wrong with that line
};

// Reads `name = value` lines. Blanks around the name and the value are
// ignored; empty lines and lines starting with `#` are skipped; a `#` after
// the value starts a comment. A name may itself hold `=` or `#`: the line is
// cut at the first `=` after which a single word follows. A name answered
// twice is a fault.
AnswerFileResult read_answers(const std::string& text);

// "yes" or "no" in any letter case: true or false; nothing for other words.
std::optional<bool> yes_no_answer(const std::string& value);

} // namespace orve
