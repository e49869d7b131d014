#include "kb/clause_lexer.hpp"

#include "kb/clause_reader.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace orve {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_name_start(char c) {
    return is_letter(c) || c == '_';
}
bool is_name_char(char c) {
    return is_name_start(c) || is_digit(c);
}

// The bytes that end a run of plain bytes in a string.
bool is_string_stop(char c) {
    return c == '"' || c == '\\' || c == '\0';
}

// The byte an escape sequence stands for; an unknown escape keeps its byte.
char unescape(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

std::optional<TokenKind> punctuation(char c) {
    switch (c) {
    case '(':
        return TokenKind::Open;
    case ')':
        return TokenKind::Close;
    case '[':
        return TokenKind::ListOpen;
    case ']':
        return TokenKind::ListClose;
    case ',':
        return TokenKind::Comma;
    default:
        return std::nullopt;
    }
}

// Decimal exponent of the leading significant digit of a nonzero number token,
// saturated far beyond the double range. Tells underflow from overflow.
long long leading_exponent(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const long long gap = static_cast<long long>(point) - static_cast<long long>(first);
    long long lead = first < point ? gap - 1 : gap;
    if (e == std::string_view::npos) {
        return lead;
    }
    std::string_view exp = text.substr(e + 1);
    const bool negative = !exp.empty() && exp.front() == '-';
    long long value = 0;
    for (const char c : exp) {
        if (is_digit(c) && value < 1'000'000'000'000LL) {
            value = value * 10 + (c - '0');
        }
    }
    return lead + (negative ? -value : value);
}

// Records the first control character of `bytes`, which stand at `offset` of
// the line (an escape stands at its backslash), unless one was found before.
void note_control(Token& token, std::string_view bytes, std::size_t offset) {
    if (token.control_offset) {
        return;
    }
    // A lambda rather than the function's address, so the test is inlined.
    const auto found =
        std::find_if(bytes.begin(), bytes.end(), [](char c) { return is_control_byte(c); });
    if (found != bytes.end()) {
        token.control_offset = offset + static_cast<std::size_t>(found - bytes.begin());
        token.control = *found;
    }
}

} // namespace

std::size_t LineLexer::skip_blanks() {
    while (pos_ < line_.size() && is_blank(line_[pos_])) {
        ++pos_;
    }
    return pos_;
}

bool LineLexer::fail(int code, std::size_t offset, std::string message) {
    error_ = LexError{code, offset, std::move(message)};
    return false;
}

bool LineLexer::at_digit(std::size_t offset) const {
    return offset < line_.size() && is_digit(line_[offset]);
}

bool LineLexer::next(Token& token) {
    // Reset in place: the token is reused for every token of a file. The
    // fields of String tokens are set by read_string alone.
    token.kind = TokenKind::End;
    token.text = {};
    token.offset = skip_blanks();
    if (pos_ == line_.size()) {
        token.kind = TokenKind::End;
        return true;
    }
    const char c = line_[pos_];
    if (const auto kind = punctuation(c)) {
        token.kind = *kind;
        token.text = line_.substr(pos_++, 1);
        return true;
    }
    if (is_name_start(c)) {
        return read_name(token);
    }
    if (is_digit(c) || c == '-') {
        return read_number(token);
    }
    if (c == '"') {
        return read_string(token);
    }
    return fail(kIllegalCharacter, pos_, "Illegal character " + describe_byte(c));
}

bool LineLexer::read_name(Token& token) {
    const std::size_t start = pos_;
    while (pos_ < line_.size() && is_name_char(line_[pos_])) {
        ++pos_;
    }
    token.kind = TokenKind::Name;
    token.text = line_.substr(start, pos_ - start);
    return true;
}

// -?digits(.digits)?([eE][+-]?digits)? ; a fraction or exponent makes it a real.
bool LineLexer::read_number(Token& token) {
    const std::size_t start = pos_;
    if (line_[pos_] == '-') {
        ++pos_;
        if (!at_digit(pos_)) {
            return fail(kIllegalCharacter, start, "Minus sign without a number");
        }
    }
    auto skip_digits = [this] {
        while (at_digit(pos_)) {
            ++pos_;
        }
    };
    skip_digits();
    token.kind = TokenKind::Integer;
    if (pos_ < line_.size() && line_[pos_] == '.' && at_digit(pos_ + 1)) {
        ++pos_;
        skip_digits();
        token.kind = TokenKind::Real;
    }
    if (pos_ < line_.size() && (line_[pos_] == 'e' || line_[pos_] == 'E')) {
        std::size_t digits = pos_ + 1;
        if (digits < line_.size() && (line_[digits] == '+' || line_[digits] == '-')) {
            ++digits;
        }
        if (at_digit(digits)) {
            pos_ = digits;
            skip_digits();
            token.kind = TokenKind::Real;
        }
    }
    token.text = line_.substr(start, pos_ - start);
    return true;
}

// A string ends on its own line. A NUL byte is refused even inside a string: it
// marks a binary or UTF-16 file rather than text.
bool LineLexer::read_string(Token& token) {
    const std::size_t start = pos_++;
    std::string& value = token.value;
    value.clear();
    token.control_offset.reset();
    token.control = 0;
    while (pos_ < line_.size()) {
        // Copy the run of plain bytes up to the next special byte in one step,
        // noting its first control byte on the way.
        std::size_t stop = pos_;
        while (stop < line_.size() && !is_string_stop(line_[stop])) {
            if (!token.control_offset && is_control_byte(line_[stop])) {
                token.control_offset = stop;
                token.control = line_[stop];
            }
            ++stop;
        }
        value.append(line_.substr(pos_, stop - pos_));
        pos_ = stop;
        if (pos_ == line_.size() || (pos_ + 1 == line_.size() && line_[pos_] == '\\')) {
            break;
        }
        const std::size_t next = line_[pos_] == '\\' ? pos_ + 1 : pos_;
        if (line_[next] == '\0') {
            return fail(kIllegalCharacter, next, "Illegal character " + describe_byte('\0'));
        }
        if (line_[pos_] == '"') {
            ++pos_;
            token.kind = TokenKind::String;
            token.text = line_.substr(start, pos_ - start);
            return true;
        }
        value.push_back(unescape(line_[next]));
        note_control(token, std::string_view(&value.back(), 1), pos_);
        pos_ = next + 1;
    }
    return fail(kUnclosedString, start, "String not closed");
}

bool is_control_byte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

std::optional<int> integer_value(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> real_value(std::string_view text) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range && leading_exponent(text) < 0) {
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string describe_byte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7f) {
        return std::string{'\'', c, '\''};
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "(byte 0x%02X)", static_cast<unsigned>(byte));
    return hex;
}

} // namespace orve
