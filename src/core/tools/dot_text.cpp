#include "tools/dot_text.hpp"

namespace orve {

std::string dot_quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            quoted += ' ';
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

const std::string& DotNames::node(const std::string& name, std::string& out,
                                  const std::string& attributes) {
    return node(name, name, out, attributes);
}

const std::string& DotNames::node(const std::string& name, const std::string& label,
                                  std::string& out, const std::string& attributes) {
    const auto [found, added] = ids_.emplace(name, "n" + std::to_string(ids_.size()));
    if (added) {
        out += "    " + found->second + " [label=" + dot_quoted(label) +
               (attributes.empty() ? "" : ", " + attributes) + "];\n";
    }
    return found->second;
}

std::string dot_edge(const std::string& from, const std::string& to,
                     const std::string& attributes) {
    return "    " + from + " -> " + to + (attributes.empty() ? "" : " [" + attributes + "]") +
           ";\n";
}

} // namespace orve
