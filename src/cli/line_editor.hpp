// Line editing, history and completion at a terminal, by libedit. Only for
// input from a terminal: piped input is read as it is.
#pragma once

#include "line_reader.hpp"

namespace orve::cli {

// The one editor of the process (libedit keeps its state in globals).
class LineEditor : public LineReader {
  public:
    LineEditor();
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    // Non-empty lines are added to the history; only the typed answers of
    // this run are kept.
    std::optional<std::string> read(const std::string& prompt, Completion mode) override;
};

} // namespace orve::cli
