#include "kb/clause_reader.hpp"

#include "kb/clause_lexer.hpp"

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
    ClauseParser(std::string_view line, const ClauseSchema& schema)
        : line_(line), lexer_(line), schema_(schema) {}

    bool parse(Clause& clause);
    const LexError& failure() const { return failure_; }

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
    std::string argument_name(const ClauseType& type, std::size_t index) const;

    std::string_view line_;
    LineLexer lexer_;
    const ClauseSchema& schema_;
    Token token_;
    LexError failure_;
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
    if (field == ArgType::String && token_.kind == TokenKind::String) {
        value = std::move(token_.value);
        return true;
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
    for (;;) {
        if (!parse_element(type, index, value) || !advance()) {
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
            return fail_here(kExpectedToken, "',' or ']' expected");
        }
    }
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
            strings->push_back(std::move(token_.value));
            return true;
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
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

int clamp_to_int(std::size_t n) {
    return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

SyntaxError syntax_error(const LexError& failure, int line_number, std::string_view line) {
    return SyntaxError{failure.code, line_number, clamp_to_int(failure.offset + 1),
                       std::string(line), failure.message};
}

} // namespace

ReadResult read_clauses(std::string_view text, const ClauseSchema& schema) {
    ReadResult result;
    std::size_t start = 0;
    int line_number = 0;
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
            break;
        }
        ClauseParser parser(line, schema);
        Clause clause;
        if (!parser.parse(clause)) {
            result.error = syntax_error(parser.failure(), line_number, line);
            break;
        }
        clause.line = line_number;
        result.clauses.push_back(std::move(clause));
        if (lf == std::string_view::npos) {
            break;
        }
        start = lf + 1;
    }
    return result;
}

} // namespace orve
