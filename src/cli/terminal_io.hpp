// The terminal's two streams: answer lines in, text out. Knows whether the
// output stands at the start of a line, so that dialogues can be set off from
// message-window text.
#pragma once

#include "completion.hpp"
#include "line_reader.hpp"
#include "output_buffer.hpp"
#include "progress_line.hpp"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orve::cli {

class TerminalIo {
  public:
    // `interactive`: input comes from a person at a terminal, which shows what is
    // typed; otherwise every line read is echoed after its prompt.
    TerminalIo(std::istream& in, std::ostream& out, bool interactive)
        : in_(in), out_(out), interactive_(interactive) {}
    // Hands on what is still held.
    ~TerminalIo();
    TerminalIo(const TerminalIo&) = delete;
    TerminalIo& operator=(const TerminalIo&) = delete;

    // Writes text of this program (ASCII) as it is.
    void write(std::string_view text);
    // Writes text of the core, converted for display, with its control characters
    // made visible.
    void write_display(std::string_view bytes);
    // Writes text of this program followed by a line break.
    void write_line(std::string_view text);
    // Starts a new line unless the output already stands at the start of one.
    void begin_line();
    // "=== Kind: title ===" on a line of its own; no title part when it is empty.
    void begin_block(std::string_view kind, std::string_view title);
    // "=== end of kind ===" on a line of its own.
    void end_block(std::string_view kind);
    // Text of the core with its line breaks, ending at the start of a line.
    void write_text(std::string_view text);
    // The same after `indent`, text of this program.
    void write_text(std::string_view indent, std::string_view text);
    // Every line as by write_text(indent, line), handed on in one piece.
    void write_lines(std::string_view indent, const std::vector<std::string>& lines);
    // Prints the prompt and reads one line without its line end, from the line
    // reader when there is one (completing with `mode`). The end of the input
    // ends the program: throws ProgramClosed.
    std::string read_line(std::string_view prompt, Completion mode = Completion::None);
    // Lines typed at a terminal are read through `reader` (nullptr: none).
    void set_line_reader(LineReader* reader) { reader_ = reader; }
    // Sends what has been written on, before another program writes to the terminal.
    void flush() {
        pass_on();
        out_.flush();
    }
    // Written text is held and handed to the stream in pieces of 64 KB, before
    // each read and by flush(): a long run of short texts then costs few stream
    // insertions and few system calls. This hands on what is held now, for
    // output that goes to the terminal by another way.
    void pass_on();
    // True when a person types the answers at a terminal.
    bool interactive() const { return interactive_; }
    // The progress line to clear before any output, so text never runs into it.
    void set_progress_line(ProgressLine* line) { progress_ = line; }

  private:
    // Hands on what has gathered once it is large: a long listing then goes out
    // in pieces instead of being held whole twice.
    void pass_on_if_large();
    // The size from which gathered text is handed on at once.
    static constexpr std::size_t kLargeText = std::size_t{64} << 10;
    // Appends indent, text and a line break unless the text ends one, when the
    // text needs no conversion and no carriage return is held; false otherwise,
    // having written nothing.
    bool append_plain_line(std::string_view indent, std::string_view text);
    // As append_plain_line for each line from `from` on, up to about kLargeText
    // bytes, when all of them are plain; returns the position of the first line
    // left, `from` when nothing was written.
    std::size_t append_plain_lines(std::string_view indent, const std::vector<std::string>& lines,
                                   std::size_t from);
    // Copies indent, text and a line break unless the text ends one (for an
    // empty line: unless at the start of a line already) to `to`, which has
    // room for all three, and returns the end of what it copied.
    static char* place_line(char* to, std::string_view indent, std::string_view text,
                            bool& at_line_start);
    // Writes the three parts and is then at the start of a line; `line_end` ends
    // in a line break and `before` is not empty.
    void write_fixed_line(std::string_view before, std::string_view middle,
                          std::string_view line_end);
    // Writes to the stream as its write would.
    void hand_to_stream(const char* text, std::streamsize size);
    // Writes the carriage return held back from the last text, before `next`.
    void write_held_carriage_return(char next);

    std::istream& in_;
    std::ostream& out_;
    bool interactive_;
    ProgressLine* progress_ = nullptr;
    LineReader* reader_ = nullptr;
    bool at_line_start_ = true;
    // A carriage return that ended the last text: shown as it is only when a line
    // feed follows.
    bool held_carriage_return_ = false;
    OutputBuffer pending_; // written but not yet handed to the stream
};

} // namespace orve::cli
