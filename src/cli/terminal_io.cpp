#include "terminal_io.hpp"

#include "report/dialogs.hpp"
#include "text_encoding.hpp"

#include <cstdint>
#include <cstring>
#include <cxxabi.h>

namespace orve::cli {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHigh = 0x8080808080808080;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

// The high bit of every byte of `w` that is zero.
constexpr std::uint64_t zero_bytes(std::uint64_t w) {
    return ~(((w & kLow7) + kLow7) | w) & kHigh;
}

// The high bit of every byte of `w` below 0x20. The low seven bits plus 0x60
// never carry into the next byte.
constexpr std::uint64_t control_bytes(std::uint64_t w) {
    return ~(((w & kLow7) + kOnes * 0x60) | w) & kHigh;
}

// The high bit of every byte of `w` from 0x7F up: DEL and every byte beyond ASCII.
constexpr std::uint64_t delete_or_high_bytes(std::uint64_t w) {
    return (((w & kLow7) + kOnes) | w) & kHigh;
}

// The high bit of every byte of `w` that is not printable ASCII, a line feed or
// a tab. Line feeds are the only controls most texts hold, tabs come next: each
// is looked for only while controls are left.
constexpr std::uint64_t unplain_bytes(std::uint64_t w) {
    std::uint64_t control = control_bytes(w);
    if (control != 0) {
        control &= ~zero_bytes(w ^ (kOnes * '\n'));
        if (control != 0) {
            control &= ~zero_bytes(w ^ (kOnes * '\t'));
        }
    }
    return control | delete_or_high_bytes(w);
}

std::uint64_t load_word(const char* bytes) {
    std::uint64_t w = 0;
    std::memcpy(&w, bytes, 8);
    return w;
}

// The bytes of a text shorter than eight in one word: some may come twice, the
// bytes left over are spaces.
std::uint64_t short_word(std::string_view bytes) {
    const std::size_t size = bytes.size();
    if (size >= 4) {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::memcpy(&first, bytes.data(), 4);
        std::memcpy(&last, bytes.data() + size - 4, 4);
        return first | (std::uint64_t{last} << 32U);
    }
    std::uint64_t w = kOnes * ' ';
    if (size != 0) {
        const auto byte = [&](std::size_t i) {
            return std::uint64_t{static_cast<unsigned char>(bytes[i])};
        };
        w = (w & ~std::uint64_t{0xFFFFFF}) | byte(0) | (byte(size / 2) << 8U) |
            (byte(size - 1) << 16U);
    }
    return w;
}

// Sixteen bytes at a time (SSE2 on x86-64, NEON on ARM).
using Bytes16 = signed char __attribute__((vector_size(16)));
using Words16 = std::uint64_t __attribute__((vector_size(16)));

// Nonzero in every byte of the sixteen at `bytes` that is not printable ASCII,
// a line feed or a tab. Bytes from 0x80 up are negative, so below ' ' too.
Bytes16 unplain_bytes16(const char* bytes) {
    Bytes16 b;
    std::memcpy(&b, bytes, 16);
    const Bytes16 allowed = (b == '\n') | (b == '\t');
    return ((b < ' ') | (b == 0x7F)) & ~allowed;
}

// True when the text needs no conversion: printable ASCII, line feeds and tabs.
// Texts are nearly always plain, so it looks at sixteen bytes at a time, and
// at one or two words for short texts; the last block overlaps the one before
// rather than going byte by byte.
inline bool plain_ascii(std::string_view bytes) {
    const std::size_t size = bytes.size();
    if (size < 8) {
        return unplain_bytes(short_word(bytes)) == 0;
    }
    if (size <= 16) {
        return (unplain_bytes(load_word(bytes.data())) |
                unplain_bytes(load_word(bytes.data() + size - 8))) == 0;
    }
    Bytes16 unplain = unplain_bytes16(bytes.data() + size - 16);
    for (std::size_t i = 0; i + 16 < size; i += 16) {
        unplain |= unplain_bytes16(bytes.data() + i);
    }
    Words16 words;
    std::memcpy(&words, &unplain, 16);
    return (words[0] | words[1]) == 0;
}

} // namespace

void TerminalIo::write(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (held_carriage_return_) {
        write_held_carriage_return(text.front());
    }
    at_line_start_ = text.back() == '\n';
    if (text.size() >= kLargeText) {
        // A long text goes to the stream as it is rather than through a copy.
        pass_on();
        hand_to_stream(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    pending_.append(text);
    pass_on_if_large();
}

TerminalIo::~TerminalIo() {
    try {
        pass_on();
    } catch (...) {
        // The stream refused the text; nothing is left to tell it to.
    }
}

void TerminalIo::write_held_carriage_return(char next) {
    // Harmless only as part of a line break; otherwise it could overwrite the line.
    pending_.append(next == '\n' ? "\r" : "\\x0d");
    held_carriage_return_ = false;
}

void TerminalIo::pass_on() {
    if (pending_.empty()) {
        return;
    }
    // Forgotten even when the stream throws: text it took in part never comes twice.
    struct Forget {
        OutputBuffer& text;
        ~Forget() { text.clear(); }
    } forget{pending_};
    hand_to_stream(pending_.data(), static_cast<std::streamsize>(pending_.size()));
}

void TerminalIo::pass_on_if_large() {
    if (pending_.size() >= kLargeText) {
        pass_on();
    }
}

void TerminalIo::hand_to_stream(const char* text, std::streamsize size) {
    // Every text reaches the stream here: a progress line drawn on the
    // terminal goes first.
    if (progress_ != nullptr) {
        progress_->hide();
    }
    // What the stream's own write does for a stream in good order, tied to no
    // other and not flushed after each insertion, without its guard object:
    // that costs as much again as the copy for the short texts of a dialogue.
    std::streambuf* buffer = out_.rdbuf();
    const bool plain_stream = out_.good() && buffer != nullptr && out_.tie() == nullptr &&
                              (out_.flags() & std::ios::unitbuf) == 0 &&
                              out_.exceptions() == std::ios::goodbit;
    if (!plain_stream) {
        out_.write(text, size);
        return;
    }
    try {
        if (buffer->sputn(text, size) != size) {
            out_.setstate(std::ios::badbit);
        }
    } catch (const abi::__forced_unwind&) {
        throw;
    } catch (...) {
        out_.setstate(std::ios::badbit); // as the stream's write does with exceptions off
    }
}

void TerminalIo::write_display(std::string_view bytes) {
    // Texts arrive in pieces: a line break "\r\n" may be split between two.
    const bool ends_in_carriage_return = !bytes.empty() && bytes.back() == '\r';
    if (ends_in_carriage_return) {
        bytes.remove_suffix(1);
    }
    // Most texts are plain: they skip building a converted copy.
    if (plain_ascii(bytes)) {
        write(bytes);
    } else {
        write(to_display(bytes));
    }
    held_carriage_return_ = held_carriage_return_ || ends_in_carriage_return;
}

void TerminalIo::write_line(std::string_view text) {
    write(text);
    write("\n");
}

void TerminalIo::begin_line() {
    if (!at_line_start_) {
        write("\n");
    }
}

void TerminalIo::begin_block(std::string_view kind, std::string_view title) {
    begin_line();
    if (title.empty()) {
        write_fixed_line("=== ", kind, " ===\n");
        return;
    }
    write("=== ");
    write(kind);
    write(": ");
    write_display(title);
    write(" ===\n");
}

void TerminalIo::end_block(std::string_view kind) {
    begin_line();
    write_fixed_line("=== end of ", kind, " ===\n");
}

void TerminalIo::write_fixed_line(std::string_view before, std::string_view middle,
                                  std::string_view line_end) {
    if (held_carriage_return_) {
        write_held_carriage_return(before.front());
    }
    pending_.append(before);
    pending_.append(middle);
    pending_.append(line_end);
    at_line_start_ = true;
}

void TerminalIo::write_text(std::string_view text) {
    write_text({}, text);
}

void TerminalIo::write_text(std::string_view indent, std::string_view text) {
    if (!append_plain_line(indent, text)) {
        write(indent);
        write_display(text);
        begin_line();
        return;
    }
    pass_on_if_large();
}

void TerminalIo::write_lines(std::string_view indent, const std::vector<std::string>& lines) {
    std::size_t next = 0;
    while (next < lines.size()) {
        const std::size_t end = append_plain_lines(indent, lines, next);
        if (end == next) {
            break; // a line needs converting: they go one by one
        }
        next = end;
        pass_on_if_large();
    }
    for (; next < lines.size(); ++next) {
        write_text(indent, lines[next]);
    }
}

std::size_t TerminalIo::append_plain_lines(std::string_view indent,
                                           const std::vector<std::string>& lines,
                                           std::size_t from) {
    if (held_carriage_return_) {
        return from;
    }
    // The lines from `from` on, up to a piece's size, are copied in one
    // extension of the buffer and then checked together: cheaper than a check
    // of each short line. Indent and line breaks are plain themselves.
    std::size_t end = from;
    std::size_t room = 0;
    while (end < lines.size() && room < kLargeText) {
        room += indent.size() + lines[end].size() + 1;
        ++end;
    }
    char* const start = pending_.extend(room);
    char* to = start;
    bool at_start = at_line_start_;
    for (std::size_t i = from; i < end; ++i) {
        to = place_line(to, indent, lines[i], at_start);
    }
    const auto filled = static_cast<std::size_t>(to - start);
    if (!plain_ascii(std::string_view(start, filled))) {
        pending_.drop_last(room);
        return from;
    }
    pending_.drop_last(room - filled);
    at_line_start_ = at_start;
    return end;
}

bool TerminalIo::append_plain_line(std::string_view indent, std::string_view text) {
    if (held_carriage_return_ || !plain_ascii(text)) {
        return false;
    }
    // The usual case: nothing to convert, so the line goes in with one copy.
    const std::size_t room = indent.size() + text.size() + 1;
    char* const start = pending_.extend(room);
    const char* end = place_line(start, indent, text, at_line_start_);
    pending_.drop_last(room - static_cast<std::size_t>(end - start));
    return true;
}

char* TerminalIo::place_line(char* to, std::string_view indent, std::string_view text,
                             bool& at_line_start) {
    const std::size_t size = indent.size() + text.size();
    const char last = !text.empty() ? text.back() : !indent.empty() ? indent.back() : '\0';
    const bool line_break = size == 0 ? !at_line_start : last != '\n';
    if (size == 0 && !line_break) {
        return to;
    }
    OutputBuffer::copy_bytes(to, indent.data(), indent.size());
    OutputBuffer::copy_bytes(to + indent.size(), text.data(), text.size());
    to += size;
    if (line_break) {
        *to++ = '\n';
    }
    at_line_start = true;
    return to;
}

std::string TerminalIo::read_line(std::string_view prompt, Completion mode) {
    begin_line();
    if (reader_ != nullptr) {
        flush();
        const auto line = reader_->read(std::string(prompt), mode);
        if (!line) {
            write("\n");
            flush();
            throw ProgramClosed{};
        }
        return *line; // the terminal showed the typed line and its end
    }
    write(prompt);
    flush();
    std::string line;
    if (!std::getline(in_, line)) {
        write("\n");
        flush();
        throw ProgramClosed{};
    }
    if (!line.empty() && line.back() == '\r') { // a line end written on Windows
        line.pop_back();
    }
    if (!interactive_) {
        write_display(line);
    }
    // The terminal shows the typed line end; the transcript gets one here.
    at_line_start_ = interactive_;
    begin_line();
    return line;
}

} // namespace orve::cli
