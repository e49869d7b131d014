#include "kb/clause_writer.hpp"

#include <charconv>
#include <type_traits>

namespace orve {

namespace {

void append_int(std::string& out, int value) {
    out += std::to_string(value);
}

// The shortest form that reads back to the same double.
void append_real(std::string& out, double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

template <typename Item, typename Append>
void append_list(std::string& out, const std::vector<Item>& items, Append append) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        append(out, items[i]);
    }
    out += ']';
}

void append_string(std::string& out, const std::string& text) {
    out += quote_string(text);
}

void append_value(std::string& out, const Value& value) {
    std::visit(
        [&out](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, int>) {
                append_int(out, v);
            } else if constexpr (std::is_same_v<T, double>) {
                append_real(out, v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                append_string(out, v);
            } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
                append_list(out, v, append_string);
            } else {
                append_list(out, v, append_int);
            }
        },
        value);
}

} // namespace

std::string quote_string(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string write_clause(const Clause& clause) {
    std::string out = clause.functor;
    out += '(';
    for (std::size_t i = 0; i < clause.args.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        append_value(out, clause.args[i]);
    }
    out += ')';
    return out;
}

} // namespace orve
