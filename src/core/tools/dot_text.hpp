// Building Graphviz DOT text: quoted identifiers and labels, nodes numbered by
// name in order of first appearance.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace orve {

// A DOT double-quoted string: quotes and backslashes escaped, control
// characters (which names should not hold) shown as blanks.
std::string dot_quoted(const std::string& text);

// Gives each name one node identifier ("n0", "n1", ...) and writes the node
// line the first time the name is met.
class DotNames {
  public:
    // The identifier of the name; new names get their node line in `out`
    // with the given attributes (beside the label).
    const std::string& node(const std::string& name, std::string& out,
                            const std::string& attributes = "");
    // As above with a label other than the name.
    const std::string& node(const std::string& name, const std::string& label, std::string& out,
                            const std::string& attributes);

  private:
    std::unordered_map<std::string, std::string> ids_;
};

// One edge line; `attributes` without brackets, may be empty.
std::string dot_edge(const std::string& from, const std::string& to,
                     const std::string& attributes = "");

} // namespace orve
