// A shortcut of the clause reader for the lines almost every file consists of:
// numbers, strings without escapes or control bytes, and lists of them. Such a
// line is read without the lexer; any other line is left to the general parser,
// so every error still comes from that parser.
#pragma once

#include "kb/clause_reader.hpp"

#include <string_view>
#include <vector>

namespace orve {

class PlainClauseReader {
  public:
    explicit PlainClauseReader(const ClauseSchema& schema) : schema_(schema) {}

    // Reads `line` into `clause` (functor and arguments) when it is a valid
    // clause in the plain form, giving what the general parser gives. False
    // for any other line; the clause's arguments are then left half written.
    bool read(std::string_view line, Clause& clause);

  private:
    bool read_field(ArgType field, Value& value);
    bool read_integer(int& value);
    bool read_real(double& value);
    bool read_string(std::string_view& value);
    bool read_names(std::vector<std::string>& names);
    bool read_numbers(std::vector<int>& numbers);
    const ClauseType* read_functor();
    void skip_blanks();
    bool take(char c);

    const ClauseSchema& schema_;
    const char* at_ = nullptr;            // the next byte of the line to read
    const char* end_ = nullptr;           // the end of the line
    const ClauseType* last_ = nullptr;    // the type of the last line read
    std::vector<std::string_view> names_; // the elements of the list being read
};

} // namespace orve
