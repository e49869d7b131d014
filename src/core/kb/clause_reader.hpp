// The term reader of base files, report files and other clause files: one clause
// per line, a functor followed by its arguments in parentheses.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orve {

// String fields and the elements of StringList fields hold names and refuse
// control characters (line breaks and tabs included); Text fields hold free
// text such as remarks and reports.
enum class ArgType { Integer, Real, String, Text, StringList, IntegerList };

// One clause type a file may contain: its functor and its field types.
struct ClauseType {
    std::string functor;
    std::vector<ArgType> fields;
};

using ClauseSchema = std::vector<ClauseType>;

using Value = std::variant<int, double, std::string, std::vector<std::string>, std::vector<int>>;

struct Clause {
    std::string functor;
    std::vector<Value> args; // typed as the schema's fields say
    int line = 0;            // 1-based
};

// Error codes of the reader.
enum SyntaxErrorCode {
    kIllegalCharacter = 1401,  // a character that cannot start or continue a token
    kUnclosedString = 1402,    // a string that never closes on its line
    kNumberTooLarge = 1403,    // an integer outside the 32-bit range or a real out of range
    kUnknownClause = 1404,     // a functor that is no clause type of this file
    kWrongArgumentType = 1405, // an argument of another type than the clause type's field
    kWrongArgumentCount = 1406,
    kExpectedToken = 1407, // "(", ",", ")" or "]" expected
    kUnexpectedEnd = 1408, // the line or file stops in the middle of a clause
    kTrailingText = 1409,  // text after the closing parenthesis of a clause
};

struct SyntaxError {
    int code = 0;
    int line = 0;     // 1-based line number
    int position = 0; // 1-based byte position in the line
    std::string line_text;
    std::string message;
    std::string unknown_clause; // the clause name, for kUnknownClause
};

// The error's message followed by where it was found, e.g.
// "String not closed (line 3, column 12)".
std::string located_message(const SyntaxError& error);

struct ReadResult {
    // Clauses read, in file order; after an error, those read before it.
    std::vector<Clause> clauses;
    std::optional<SyntaxError> error;
    // The file has an empty line (a read failure without a syntax error).
    bool empty_lines = false;
    int empty_line = 0; // 1-based number of the first empty line

    bool ok() const { return !error && !empty_lines; }
};

// Reads a whole file text. A single line break after the last clause is allowed;
// any other empty line makes the read fail with `empty_lines`. CR LF line ends are
// accepted, and so is a UTF-8 byte-order mark at the start of the text. Inert
// clauses (remarks, switched-off clauses) must be part of the schema to be
// accepted.
ReadResult read_clauses(std::string_view text, const ClauseSchema& schema);

// Reads a whole file text as read_clauses does, but hands each clause to `take`
// as soon as it is read (which may move from it) instead of keeping it: the
// result's clause list stays empty. A large file is read without holding all
// its clauses at once.
ReadResult read_clauses_into(std::string_view text, const ClauseSchema& schema,
                             const std::function<void(Clause&)>& take);

// Reads as read_clauses does, but every line with the general parser, without
// the shortcut for plain lines: the reference that shortcut is checked against.
ReadResult read_clauses_generally(std::string_view text, const ClauseSchema& schema);

} // namespace orve
