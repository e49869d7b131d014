// Splits one line of a clause file into tokens: names, integers, reals, strings
// and the punctuation ( ) [ ] ,. Used only by the clause reader.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orve {

enum class TokenKind { End, Name, Integer, Real, String, Open, Close, ListOpen, ListClose, Comma };

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t offset = 0; // 0-based byte offset of the token's first byte
    std::string_view text;  // the token as written
    std::string value;      // the decoded text of a String token
    // The first control character of a String token's value (raw or escaped)
    // and the offset of the byte or escape that gave it. These three fields
    // are set by String tokens only; other tokens leave them as they were.
    std::optional<std::size_t> control_offset;
    char control = 0;
};

// True for the bytes 0x00 to 0x1F and 0x7F.
bool is_control_byte(char c);

// A lexical error: an error code of the reader and its 0-based offset.
struct LexError {
    int code = 0;
    std::size_t offset = 0;
    std::string message;
};

class LineLexer {
  public:
    explicit LineLexer(std::string_view line) : line_(line) {}

    // Reads the next token after blanks; End at the end of the line. False on a
    // lexical error, described by error().
    bool next(Token& token);
    const LexError& error() const { return error_; }

    // Offset of the first non-blank byte from the current position; the line's
    // length when only blanks remain.
    std::size_t skip_blanks();

  private:
    bool fail(int code, std::size_t offset, std::string message);
    bool read_name(Token& token);
    bool read_number(Token& token);
    bool read_string(Token& token);
    bool at_digit(std::size_t offset) const;

    std::string_view line_;
    std::size_t pos_ = 0;
    LexError error_;
};

// The value of an Integer token; nothing when it does not fit 32 bits.
std::optional<int> integer_value(std::string_view text);

// The value of an Integer or Real token; nothing when it is too large for a
// double. Values too small to represent become zero.
std::optional<double> real_value(std::string_view text);

// A short description of a byte that cannot start a token, for error messages.
std::string describe_byte(char c);

} // namespace orve
