#include "terminal_io.hpp"

#include "report/dialogs.hpp"
#include "text_encoding.hpp"

namespace orve::cli {

namespace {

// Printable ASCII, line feeds and tabs: shown as they are, with no conversion.
bool plain_ascii(std::string_view bytes) {
    for (const char c : bytes) {
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || (c & 0x80) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

void TerminalIo::write(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (progress_ != nullptr) {
        progress_->hide();
    }
    if (held_carriage_return_) {
        // Harmless only as part of a line break; otherwise it could overwrite the line.
        out_ << (text.front() == '\n' ? "\r" : "\\x0d");
        held_carriage_return_ = false;
    }
    out_ << text;
    at_line_start_ = text.back() == '\n';
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

void TerminalIo::begin_block(const std::string& kind, const std::string& title) {
    begin_line();
    write("=== " + kind);
    if (!title.empty()) {
        write(": ");
        write_display(title);
    }
    write_line(" ===");
}

void TerminalIo::end_block(const std::string& kind) {
    begin_line();
    write_line("=== end of " + kind + " ===");
}

void TerminalIo::write_text(const std::string& text) {
    write_display(text);
    begin_line();
}

std::string TerminalIo::read_line(std::string_view prompt, Completion mode) {
    begin_line();
    if (reader_ != nullptr) {
        out_.flush();
        const auto line = reader_->read(std::string(prompt), mode);
        if (!line) {
            write("\n");
            out_.flush();
            throw ProgramClosed{};
        }
        return *line; // the terminal showed the typed line and its end
    }
    write(prompt);
    out_.flush();
    std::string line;
    if (!std::getline(in_, line)) {
        write("\n");
        out_.flush();
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
