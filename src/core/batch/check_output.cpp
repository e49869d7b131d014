#include "batch/check_output.hpp"

#include <algorithm>
#include <cstdio>

namespace orve {

namespace {

std::string numbers_text(const Numbers& numbers, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text += (i == 0 ? "" : separator) + std::to_string(numbers[i]);
    }
    return text;
}

// A name in double quotes, with quotes, backslashes and control bytes escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::size_t blocking_count(const BaseCheck& check) {
    return static_cast<std::size_t>(
        std::count_if(check.findings.begin(), check.findings.end(),
                      [](const CheckFinding& f) { return f.blocking; }));
}

std::string json_finding(const CheckFinding& f) {
    std::string out = "{\"blocking\": " + std::string(f.blocking ? "true" : "false") +
                      ", \"kind\": " + quoted(f.kind) + ", \"base\": " + quoted(f.base) +
                      ", \"numbers\": {";
    for (std::size_t i = 0; i < f.numbers.size(); ++i) {
        out += (i == 0 ? "" : ", ") + quoted(f.numbers[i].first) + ": [" +
               numbers_text(f.numbers[i].second, ", ") + "]";
    }
    out += "}, \"names\": [";
    for (std::size_t i = 0; i < f.names.size(); ++i) {
        out += (i == 0 ? "" : ", ") + quoted(f.names[i]);
    }
    return out + "], \"text\": " + quoted(f.text) + "}";
}

std::string json_check(const BaseCheck& check) {
    std::string out = "    {\"name\": " + quoted(check.name) +
                      ", \"status\": " + std::to_string(check_status(check)) + ", \"files\": [";
    for (std::size_t i = 0; i < check.files.size(); ++i) {
        out += (i == 0 ? "" : ", ") + quoted(check.files[i]);
    }
    out += "],\n     \"findings\": [";
    for (std::size_t i = 0; i < check.findings.size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + std::string("      ") + json_finding(check.findings[i]);
    }
    return out + "]}";
}

} // namespace

std::string finding_line(const CheckFinding& f) {
    std::string line = std::string(f.blocking ? "blocking " : "warning ") + f.kind;
    if (!f.base.empty()) {
        line += " " + f.base;
    }
    for (const auto& [label, numbers] : f.numbers) {
        line += " " + label + " " + (numbers.empty() ? "-" : numbers_text(numbers, ","));
    }
    for (const auto& name : f.names) {
        line += " " + quoted(name);
    }
    if (!f.text.empty()) {
        line += " -- " + f.text;
    }
    return line;
}

std::string summary_line(const BaseCheck& check) {
    return "summary " + (check.name.empty() ? std::string("-") : check.name) + ": " +
           std::to_string(check.findings.size()) + " findings, " +
           std::to_string(blocking_count(check)) + " blocking, status " +
           std::to_string(check_status(check));
}

std::string checks_json(const std::vector<BaseCheck>& checks) {
    int status = kCheckClean;
    std::string bases;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        status = std::max(status, check_status(checks[i]));
        bases += (i == 0 ? "\n" : ",\n") + json_check(checks[i]);
    }
    return "{\"status\": " + std::to_string(status) + ",\n \"bases\": [" + bases + "]}\n";
}

} // namespace orve
