#include "models/model_operations.hpp"

#include "kb/clause_lexer.hpp"
#include "report/dialogs.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace orve {

namespace {

constexpr std::array<std::string_view, 7> relations{">", "==", "<", ">=", "<=", "><", "<>"};
constexpr std::array<std::string_view, 4> interval_relations{"<,<", "<=,<", "<,<=", "<=,<="};
constexpr std::array<std::string_view, 12> two_argument{
    "+", "-", "*", "/", "div", "mod", "min", "max", "%", "=", "round_to_N", "A^N"};
constexpr std::array<std::string_view, 12> one_argument{
    "sqrt", "sin", "cos",   "tan",   "arctan", "log",
    "ln",   "exp", "round", "trunc", "abs",    "number_of_rule_conditions"};
constexpr std::array<std::string_view, 4> extended_arithmetic{"+", "*", "min_list", "max_list"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Beyond this many factors the repeated multiplication is replaced by std::pow,
// which agrees with it up to rounding and keeps a huge N from stalling the run.
constexpr int max_multiplications = 100000;

// x multiplied into 1.0 n times (n >= 0).
double repeated_power(double x, int n) {
    if (n > max_multiplications) {
        return std::pow(x, n);
    }
    double result = 1.0;
    for (int i = 0; i < n; ++i) {
        result *= x;
    }
    return result;
}

// The "round" function: the largest whole number not above A + 0.5.
double round_half_up(double a) {
    return std::floor(a + 0.5);
}

OperationOutcome finite(double value) {
    if (!std::isfinite(value)) {
        return OperationOutcome::refused("the result is not a finite number");
    }
    return OperationOutcome::ok(value);
}

std::string quoted(const std::string& operation) {
    return "\"" + operation + "\"";
}

// "div" and "mod" on operands converted to integers first.
OperationOutcome integer_division(const std::string& operation, double a, double b) {
    const auto x = real_to_integer(a);
    const auto y = real_to_integer(b);
    if (!x || !y) {
        return OperationOutcome::refused("an operand of " + quoted(operation) +
                                         " is outside the integer range");
    }
    if (*y == 0) {
        return OperationOutcome::refused("division by 0 in " + quoted(operation));
    }
    // 64 bits keep the quotient of the smallest integer by -1 defined.
    const auto dividend = static_cast<std::int64_t>(*x);
    const auto divisor = static_cast<std::int64_t>(*y);
    const auto value = operation == "div" ? dividend / divisor : dividend % divisor;
    return OperationOutcome::ok(static_cast<double>(value));
}

// "round_to_N" and "A^N" take N from B.
OperationOutcome with_exponent(const std::string& operation, double a, double b) {
    const auto n = real_to_integer(b);
    if (!n) {
        return OperationOutcome::refused("N of " + quoted(operation) +
                                         " is outside the integer range");
    }
    if (*n < 0) {
        return OperationOutcome::refused("a negative N in " + quoted(operation));
    }
    return finite(operation == "A^N" ? repeated_power(a, *n) : wykonaj_round(a, *n));
}

OperationOutcome divide(double a, double b, Dialogs& ui) {
    if (b != 0.0) {
        return finite(a / b);
    }
    ui.msg_append("Attempt to divide by 0!\n");
    ui.note("Attention!", "Attempt to divide by 0!!");
    return OperationOutcome::ok(1.0);
}

OperationOutcome two_argument_operation(const std::string& op, double a, double b, Dialogs& ui) {
    if (op == "+")
        return finite(a + b);
    if (op == "-")
        return finite(a - b);
    if (op == "*")
        return finite(a * b);
    if (op == "/")
        return divide(a, b, ui);
    if (op == "div" || op == "mod")
        return integer_division(op, a, b);
    if (op == "min")
        return OperationOutcome::ok(a <= b ? a : b);
    if (op == "max")
        return OperationOutcome::ok(a <= b ? b : a);
    if (op == "%") {
        if (b == 0.0) {
            return OperationOutcome::refused("division by 0 in \"%\"");
        }
        return finite(a * 100.0 / b);
    }
    if (op == "=")
        return b == 0.0 ? OperationOutcome::ok(a) : OperationOutcome::silent();
    return with_exponent(op, a, b);
}

OperationOutcome logarithm(const std::string& op, double a) {
    if (a <= 0.0) {
        return OperationOutcome::refused(quoted(op) + " of a value not above 0");
    }
    return finite(op == "ln" ? std::log(a) : std::log10(a));
}

OperationOutcome square_root(double a, Dialogs& ui) {
    if (a >= 0.0) {
        return OperationOutcome::ok(std::sqrt(a));
    }
    ui.note("Attention!", "Square root from negative real!");
    return OperationOutcome::ok(std::sqrt(-a));
}

OperationOutcome tangent(double a) {
    // No double is an exact odd multiple of pi/2; a cosine this small means
    // the argument meant one.
    if (std::fabs(std::cos(a)) < 1e-12) {
        return OperationOutcome::refused("\"tan\" at a pole");
    }
    return finite(std::tan(a));
}

OperationOutcome one_argument_operation(const std::string& op, double a, Dialogs& ui) {
    if (op == "sqrt")
        return square_root(a, ui);
    if (op == "sin")
        return finite(std::sin(a));
    if (op == "cos")
        return finite(std::cos(a));
    if (op == "tan")
        return tangent(a);
    if (op == "arctan")
        return finite(std::atan(a));
    if (op == "ln" || op == "log")
        return logarithm(op, a);
    if (op == "exp")
        return finite(std::exp(a));
    if (op == "round")
        return finite(round_half_up(a));
    if (op == "trunc")
        return finite(std::trunc(a));
    if (op == "abs")
        return finite(std::fabs(a));
    return OperationOutcome::silent(); // "number_of_rule_conditions" is evaluated elsewhere
}

} // namespace

std::optional<double> text_to_real(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto value = real_value(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> typed_real(const std::string& typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    std::string number = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    // A decimal comma, as people write numbers in many countries: "1,5" is 1.5.
    const auto comma = number.find(',');
    if (comma != std::string::npos && number.find_first_of(",.", comma + 1) == std::string::npos &&
        number.find('.') == std::string::npos) {
        number[comma] = '.';
    }
    return text_to_real(number);
}

std::optional<int> real_to_integer(double value) {
    const double shifted = value >= 0.0 ? value + 0.5 : value - 0.5;
    const double whole = std::trunc(shifted);
    if (!(whole >= static_cast<double>(std::numeric_limits<int>::min()) &&
          whole <= static_cast<double>(std::numeric_limits<int>::max()))) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

bool is_relation(const std::string& name) {
    return among(relations, name);
}

bool is_interval_relation(const std::string& name) {
    return among(interval_relations, name);
}

bool is_basic_arithmetic(const std::string& name) {
    return among(two_argument, name) || among(one_argument, name);
}

bool is_one_argument_function(const std::string& name) {
    return among(one_argument, name);
}

bool is_two_argument_operation(const std::string& name) {
    return among(two_argument, name);
}

bool is_extended_arithmetic(const std::string& name) {
    return among(extended_arithmetic, name);
}

double wykonaj_round(double a, int n) {
    const double m = repeated_power(10.0, n);
    return round_half_up(a * m) / m;
}

OperationOutcome wykonaj(const std::string& operation, double a, double b, Dialogs& ui) {
    if (among(two_argument, operation)) {
        return two_argument_operation(operation, a, b, ui);
    }
    if (among(one_argument, operation) && b == 0.0) {
        return one_argument_operation(operation, a, ui);
    }
    return OperationOutcome::silent();
}

OperationOutcome wykonaj_r(const std::string& operation, const std::vector<double>& values) {
    if (operation == "+") {
        double sum = 0.0;
        for (const double v : values)
            sum += v;
        return finite(sum);
    }
    if (operation == "*") {
        double product = 1.0;
        for (const double v : values)
            product *= v;
        return finite(product);
    }
    if ((operation != "max_list" && operation != "min_list") || values.empty()) {
        return OperationOutcome::silent();
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return OperationOutcome::ok(operation == "max_list" ? *high : *low);
}

OperationOutcome wykonaj_liniowy(const std::vector<double>& coefficients,
                                 const std::vector<double>& variables, double accumulator) {
    if (coefficients.size() != variables.size()) {
        return OperationOutcome::silent();
    }
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        accumulator += coefficients[i] * variables[i];
    }
    return finite(accumulator);
}

OperationOutcome wykonaj_wielomianowy(const std::vector<int>& powers,
                                      const std::vector<double>& coefficients, double x,
                                      double accumulator) {
    if (powers.size() != coefficients.size()) {
        return OperationOutcome::silent();
    }
    for (std::size_t i = 0; i < powers.size(); ++i) {
        const double c = coefficients[i];
        if (c == 0.0) {
            continue; // a zero term, whatever its power
        }
        if (powers[i] < 0) {
            return OperationOutcome::silent();
        }
        accumulator += powers[i] == 0 ? c : c * repeated_power(x, powers[i]);
    }
    return finite(accumulator);
}

bool relacja(const std::string& relation, double a, double b) {
    if (relation == ">")
        return a > b;
    if (relation == "<")
        return a < b;
    if (relation == ">=")
        return a >= b;
    if (relation == "<=")
        return a <= b;
    if (relation == "==")
        return a == b;
    return (relation == "><" || relation == "<>") && a != b;
}

bool relacja_r(const std::string& relation, double lower, double x, double upper) {
    if (relation == "<,<")
        return lower < x && x < upper;
    if (relation == "<=,<")
        return lower <= x && x < upper;
    if (relation == "<,<=")
        return lower < x && x <= upper;
    if (relation == "<=,<=")
        return lower <= x && x <= upper;
    return false;
}

} // namespace orve
