// The operations and relations of the models, as pure functions of values.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orve {

class Dialogs;

// Outcome of an operation: a value, or a failure. A failure with a cause is an
// orderly refusal the user is told about; one without a cause fails silently.
struct OperationOutcome {
    std::optional<double> value;
    std::string fault;

    static OperationOutcome ok(double v) { return {v, {}}; }
    static OperationOutcome silent() { return {}; }
    static OperationOutcome refused(std::string cause) { return {std::nullopt, std::move(cause)}; }
};

// A model text that converts to a finite real (a numeric literal).
std::optional<double> text_to_real(const std::string& text);
// A value the user typed: a real, blanks around it ignored; a single decimal
// comma counts as the decimal point.
std::optional<double> typed_real(const std::string& typed);
// Real-to-integer conversion: halves go away from zero; nothing outside the
// 32-bit range.
std::optional<int> real_to_integer(double value);

// The seven relations of basic models and the four interval relations.
bool is_relation(const std::string& name);
bool is_interval_relation(const std::string& name);
// The 24 operations of arithmetical basic models, and the one-argument ones.
bool is_basic_arithmetic(const std::string& name);
bool is_one_argument_function(const std::string& name);
// The 12 two-argument operations of arithmetical basic models.
bool is_two_argument_operation(const std::string& name);
// The four operations of arithmetical extended models.
bool is_extended_arithmetic(const std::string& name);

// `wykonaj_round`: A rounded to n decimal places (n >= 0).
double wykonaj_round(double a, int n);
// `wykonaj`: a basic arithmetical operation on A and B. "/" by 0 and "sqrt" of
// a negative value tell the user through `ui` and still give a value.
OperationOutcome wykonaj(const std::string& operation, double a, double b, Dialogs& ui);
// `wykonaj_r`: an extended arithmetical operation over the values.
OperationOutcome wykonaj_r(const std::string& operation, const std::vector<double>& values);
// `wykonaj_liniowy`: the sum of coefficient x variable pairs plus `accumulator`.
OperationOutcome wykonaj_liniowy(const std::vector<double>& coefficients,
                                 const std::vector<double>& variables, double accumulator);
// `wykonaj_wielomianowy`: the sum of coefficient x x^power terms plus `accumulator`.
OperationOutcome wykonaj_wielomianowy(const std::vector<int>& powers,
                                      const std::vector<double>& coefficients, double x,
                                      double accumulator);
// `relacja`: whether the relation holds between A and B.
bool relacja(const std::string& relation, double a, double b);
// `relacja_r`: whether the interval relation holds for lower, value and upper.
bool relacja_r(const std::string& relation, double lower, double x, double upper);

} // namespace orve
