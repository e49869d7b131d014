#include "terminal_io.hpp"

#include "report/dialogs.hpp"
#include "text_encoding.hpp"

#include <array>
#include <cstdint>
#include <cstring>

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
// a tab. Line feeds are the only controls most texts hold: the check for the
// allowed ones is made only for words holding a control byte.
constexpr std::uint64_t unplain_bytes(std::uint64_t w) {
    std::uint64_t control = control_bytes(w);
    if (control != 0) {
        control &= ~(zero_bytes(w ^ (kOnes * '\n')) | zero_bytes(w ^ (kOnes * '\t')));
    }
    return control | delete_or_high_bytes(w);
}

// Per byte: 0x80 when it is not printable ASCII, a line feed or a tab.
constexpr std::array<std::uint8_t, 256> unplain_table() {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c) {
        table[c] = static_cast<std::uint8_t>(unplain_bytes(c) & 0x80);
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kUnplain = unplain_table();

std::uint64_t load_word(const char* bytes) {
    std::uint64_t w = 0;
    std::memcpy(&w, bytes, 8);
    return w;
}

// True when the text needs no conversion: printable ASCII, line feeds and tabs.
// Texts are nearly always plain, so it looks at eight bytes at a time; the
// last word overlaps the one before rather than going byte by byte.
bool plain_ascii(std::string_view bytes) {
    const std::size_t size = bytes.size();
    if (size < 8) {
        std::uint8_t unplain = 0;
        for (const char c : bytes) {
            unplain |= kUnplain[static_cast<unsigned char>(c)];
        }
        return unplain == 0;
    }
    std::uint64_t unplain = unplain_bytes(load_word(bytes.data() + size - 8));
    for (std::size_t i = 0; i + 8 < size; i += 8) {
        unplain |= unplain_bytes(load_word(bytes.data() + i));
    }
    return unplain == 0;
}

} // namespace

void TerminalIo::write(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (held_carriage_return_) {
        write_held_carriage_return(text.front());
    }
    pending_.append(text);
    at_line_start_ = text.back() == '\n';
    if (batch_depth_ == 0) {
        pass_on();
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
    if (progress_ != nullptr) {
        progress_->hide();
    }
    out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
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
    const Batch batch(*this);
    write(text);
    write("\n");
}

void TerminalIo::begin_line() {
    if (!at_line_start_) {
        write("\n");
    }
}

void TerminalIo::begin_block(std::string_view kind, std::string_view title) {
    const Batch batch(*this);
    begin_line();
    write("=== ");
    write(kind);
    if (!title.empty()) {
        write(": ");
        write_display(title);
    }
    write(" ===\n");
}

void TerminalIo::end_block(std::string_view kind) {
    const Batch batch(*this);
    begin_line();
    write("=== end of ");
    write(kind);
    write(" ===\n");
}

void TerminalIo::write_text(std::string_view text) {
    write_text({}, text);
}

void TerminalIo::write_text(std::string_view indent, std::string_view text) {
    if (held_carriage_return_ || !plain_ascii(text)) {
        const Batch batch(*this);
        write(indent);
        write_display(text);
        begin_line();
        return;
    }
    // The usual case: nothing to convert, so the line goes in with one copy.
    const std::size_t size = indent.size() + text.size();
    const char last = !text.empty() ? text.back() : !indent.empty() ? indent.back() : '\0';
    const bool line_break = size == 0 ? !at_line_start_ : last != '\n';
    if (size != 0 || line_break) {
        char* to = pending_.extend(size + (line_break ? 1 : 0));
        if (!indent.empty()) {
            std::memcpy(to, indent.data(), indent.size());
        }
        if (!text.empty()) {
            std::memcpy(to + indent.size(), text.data(), text.size());
        }
        if (line_break) {
            to[size] = '\n';
        }
        at_line_start_ = true;
        if (batch_depth_ == 0) {
            pass_on();
        }
    }
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
