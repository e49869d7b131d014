// The record browsers built from the clause tables: numbers, counts and the
// labelled fields of every clause kind.
#include "report/record_browser.hpp"
#include "ui/record_browsers.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

// One model of every kind; two basic models share a number.
ModelBase models() {
    ModelBase base;
    base.basic = {{4, "go", "difference", "flow", "-", "return", 1},
                  {2, "No condition", "half", "sum", "/", "2", 0},
                  {4, "other", "second four", "a", "+", "b", 1}};
    base.extended = {{5, "No condition", "pressure is normal", "<=,<=", {"1", "p", "2.5"}, 1}};
    base.linear = {{6, "combi", "gas use", {"24", "12"}, {"heating", "hot water"}, 1}};
    base.polynomial = {{7, "No condition", "loss", "flow", {"0.002", "0.01"}, {2, 1}, 0}};
    return base;
}

TEST(RecordBrowsers, ARepeatedNumberShowsTheFirstClause) {
    const RecordBrowser browser = basic_model_browser(models());
    EXPECT_EQ(browser.numbers, (std::vector<int>{4, 2, 4}));
    ASSERT_NE(browser.find(4), nullptr);
    EXPECT_EQ(browser.find(4)->at(1).values, (std::vector<std::string>{"difference"}));
    EXPECT_EQ(browser.find(3), nullptr);
    EXPECT_EQ(record_as_text(*browser.find(2)), "Go-ahead condition: No condition\n"
                                                "Result/Conclusion: half\n"
                                                "Argument 1: sum\n"
                                                "Operation/Relation: /\n"
                                                "Argument 2: 2\n"
                                                "Display semaphor: 0\n");
}

TEST(RecordBrowsers, EveryModelBrowserCountsAllFourKinds) {
    const ModelBase base = models();
    struct Case {
        RecordBrowser browser;
        std::string header;
    };
    const std::string counts = "Number of basic models: 3\nNumber of extended models: 1\n"
                               "Number of linear models: 1\nNumber of polynomial models: 1\n";
    const Case cases[] = {
        {basic_model_browser(base), "BASIC MODELS\nModel number: 4 2 4\n"},
        {extended_model_browser(base), "EXTENDED MODEL\nModel number: 5\n"},
        {linear_model_browser(base), "LINEAR MODEL\ny=a1*x1+a2*x2+...+an*xn\nModel number: 6\n"},
        {polynomial_model_browser(base),
         "POLYNOMIAL MODEL\ny=a0+a1*x+a2*x^2+...+an*x^n\nModel number: 7\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(browser_header_text(c.browser), c.header + counts) << c.browser.title;
    }
}

TEST(RecordBrowsers, ListFieldsOfEveryKind) {
    const ModelBase base = models();
    EXPECT_EQ(record_as_text(*extended_model_browser(base).find(5)),
              "Go-ahead condition: No condition\nResult/Conclusion: pressure is normal\n"
              "Operation/Relation: <=,<=\nDisplay semaphor: 1\n"
              "List of arguments:\n    1\n    p\n    2.5\n");
    EXPECT_EQ(record_as_text(*linear_model_browser(base).find(6)),
              "Go-ahead condition: combi\nValue of :inear form: gas use\nDisplay semaphor: 1\n"
              "List of coefficients:\n    24\n    12\nList of variables:\n    heating\n"
              "    hot water\n");
    EXPECT_EQ(record_as_text(*polynomial_model_browser(base).find(7)),
              "Go-ahead condition: No condition\nPolynomial value: loss\nValue of variable: flow\n"
              "Display semaphor: 0\nList of coefficients:\n    0.002\n    0.01\n"
              "List of powers:\n    2\n    1\n");
}

TEST(RecordBrowsers, RulesAndConstraints) {
    RuleBase rules;
    rules.rules = {{1, "end", {}, 0}, {-3, "pump on", {"pressure low", "valve open"}, 0}};
    const RecordBrowser rule = rule_browser(rules);
    EXPECT_EQ(browser_header_text(rule), "Rule number: 1 -3\nOverall number of rules: 2\n");
    // A rule without conditions shows an empty list, and no line ends in a blank.
    EXPECT_EQ(record_as_text(*rule.find(1)), "Rule conclusion: end\nList of conditions:\n");
    EXPECT_EQ(record_as_text(*rule.find(-3)),
              "Rule conclusion: pump on\nList of conditions:\n    pressure low\n    valve open\n");
    EXPECT_EQ(rule.find(-3)->at(1).label, " List of conditions ");

    ConstraintBase constraints;
    constraints.constraints = {{2, {"hot", "cold"}}};
    const RecordBrowser constraint = constraint_browser(constraints);
    EXPECT_EQ(browser_as_text(constraint), "Constraint number: 2\nNumber of constraints: 1\n\n"
                                           "Constraint number: 2\nMutually exclusive conditions:\n"
                                           "    hot\n    cold\n");
}

} // namespace
} // namespace orve
