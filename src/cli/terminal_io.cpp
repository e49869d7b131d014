#include "terminal_io.hpp"

#include "report/dialogs.hpp"
#include "text_encoding.hpp"

namespace orve::cli {

void TerminalIo::write(std::string_view text) {
    if (text.empty()) {
        return;
    }
    out_ << text;
    at_line_start_ = text.back() == '\n';
}

void TerminalIo::write_display(std::string_view bytes) {
    write(to_display(bytes));
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

std::string TerminalIo::read_line(std::string_view prompt) {
    begin_line();
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
