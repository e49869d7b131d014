#include "ui/record_browsers.hpp"

namespace orve {

namespace {

BrowserField single(const std::string& label, const std::string& value) {
    return {label, {value}, false};
}

BrowserField single(const std::string& label, int value) {
    return single(label, std::to_string(value));
}

BrowserField list(const std::string& label, const Names& values) {
    return {label, values, true};
}

BrowserField list(const std::string& label, const Numbers& values) {
    BrowserField field{label, {}, true};
    for (const int value : values) {
        field.values.push_back(std::to_string(value));
    }
    return field;
}

// Fills the number list and the records from clauses of one kind, in table order.
template <typename Clause, typename Fields>
void add_clauses(RecordBrowser& browser, const std::vector<Clause>& clauses, Fields fields) {
    for (const Clause& clause : clauses) {
        browser.numbers.push_back(clause.number);
        browser.records.push_back(fields(clause));
    }
}

// The model browsers share their number caption and the four counts.
RecordBrowser model_browser(const ModelBase& base, std::string title, std::string heading,
                            std::string formula) {
    RecordBrowser browser;
    browser.title = std::move(title);
    browser.heading = std::move(heading);
    browser.formula = std::move(formula);
    browser.number_label = "Model number";
    browser.counts = {{"Number of basic models", base.basic.size()},
                      {"Number of extended models", base.extended.size()},
                      {"Number of linear models", base.linear.size()},
                      {"Number of polynomial models", base.polynomial.size()}};
    return browser;
}

} // namespace

RecordBrowser rule_browser(const RuleBase& base) {
    RecordBrowser browser;
    browser.title = "Inspection of rules";
    browser.number_label = "Rule number";
    browser.counts = {{"Overall number of rules", base.rules.size()}};
    add_clauses(browser, base.rules, [](const Rule& rule) {
        return BrowserRecord{single("Rule conclusion", rule.conclusion),
                             list(" List of conditions ", rule.conditions)};
    });
    return browser;
}

RecordBrowser basic_model_browser(const ModelBase& base) {
    RecordBrowser browser = model_browser(base, "Inspection of basic models", "BASIC MODELS", "");
    add_clauses(browser, base.basic, [](const ModelB& model) {
        return BrowserRecord{single("Go-ahead condition", model.go_ahead),
                             single("Result/Conclusion", model.result),
                             single("Argument 1", model.argument1),
                             single("Operation/Relation", model.operation),
                             single("Argument 2", model.argument2),
                             single("Display semaphor", model.semaphor)};
    });
    return browser;
}

RecordBrowser extended_model_browser(const ModelBase& base) {
    RecordBrowser browser =
        model_browser(base, "Inspection of extended models", "EXTENDED MODEL", "");
    add_clauses(browser, base.extended, [](const ModelE& model) {
        return BrowserRecord{single("Go-ahead condition", model.go_ahead),
                             single("Result/Conclusion", model.result),
                             single("Operation/Relation", model.operation),
                             single("Display semaphor", model.semaphor),
                             list(" List of arguments ", model.arguments)};
    });
    return browser;
}

RecordBrowser linear_model_browser(const ModelBase& base) {
    RecordBrowser browser = model_browser(base, "Inspection of linear models", "LINEAR MODEL",
                                          "y=a1*x1+a2*x2+...+an*xn");
    add_clauses(browser, base.linear, [](const ModelLin& model) {
        return BrowserRecord{single("Go-ahead condition", model.go_ahead),
                             single("Value of :inear form", model.result),
                             single("Display semaphor", model.semaphor),
                             list(" List of coefficients ", model.coefficients),
                             list(" List of variables ", model.variables)};
    });
    return browser;
}

RecordBrowser polynomial_model_browser(const ModelBase& base) {
    RecordBrowser browser = model_browser(base, "Inspection of polynomial models",
                                          "POLYNOMIAL MODEL", "y=a0+a1*x+a2*x^2+...+an*x^n");
    add_clauses(browser, base.polynomial, [](const ModelPoly& model) {
        return BrowserRecord{single("Go-ahead condition", model.go_ahead),
                             single("Polynomial value", model.result),
                             single("Value of variable", model.variable),
                             single("Display semaphor", model.semaphor),
                             list(" List of coefficients ", model.coefficients),
                             list(" List of powers ", model.powers)};
    });
    return browser;
}

RecordBrowser constraint_browser(const ConstraintBase& base) {
    RecordBrowser browser;
    browser.title = "Inspection of constraints";
    browser.number_label = "Constraint number";
    browser.counts = {{"Number of constraints", base.constraints.size()}};
    add_clauses(browser, base.constraints, [](const Constraint& constraint) {
        return BrowserRecord{list(" Mutually exclusive conditions ", constraint.conditions)};
    });
    return browser;
}

} // namespace orve
