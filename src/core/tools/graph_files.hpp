// Writing a DOT graph to its file, and a picture of it beside when Graphviz's
// `dot` program can be found on the PATH.
#pragma once

#include <optional>
#include <string>

namespace orve {

struct GraphWritten {
    std::optional<std::string> error;   // the DOT file could not be written
    std::optional<std::string> picture; // the PNG file written beside it
};

// Writes `dot_text` to `path` (all or nothing), then renders `path` with the
// extension .png when `dot` is found; a failed rendering leaves no picture.
GraphWritten write_graph(const std::string& path, const std::string& dot_text);

} // namespace orve
