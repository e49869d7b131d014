#include "chaining/summary_text.hpp"

#include "report/number_format.hpp"
#include "state/condition_names.hpp"

#include <charconv>

namespace orve {

namespace {

// True when the name is the text of a number equal to the value, as for the
// literal 2.5 recorded with the value 2.5 when a model used it.
bool is_own_value(const std::string& name, double value) {
    double number = 0.0;
    const char* end = name.data() + name.size();
    const auto [rest, error] = std::from_chars(name.data(), end, number);
    return error == std::errc() && rest == end && number == value;
}

} // namespace

std::string summary_file_text(const WorkingMemory& memory) {
    std::string text = "Labels of summary: \n";
    for (const auto& label : memory.etykieta) {
        text += "    " + label + "\n";
    }
    text += "Chaining summary: facts\n";
    for (const auto& condition : memory.prawda.items()) {
        if (condition != no_condition_name) {
            text += "    " + condition + "\n";
        }
    }
    text += "Chaining summary: argument values\n";
    for (const auto& [name, value] : memory.zmienna_ustalona.items()) {
        if (!is_own_value(name, value)) {
            text += "    " + name + " = " + format_real(value) + "\n";
        }
    }
    return text;
}

} // namespace orve
