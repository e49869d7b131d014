// Explanations of the arithmetical models.
#include "chaining/model_explanation.hpp"

#include "askables/list_helpers.hpp"
#include "chaining/explanation_lines.hpp"
#include "models/model_operations.hpp"
#include "report/number_format.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace orve {

namespace {

// What differs between the explanations of the four kinds.
struct Arithmetic {
    std::string kind_words;
    std::string title;
    int number = 0;
    std::string go_ahead;
    std::string result;
    Names statement;
};

void write(AppState& state, Dialogs& ui, const Arithmetic& model, double value) {
    ExplanationLines lines(state, ui, model.title);
    const std::string resolved = model.kind_words + format_int(model.number) + " is resolved.";
    lines.line_break();
    lines.line(resolved);
    lines.line("The model states: if the go_ahead condition",
               "The model states: if the go_ahead condition ");
    lines.line("    " + model.go_ahead);
    lines.line("is true, then", "is true, then ");
    for (const auto& statement : model.statement) {
        lines.line(statement);
    }
    lines.line("It follows: ");
    lines.line("    " + model.result + " = " + format_real(value));
    lines.line_break();
    lines.show();
}

// Explains a model found by number and result as its semaphor says; a model
// that is not found has nothing to explain.
template <typename Model, typename Describe>
bool explain(AppState& state, Dialogs& ui, const std::vector<Model>& models, int number,
             const std::string& result, double value, Describe describe) {
    const Model* model = find_model(models, number, result);
    if (model == nullptr) {
        return true;
    }
    const Display display = display_of(model->semaphor);
    if (display == Display::Explain) {
        write(state, ui, describe(*model), value);
    }
    return display != Display::Refuse;
}

bool converts_to_zero(const std::string& text) {
    const auto value = text_to_real(text);
    return value && !(*value < 0.0 || *value > 0.0);
}

Arithmetic describe_basic(const ModelB& m) {
    // A second argument of 0 marks a one-argument form, "-" and "+" included.
    std::string statement = "    " + m.result + " = " + m.argument1;
    if (m.operation == "round_to_N") {
        statement += " round_to_N " + m.argument2;
    } else if (!converts_to_zero(m.argument2)) {
        statement += " " + m.operation + " " + m.argument2;
    }
    return {"The basic arithmetical model ",
            "Basic arithmetical model explanation",
            m.number,
            m.go_ahead,
            m.result,
            {statement}};
}

Arithmetic describe_extended(const ModelE& m) {
    Names statement{"    " + m.result + " = "};
    if (m.operation == "min_list" || m.operation == "max_list") {
        statement.push_back("      " + m.operation + "  " + bracket_list(m.arguments));
    } else {
        for (std::size_t i = 0; i < m.arguments.size(); ++i) {
            const bool more = i + 1 < m.arguments.size();
            statement.push_back("      " + m.arguments[i] + (more ? "  " + m.operation : ""));
        }
    }
    return {"The extended arithmetical model ",
            "Extended arithmetical model explanation",
            m.number,
            m.go_ahead,
            m.result,
            statement};
}

// One line per term, each but the last followed by " + ".
Names terms(const std::string& result, const std::vector<std::string>& products) {
    Names statement{"    " + result + " = "};
    for (std::size_t i = 0; i < products.size(); ++i) {
        statement.push_back("      " + products[i] + (i + 1 < products.size() ? " + " : ""));
    }
    return statement;
}

Arithmetic describe_linear(const ModelLin& m) {
    std::vector<std::string> products;
    const std::size_t count = std::min(m.coefficients.size(), m.variables.size());
    for (std::size_t i = 0; i < count; ++i) {
        products.push_back(m.coefficients[i] + " * " + m.variables[i]);
    }
    return {"The linear model ",      "Linear model explanation", m.number, m.go_ahead, m.result,
            terms(m.result, products)};
}

Arithmetic describe_polynomial(const ModelPoly& m) {
    std::vector<std::string> products;
    const std::size_t count = std::min(m.coefficients.size(), m.powers.size());
    for (std::size_t i = 0; i < count; ++i) {
        products.push_back(m.coefficients[i] + " * " + m.variable + "^" + format_int(m.powers[i]));
    }
    return {
        "The polynomial model ",  "Polynomial model explanation", m.number, m.go_ahead, m.result,
        terms(m.result, products)};
}

} // namespace

bool wyjasnienie_model_matematyczny(AppState& state, Dialogs& ui, int number,
                                    const std::string& result, double value) {
    return explain(state, ui, state.kb.model.basic, number, result, value, describe_basic);
}

bool wyjasnienie_model_matematyczny_2(AppState& state, Dialogs& ui, int number,
                                      const std::string& result, double value) {
    return explain(state, ui, state.kb.model.extended, number, result, value, describe_extended);
}

bool wyjasnienie_model_matematyczny_liniowy(AppState& state, Dialogs& ui, int number,
                                            const std::string& result, double value) {
    return explain(state, ui, state.kb.model.linear, number, result, value, describe_linear);
}

bool wyjasnienie_model_matematyczny_wielomianowy(AppState& state, Dialogs& ui, int number,
                                                 const std::string& result, double value) {
    return explain(state, ui, state.kb.model.polynomial, number, result, value,
                   describe_polynomial);
}

} // namespace orve
