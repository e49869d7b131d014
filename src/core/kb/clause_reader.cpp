#include "kb/clause_reader.hpp"

#include "kb/byte_order_mark.hpp"
#include "kb/clause_lexer.hpp"
#include "kb/plain_clause.hpp"

#include <algorithm>
#include <climits>
#include <utility>

namespace orve {

namespace {

// Long names are cut in messages so that a garbage line gives a short text.
std::string shown_name(std::string_view name) {
    constexpr std::size_t kLongest = 40;
    if (name.size() <= kLongest) {
        return std::string(name);
    }
    return std::string(name.substr(0, kLongest)) + "...";
}

const char* type_name(ArgType type) {
    switch (type) {
    case ArgType::Integer:
        return "an integer";
    case ArgType::Real:
        return "a real number";
    case ArgType::String:
    case ArgType::Text:
        return "a string";
    case ArgType::StringList:
        return "a list of strings";
    case ArgType::IntegerList:
        return "a list of integers";
    }
    return "";
}

// A value token that may stand as an argument or a list element.
bool is_value_token(TokenKind kind) {
    return kind == TokenKind::Integer || kind == TokenKind::Real || kind == TokenKind::String ||
           kind == TokenKind::Name || kind == TokenKind::ListOpen;
}

// Parses one non-blank line as one clause of the schema.
class ClauseParser {
  public:
    // `hints`: explain likely causes of errors by trying repaired lines.
    ClauseParser(std::string_view line, const ClauseSchema& schema, bool hints = true)
        : line_(line), lexer_(line), schema_(schema), hints_(hints) {}

    bool parse(Clause& clause);
    const LexError& failure() const { return failure_; }
    const std::string& unknown_clause() const { return unknown_clause_; }

  private:
    bool fail(int code, std::size_t offset, std::string message);
    bool fail_here(int code, std::string message) {
        return fail(code, token_.offset, std::move(message));
    }
    bool unexpected_end() { return fail_here(kUnexpectedEnd, "Unexpected end of line"); }
    bool advance();
    const ClauseType* find_type(std::string_view functor) const;
    bool parse_arguments(const ClauseType& type, Clause& clause);
    bool wrong_count(const ClauseType& type);
    bool parse_value(const ClauseType& type, std::size_t index, Value& value);
    bool parse_list(const ClauseType& type, std::size_t index, Value& value);
    bool parse_element(const ClauseType& type, std::size_t index, Value& list);
    // `element`: the name is an element of the list argument.
    bool take_name(const ClauseType& type, std::size_t index, bool element, std::string& name);
    void explain_missing_bracket(const ClauseType& type, std::size_t index, std::size_t at);
    std::string argument_name(const ClauseType& type, std::size_t index) const;

    std::string_view line_;
    LineLexer lexer_;
    const ClauseSchema& schema_;
    bool hints_;
    Token token_;
    LexError failure_;
    std::string unknown_clause_;
};

bool ClauseParser::fail(int code, std::size_t offset, std::string message) {
    failure_ = LexError{code, offset, std::move(message)};
    return false;
}

bool ClauseParser::advance() {
    if (!lexer_.next(token_)) {
        failure_ = lexer_.error();
        return false;
    }
    return true;
}

const ClauseType* ClauseParser::find_type(std::string_view functor) const {
    const auto found = std::find_if(schema_.begin(), schema_.end(), [functor](const ClauseType& t) {
        return t.functor == functor;
    });
    return found == schema_.end() ? nullptr : &*found;
}

bool ClauseParser::parse(Clause& clause) {
    if (!advance()) {
        return false;
    }
    if (token_.kind == TokenKind::End) {
        return unexpected_end();
    }
    if (token_.kind != TokenKind::Name) {
        return fail_here(kExpectedToken, "Clause name expected");
    }
    const ClauseType* type = find_type(token_.text);
    if (type == nullptr) {
        unknown_clause_ = std::string(token_.text);
        return fail_here(kUnknownClause, "Unknown clause name '" + shown_name(token_.text) + "'");
    }
    clause.functor = type->functor;
    if (!advance()) {
        return false;
    }
    if (token_.kind == TokenKind::End) {
        return unexpected_end();
    }
    if (token_.kind != TokenKind::Open) {
        return fail_here(kExpectedToken, "'(' expected");
    }
    if (!parse_arguments(*type, clause)) {
        return false;
    }
    const std::size_t rest = lexer_.skip_blanks();
    if (rest < line_.size()) {
        return fail(kTrailingText, rest, "Text after the end of the clause");
    }
    return true;
}

bool ClauseParser::wrong_count(const ClauseType& type) {
    const std::size_t n = type.fields.size();
    return fail_here(kWrongArgumentCount, "Clause '" + type.functor + "' takes " +
                                              std::to_string(n) +
                                              (n == 1 ? " argument" : " arguments"));
}

// Reads the arguments after "(" up to and including ")".
bool ClauseParser::parse_arguments(const ClauseType& type, Clause& clause) {
    for (std::size_t index = 0;; ++index) {
        if (!advance()) {
            return false;
        }
        if (token_.kind == TokenKind::Close && index == 0) {
            return wrong_count(type);
        }
        if (index >= type.fields.size()) {
            return wrong_count(type);
        }
        Value value;
        if (!parse_value(type, index, value)) {
            return false;
        }
        clause.args.push_back(std::move(value));
        if (!advance()) {
            return false;
        }
        const bool last = index + 1 == type.fields.size();
        switch (token_.kind) {
        case TokenKind::End:
            return unexpected_end();
        case TokenKind::Comma:
            if (last) {
                return wrong_count(type);
            }
            break;
        case TokenKind::Close:
            return last || wrong_count(type);
        default:
            return fail_here(kExpectedToken, "',' or ')' expected");
        }
    }
}

std::string ClauseParser::argument_name(const ClauseType& type, std::size_t index) const {
    return "argument " + std::to_string(index + 1) + " of '" + type.functor + "'";
}

// Converts the current token to the field's type.
bool ClauseParser::parse_value(const ClauseType& type, std::size_t index, Value& value) {
    if (token_.kind == TokenKind::End) {
        return unexpected_end();
    }
    if (!is_value_token(token_.kind)) {
        return fail_here(kExpectedToken, "Argument expected");
    }
    const ArgType field = type.fields[index];
    if (field == ArgType::Integer && token_.kind == TokenKind::Integer) {
        const auto number = integer_value(token_.text);
        value = number.value_or(0);
        return number.has_value() || fail_here(kNumberTooLarge, "Integer too large");
    }
    if (field == ArgType::Real &&
        (token_.kind == TokenKind::Integer || token_.kind == TokenKind::Real)) {
        const auto number = real_value(token_.text);
        value = number.value_or(0.0);
        return number.has_value() || fail_here(kNumberTooLarge, "Real number too large");
    }
    if (field == ArgType::Text && token_.kind == TokenKind::String) {
        value = std::move(token_.value);
        return true;
    }
    if (field == ArgType::String && token_.kind == TokenKind::String) {
        value = std::string{};
        return take_name(type, index, false, std::get<std::string>(value));
    }
    const bool list = field == ArgType::StringList || field == ArgType::IntegerList;
    if (list && token_.kind == TokenKind::ListOpen) {
        return parse_list(type, index, value);
    }
    return fail_here(kWrongArgumentType, "Argument " + std::to_string(index + 1) + " of '" +
                                             type.functor + "' must be " + type_name(field));
}

// Reads the elements after "[" up to and including "]".
bool ClauseParser::parse_list(const ClauseType& type, std::size_t index, Value& value) {
    if (type.fields[index] == ArgType::StringList) {
        value = std::vector<std::string>{};
    } else {
        value = std::vector<int>{};
    }
    if (!advance()) {
        return false;
    }
    if (token_.kind == TokenKind::ListClose) {
        return true;
    }
    std::size_t element_end = 0; // where the last element read ends
    for (;;) {
        if (!parse_element(type, index, value)) {
            explain_missing_bracket(type, index, element_end);
            return false;
        }
        element_end = token_.offset + token_.text.size();
        if (!advance()) {
            return false;
        }
        switch (token_.kind) {
        case TokenKind::End:
            return unexpected_end();
        case TokenKind::Comma:
            if (!advance()) {
                return false;
            }
            break;
        case TokenKind::ListClose:
            return true;
        default:
            fail_here(kExpectedToken, "',' or ']' expected");
            explain_missing_bracket(type, index, element_end);
            return false;
        }
    }
}

// A list whose "]" was forgotten runs into the next arguments. When the line
// reads as a clause with "]" put after the last element, the error says so.
void ClauseParser::explain_missing_bracket(const ClauseType& type, std::size_t index,
                                           std::size_t at) {
    if (!hints_ || at == 0) {
        return;
    }
    std::string repaired(line_.substr(0, at));
    repaired += ']';
    repaired += line_.substr(at);
    Clause clause;
    if (ClauseParser(repaired, schema_, false).parse(clause)) {
        failure_ = LexError{kExpectedToken, at,
                            "Missing ']' to close the list of " + argument_name(type, index)};
    }
}

// Takes the current String token as a name; names hold no control characters,
// so that nothing written from them can break a line or forge another one.
bool ClauseParser::take_name(const ClauseType& type, std::size_t index, bool element,
                             std::string& name) {
    if (token_.control_offset) {
        // The place is named only here: building it for every name read
        // would cost more than reading the name.
        const std::string where = (element ? "an element of " : "") + argument_name(type, index);
        return fail(kIllegalCharacter, *token_.control_offset,
                    "Control character " + describe_byte(token_.control) + " in " + where +
                        ": names may not contain line breaks, tabs or other control characters");
    }
    name = std::move(token_.value);
    return true;
}

// Appends the current token to the list being read.
bool ClauseParser::parse_element(const ClauseType& type, std::size_t index, Value& list) {
    if (token_.kind == TokenKind::End) {
        return unexpected_end();
    }
    if (!is_value_token(token_.kind)) {
        return fail_here(kExpectedToken, "List element expected");
    }
    if (auto* strings = std::get_if<std::vector<std::string>>(&list)) {
        if (token_.kind == TokenKind::String) {
            return take_name(type, index, true, strings->emplace_back());
        }
        return fail_here(kWrongArgumentType,
                         "Elements of " + argument_name(type, index) + " must be strings");
    }
    if (token_.kind != TokenKind::Integer) {
        return fail_here(kWrongArgumentType,
                         "Elements of " + argument_name(type, index) + " must be integers");
    }
    const auto number = integer_value(token_.text);
    if (!number) {
        return fail_here(kNumberTooLarge, "Integer too large");
    }
    std::get<std::vector<int>>(list).push_back(*number);
    return true;
}

bool is_blank_line(std::string_view line) {
    // Nearly every line starts with its functor: no search is needed then.
    if (!line.empty() && line.front() != ' ' && line.front() != '\t') {
        return false;
    }
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

int clamp_to_int(std::size_t n) {
    return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

SyntaxError syntax_error(const ClauseParser& parser, int line_number, std::string_view line) {
    const LexError& failure = parser.failure();
    return SyntaxError{failure.code,      line_number,     clamp_to_int(failure.offset + 1),
                       std::string(line), failure.message, parser.unknown_clause()};
}

} // namespace

std::string located_message(const SyntaxError& error) {
    return error.message + " (line " + std::to_string(error.line) + ", column " +
           std::to_string(error.position) + ")";
}

ReadResult read_clauses(std::string_view text, const ClauseSchema& schema) {
    std::vector<Clause> clauses;
    ReadResult result = read_clauses_into(
        text, schema, [&clauses](Clause& clause) { clauses.push_back(std::move(clause)); });
    result.clauses = std::move(clauses);
    return result;
}

namespace {

// Reads line after line; `plain_first`: try the shortcut for plain lines first.
ReadResult read_lines(std::string_view text, const ClauseSchema& schema,
                      const std::function<void(Clause&)>& take, bool plain_first) {
    text = without_byte_order_mark(text);
    ReadResult result;
    std::size_t start = 0;
    int line_number = 0;
    Clause clause;
    PlainClauseReader plain(schema);
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++line_number;
        // Only the line break of the last line may be followed by nothing.
        if (is_blank_line(line)) {
            result.empty_lines = true;
            result.empty_line = line_number;
            break;
        }
        if (!plain_first || !plain.read(line, clause)) {
            ClauseParser parser(line, schema);
            clause.args.clear();
            if (!parser.parse(clause)) {
                result.error = syntax_error(parser, line_number, line);
                break;
            }
        }
        clause.line = line_number;
        take(clause);
        if (lf == std::string_view::npos) {
            break;
        }
        start = lf + 1;
    }
    return result;
}

} // namespace

ReadResult read_clauses_into(std::string_view text, const ClauseSchema& schema,
                             const std::function<void(Clause&)>& take) {
    return read_lines(text, schema, take, true);
}

ReadResult read_clauses_generally(std::string_view text, const ClauseSchema& schema) {
    std::vector<Clause> clauses;
    ReadResult result = read_lines(
        text, schema, [&clauses](Clause& clause) { clauses.push_back(std::move(clause)); }, false);
    result.clauses = std::move(clauses);
    return result;
}

} // namespace orve
