#include "kb/plain_clause.hpp"

#include "kb/clause_lexer.hpp"

#include <array>
#include <cstddef>

namespace orve {

namespace {

// Byte classes: a name byte, a byte ending a plain string (its closing quote)
// and a byte that no plain string holds (escapes and control bytes).
constexpr unsigned char kName = 1;
constexpr unsigned char kQuote = 2;
constexpr unsigned char kNotPlain = 4;

constexpr std::array<unsigned char, 256> byte_classes() {
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < 0x20; ++c) {
        table[c] = kNotPlain;
    }
    table[0x7f] = kNotPlain;
    table['\\'] = kNotPlain;
    table['"'] = kQuote;
    for (std::size_t c = 'a'; c <= 'z'; ++c) {
        table[c] = kName;
        table[c - 'a' + 'A'] = kName;
    }
    for (std::size_t c = '0'; c <= '9'; ++c) {
        table[c] = kName;
    }
    table['_'] = kName;
    return table;
}

constexpr std::array<unsigned char, 256> kByteClasses = byte_classes();

unsigned char byte_class(char c) {
    return kByteClasses[static_cast<unsigned char>(c)];
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The bytes that may follow a number in a plain line; any other byte could
// make a real number, a name or an error of it.
bool ends_number(char c) {
    return c == ',' || c == ')' || c == ']' || c == ' ' || c == '\t';
}

// Byte by byte: functors are a few bytes long, shorter than a call to memcmp.
bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// Makes `value` hold a T, keeping what it holds when it holds one already, so
// that buffers left by the previous clause are used again.
template <typename T> T& hold(Value& value) {
    if (T* held = std::get_if<T>(&value)) {
        return *held;
    }
    return value.emplace<T>();
}

} // namespace

void PlainClauseReader::skip_blanks() {
    while (at_ != end_ && (*at_ == ' ' || *at_ == '\t')) {
        ++at_;
    }
}

bool PlainClauseReader::take(char c) {
    // Plain lines seldom have blanks: look for the byte itself first.
    if (at_ != end_ && *at_ == c) {
        ++at_;
        return true;
    }
    skip_blanks();
    if (at_ != end_ && *at_ == c) {
        ++at_;
        return true;
    }
    return false;
}

const ClauseType* PlainClauseReader::read_functor() {
    skip_blanks();
    const char* start = at_;
    while (at_ != end_ && byte_class(*at_) == kName) {
        ++at_;
    }
    if (at_ == start || is_digit(*start)) {
        return nullptr;
    }
    const std::string_view functor(start, static_cast<std::size_t>(at_ - start));
    // Files hold runs of clauses of one type: the last type is tried first.
    if (last_ != nullptr && same_name(last_->functor, functor)) {
        return last_;
    }
    for (const ClauseType& type : schema_) {
        if (same_name(type.functor, functor)) {
            last_ = &type;
            return last_;
        }
    }
    return nullptr;
}

bool PlainClauseReader::read(std::string_view line, Clause& clause) {
    at_ = line.data();
    end_ = line.data() + line.size();
    const ClauseType* type = read_functor();
    if (type == nullptr || type->fields.empty() || !take('(')) {
        return false;
    }
    const std::size_t count = type->fields.size();
    if (clause.args.size() != count) {
        clause.args.resize(count);
    }
    for (std::size_t index = 0; index < count; ++index) {
        if (!read_field(type->fields[index], clause.args[index]) ||
            !take(index + 1 < count ? ',' : ')')) {
            return false;
        }
    }
    skip_blanks();
    if (at_ != end_) {
        return false;
    }
    // Compared first: the functor is nearly always the previous line's one.
    if (!same_name(clause.functor, type->functor)) {
        clause.functor = type->functor;
    }
    return true;
}

bool PlainClauseReader::read_field(ArgType field, Value& value) {
    switch (field) {
    case ArgType::Integer:
        return read_integer(hold<int>(value));
    case ArgType::String:
    case ArgType::Text: {
        std::string_view text;
        if (!read_string(text)) {
            return false;
        }
        hold<std::string>(value).assign(text);
        return true;
    }
    case ArgType::StringList:
        return read_names(hold<std::vector<std::string>>(value));
    case ArgType::IntegerList:
        return read_numbers(hold<std::vector<int>>(value));
    case ArgType::Real:
        return read_real(hold<double>(value));
    }
    return false;
}

// At most nine digits, which always fit an int; longer numbers are left to the
// general parser.
bool PlainClauseReader::read_integer(int& value) {
    skip_blanks();
    const bool negative = at_ != end_ && *at_ == '-';
    const char* start = negative ? at_ + 1 : at_;
    const char* end = start;
    int number = 0;
    while (end != end_ && is_digit(*end)) {
        if (end - start == 9) {
            return false; // a tenth digit
        }
        number = number * 10 + (*end - '0');
        ++end;
    }
    if (end == start || end == end_ || !ends_number(*end)) {
        return false;
    }
    at_ = end;
    value = negative ? -number : number;
    return true;
}

// A number as the lexer reads it: -?digits(.digits)?([eE][+-]?digits)?, its
// value worked out by the same function; out of range it is left to the
// general parser, which reports it.
bool PlainClauseReader::read_real(double& value) {
    skip_blanks();
    const char* start = at_;
    const char* end = at_ != end_ && *at_ == '-' ? at_ + 1 : at_;
    const auto digits_from = [this](const char* from) {
        while (from != end_ && is_digit(*from)) {
            ++from;
        }
        return from;
    };
    const char* digits = end;
    end = digits_from(end);
    if (end == digits) {
        return false;
    }
    if (end != end_ && *end == '.' && end + 1 != end_ && is_digit(end[1])) {
        end = digits_from(end + 1);
    }
    if (end != end_ && (*end == 'e' || *end == 'E')) {
        const char* exponent = end + 1;
        if (exponent != end_ && (*exponent == '+' || *exponent == '-')) {
            ++exponent;
        }
        if (exponent != end_ && is_digit(*exponent)) {
            end = digits_from(exponent);
        }
    }
    if (end == end_ || !ends_number(*end)) {
        return false;
    }
    const auto number = real_value(std::string_view(start, static_cast<std::size_t>(end - start)));
    if (!number) {
        return false;
    }
    value = *number;
    at_ = end;
    return true;
}

bool PlainClauseReader::read_string(std::string_view& value) {
    skip_blanks();
    if (at_ == end_ || *at_ != '"') {
        return false;
    }
    const char* start = at_ + 1;
    for (const char* end = start; end != end_; ++end) {
        if (const unsigned char kind = byte_class(*end); kind > kName) {
            if (kind != kQuote) {
                return false;
            }
            value = std::string_view(start, static_cast<std::size_t>(end - start));
            at_ = end + 1;
            return true;
        }
    }
    return false;
}

// The names are gathered first so that the list is allocated once, at its size.
bool PlainClauseReader::read_names(std::vector<std::string>& names) {
    names_.clear();
    if (!take('[')) {
        return false;
    }
    if (!take(']')) {
        do {
            if (!read_string(names_.emplace_back())) {
                return false;
            }
        } while (take(','));
        if (!take(']')) {
            return false;
        }
    }
    names.clear();
    names.reserve(names_.size());
    for (const std::string_view name : names_) {
        names.emplace_back(name);
    }
    return true;
}

bool PlainClauseReader::read_numbers(std::vector<int>& numbers) {
    numbers.clear();
    if (!take('[')) {
        return false;
    }
    if (take(']')) {
        return true;
    }
    do {
        if (!read_integer(numbers.emplace_back())) {
            return false;
        }
    } while (take(','));
    return take(']');
}

} // namespace orve
