// The progress of a long test as one line on standard error, redrawn in place
// and cleared at the end. Shown only when standard error is a terminal, so
// transcripts and pipes never see it.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace orve::cli {

class ProgressLine {
  public:
    // `out`: the program's output, flushed before the line is drawn so the two
    // streams meet in order; `err`: where the line goes, or nullptr for none.
    ProgressLine(std::ostream& out, std::ostream* err) : out_(out), err_(err) {}

    // A test titled `title` starts; nothing is drawn before its first step.
    void begin(const std::string& title);
    // "<title>: N of M" ("<title>: N" when `total` is 0), redrawn only when
    // it moves by a tenth of a percent at least.
    void step(long long done, long long total);
    // Clears the line; the test has ended.
    void end();
    // Clears the line before other output; the next step draws it again.
    void hide();
    // Whether the line is drawn at all.
    bool enabled() const { return err_ != nullptr; }

  private:
    std::string text(long long done, long long total) const;

    std::ostream& out_;
    std::ostream* err_;
    std::string title_;
    bool running_ = false;
    std::size_t shown_width_ = 0; // characters of the line on screen, 0: none
    long long shown_permille_ = -1;
};

} // namespace orve::cli
