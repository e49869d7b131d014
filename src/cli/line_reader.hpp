// Where the lines typed at a terminal come from when they can be edited.
#pragma once

#include "completion.hpp"

#include <optional>
#include <string>

namespace orve::cli {

// A source of typed lines with line editing, history and completion.
class LineReader {
  public:
    virtual ~LineReader() = default;
    // Shows `prompt` and reads one line without its line end, completing with
    // the candidates of `mode`; nothing at the end of the input.
    virtual std::optional<std::string> read(const std::string& prompt, Completion mode) = 0;
};

} // namespace orve::cli
