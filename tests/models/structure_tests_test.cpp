#include "models/structure_tests.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::Note;
using test::ScriptedDialogs;

ModelB basic(int number, std::string operation) {
    return {number, "No condition", "y", "a", std::move(operation), "b", 1};
}

ModelE extended(int number, std::string operation) {
    return {number, "No condition", "y", std::move(operation), {"a", "b"}, 1};
}

ModelBase models(std::vector<ModelB> basic_models, std::vector<ModelE> extended_models = {},
                 std::vector<ModelLin> linear_models = {},
                 std::vector<ModelPoly> polynomial_models = {}) {
    ModelBase base;
    base.basic = std::move(basic_models);
    base.extended = std::move(extended_models);
    base.linear = std::move(linear_models);
    base.polynomial = std::move(polynomial_models);
    return base;
}

const std::string kFaultTail = "Enter 'Model Base',\n"
                               "choose option 'Model Base Editing', \n"
                               "load faulty model base and remove error.\n";
const std::string kNoteTail = ".\n\nEnter 'Model Base', choose option 'Model Base Editing'"
                              "\nload faulty model base and remove error.";

struct Case {
    const char* label;
    ModelBase models;
    std::string window; // empty when the base passes
    std::string note;
};

TEST(ModelStructureTests, RefuseTheFirstFaultyModel) {
    const Case cases[] = {
        {"every basic operation and relation", models({basic(1, "<>"), basic(2, "A^N")}), "", ""},
        {"a relation the base does not know",
         models({basic(1, "+"), basic(2, "!="), basic(3, "??")}),
         "Faulty operation/relation != for model 2.\n" + kFaultTail,
         "Faulty operation/relation != for model 2" + kNoteTail},
        {"a list operation in a basic model", models({basic(4, "min_list")}),
         "Faulty operation/relation min_list for model 4.\n" + kFaultTail,
         "Faulty operation/relation min_list for model 4" + kNoteTail},
        {"an extended interval relation", models({}, {extended(1, "<=,<")}), "", ""},
        {"a basic operation in an extended model", models({}, {extended(7, "-")}),
         "Faulty operation/relation - for model 7.\n" + kFaultTail,
         "Faulty operation/relation - for model 7" + kNoteTail},
        {"linear lists of equal length, empty ones too",
         models({}, {},
                {{1, "No condition", "y", {"2", "3"}, {"a", "b"}, 1},
                 {2, "No condition", "z", {}, {}, 1}}),
         "", ""},
        {"a linear model with two coefficients and three variables",
         models({}, {}, {{3, "No condition", "y", {"2", "3"}, {"a", "b", "c"}, 1}}),
         "The linear model 3 has list of coefficients and list of variables\n"
         "of different length.\n" +
             kFaultTail,
         "The linear model 3\nhas list of coefficients and \nlist of variables of different "
         "length." +
             kNoteTail},
        {"a polynomial model with one power too many",
         models({}, {}, {}, {{5, "No condition", "y", "x", {"1", "2"}, {0, 1, 2}, 1}}),
         "The polynomial model 5 has list of coefficients and list of powers\n"
         "of different length.\n" +
             kFaultTail,
         "The polynomial model 5 has list of coefficients and \nlist of powers of different "
         "length. " +
             kNoteTail},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AppState state;
        state.kb.model = c.models;
        state.kb.model.m_facts = {"sunny"};
        state.kb.model.arguments_known = {{"a", 1.0}};
        state.kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
        ScriptedDialogs ui;
        const bool passed = model_structure_tests(state, ui);
        EXPECT_EQ(passed, c.window.empty());
        EXPECT_EQ(ui.window, c.window);
        if (passed) {
            EXPECT_TRUE(ui.notes.empty());
            EXPECT_TRUE(state.kb.model.name.has_value());
            continue;
        }
        EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention error!", c.note}}));
        // The base is discarded except for its declared facts.
        EXPECT_FALSE(state.kb.model.name.has_value());
        EXPECT_TRUE(state.kb.model.basic.empty() && state.kb.model.extended.empty() &&
                    state.kb.model.linear.empty() && state.kb.model.polynomial.empty() &&
                    state.kb.model.arguments_known.empty());
        EXPECT_EQ(state.kb.model.m_facts, (Names{"sunny"}));
    }
}

TEST(ModelStructureTests, ALaterTestIsNotRunAfterARefusal) {
    AppState state;
    state.kb.model.basic = {basic(1, "!=")};
    state.kb.model.linear = {{2, "No condition", "y", {"2"}, {}, 1}};
    state.kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
    ScriptedDialogs ui;
    EXPECT_FALSE(model_structure_tests(state, ui));
    EXPECT_EQ(ui.notes.size(), 1U);
}

} // namespace
} // namespace orve
