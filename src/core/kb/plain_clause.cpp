#include "kb/plain_clause.hpp"

#include <array>
#include <cstddef>

namespace orve {

namespace {

// What a byte does inside a plain string.
enum class StringByte : unsigned char { Plain, Quote, Other };

constexpr std::array<StringByte, 256> string_bytes() {
    std::array<StringByte, 256> table{};
    for (std::size_t c = 0; c < 0x20; ++c) {
        table[c] = StringByte::Other;
    }
    table[0x7f] = StringByte::Other;
    table['\\'] = StringByte::Other;
    table['"'] = StringByte::Quote;
    return table;
}

constexpr std::array<StringByte, 256> kStringBytes = string_bytes();

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || is_digit(c);
}

// The bytes that may follow a number in a plain line; any other byte could
// make a real number, a name or an error of it.
bool ends_number(char c) {
    return c == ',' || c == ')' || c == ']' || c == ' ' || c == '\t';
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
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) {
        ++pos_;
    }
}

bool PlainClauseReader::take(char c) {
    skip_blanks();
    if (pos_ < line_.size() && line_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

const ClauseType* PlainClauseReader::read_functor() {
    skip_blanks();
    const std::size_t start = pos_;
    while (pos_ < line_.size() && is_name_char(line_[pos_])) {
        ++pos_;
    }
    if (pos_ == start || is_digit(line_[start])) {
        return nullptr;
    }
    const std::string_view functor = line_.substr(start, pos_ - start);
    for (const ClauseType& type : schema_) {
        if (type.functor == functor) {
            return &type;
        }
    }
    return nullptr;
}

bool PlainClauseReader::read(std::string_view line, Clause& clause) {
    line_ = line;
    pos_ = 0;
    const ClauseType* type = read_functor();
    if (type == nullptr || type->fields.empty() || !take('(')) {
        return false;
    }
    const std::size_t count = type->fields.size();
    clause.args.resize(count);
    for (std::size_t index = 0; index < count; ++index) {
        if (!read_field(type->fields[index], clause.args[index]) ||
            !take(index + 1 < count ? ',' : ')')) {
            return false;
        }
    }
    skip_blanks();
    if (pos_ != line_.size()) {
        return false;
    }
    // Compared first: the functor is nearly always the previous line's one.
    if (clause.functor != type->functor) {
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
        return false;
    }
    return false;
}

// At most nine digits, which always fit an int; longer numbers are left to the
// general parser.
bool PlainClauseReader::read_integer(int& value) {
    skip_blanks();
    const bool negative = pos_ < line_.size() && line_[pos_] == '-';
    const std::size_t start = negative ? pos_ + 1 : pos_;
    std::size_t end = start;
    int number = 0;
    while (end < line_.size() && is_digit(line_[end])) {
        number = number * 10 + (line_[end] - '0');
        ++end;
    }
    if (end == start || end - start > 9 || end == line_.size() || !ends_number(line_[end])) {
        return false;
    }
    pos_ = end;
    value = negative ? -number : number;
    return true;
}

bool PlainClauseReader::read_string(std::string_view& value) {
    skip_blanks();
    if (pos_ == line_.size() || line_[pos_] != '"') {
        return false;
    }
    const std::size_t start = pos_ + 1;
    for (std::size_t end = start; end < line_.size(); ++end) {
        switch (kStringBytes[static_cast<unsigned char>(line_[end])]) {
        case StringByte::Plain:
            break;
        case StringByte::Quote:
            value = line_.substr(start, end - start);
            pos_ = end + 1;
            return true;
        case StringByte::Other:
            return false;
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
