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

// The high bit of every byte of `w` that is not printable ASCII, a line feed or
// a tab.
constexpr std::uint64_t unplain_bytes(std::uint64_t w) {
    const std::uint64_t control = zero_bytes(w & (kOnes * 0x60)); // below 0x20, or 0x80-0x9F
    const std::uint64_t allowed = zero_bytes(w ^ (kOnes * '\n')) | zero_bytes(w ^ (kOnes * '\t'));
    return (w & kHigh) | (control & ~allowed) | zero_bytes(w ^ (kOnes * 0x7F));
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

// True when the text needs no conversion: printable ASCII, line feeds and tabs.
// Texts are nearly always plain, so it looks at eight bytes at a time.
bool plain_ascii(std::string_view bytes) {
    std::uint64_t unplain = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, bytes.data() + i, 8);
        unplain |= unplain_bytes(w);
    }
    for (; i < bytes.size(); ++i) {
        unplain |= kUnplain[static_cast<unsigned char>(bytes[i])];
    }
    return unplain == 0;
}

} // namespace

void TerminalIo::write(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (held_carriage_return_) {
        // Harmless only as part of a line break; otherwise it could overwrite the line.
        pending_ += text.front() == '\n' ? "\r" : "\\x0d";
        held_carriage_return_ = false;
    }
    pending_ += text;
    at_line_start_ = text.back() == '\n';
    if (batch_depth_ == 0) {
        pass_on();
    }
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

void TerminalIo::begin_block(const std::string& kind, const std::string& title) {
    const Batch batch(*this);
    begin_line();
    write("=== " + kind);
    if (!title.empty()) {
        write(": ");
        write_display(title);
    }
    write_line(" ===");
}

void TerminalIo::end_block(const std::string& kind) {
    const Batch batch(*this);
    begin_line();
    write_line("=== end of " + kind + " ===");
}

void TerminalIo::write_text(const std::string& text) {
    const Batch batch(*this);
    write_display(text);
    begin_line();
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
