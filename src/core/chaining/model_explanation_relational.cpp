// Explanations of the relational models, with the rating of their conclusion.
#include "chaining/model_explanation_relational.hpp"

#include "chaining/explanation_lines.hpp"
#include "chaining/model_context.hpp"
#include "models/erroneous_data.hpp"
#include "models/explanation_checks.hpp"
#include "models/model_operations.hpp"
#include "report/number_format.hpp"

#include <algorithm>
#include <vector>

namespace orve {

namespace {

// The rating of the conclusion, asked when its rating argument is askable; a
// rating that is no number, lies outside 0 to 10 or is found erroneous fails.
bool rate(AppState& state, Dialogs& ui, const std::string& conclusion,
          const ExplanationLines& lines) {
    const std::string rating = "rating_" + conclusion;
    if (!testuj_relacje(rating, state.askables)) {
        return true;
    }
    ReportWriter out(state.report, ui);
    out.pisz("Determine the rating for this relation on the scale 0 -10:" + rating);
    out.piszcr();
    out.pisz("Determine the rating:" + rating);
    out.piszcr();
    state.memory.tytul = "Determine the rating for this relation on the scale 0 -10!";
    const auto value = typed_real(ui.argument_value(rating));
    if (!value || !testuj_ocena_wniosku(*value, out)) {
        return false;
    }
    out.pisz(rating + "=");
    out.piszreal(*value);
    out.piszcr();
    out.piszcr();
    state.memory.zmienna_ustalona.set(rating, *value);
    ChainingEvaluation evaluation(state, ui);
    if (!szukanie_blednych_danych(evaluation.context())) {
        return false;
    }
    lines.show();
    return true;
}

std::string values(const std::vector<double>& v, const std::string& r1, const std::string& r2) {
    return "    " + format_real(v[0]) + " " + r1 + " " + format_real(v[1]) + " " + r2 + " " +
           format_real(v[2]);
}

} // namespace

bool wyjasnienie_model_relacyjny(AppState& state, Dialogs& ui, int number,
                                 const std::string& conclusion, double first, double second) {
    const ModelB* m = find_model(state.kb.model.basic, number, conclusion);
    if (m == nullptr || display_of(m->semaphor) != Display::Explain) {
        return true;
    }
    const std::string relation = " " + m->operation + " ";
    ExplanationLines lines(state, ui, "Basic relational model explanation");
    lines.line("The basic relational model  " + format_int(number) + " is resolved.");
    lines.line("The model states: if the go_ahead condition ");
    lines.line("    " + m->go_ahead);
    lines.line(" is true, then follows");
    lines.line("    " + conclusion);
    lines.line("provided that: ");
    lines.line("    " + m->argument1 + relation + m->argument2);
    lines.line("For  model " + format_int(number) + " the relation: ");
    lines.line("    " + format_real(first) + relation + format_real(second));
    lines.line("holds, therefore the conclusion: ");
    lines.line("   " + conclusion);
    lines.last("is true. ");
    lines.show();
    return rate(state, ui, conclusion, lines);
}

bool wyjasnienie_model_relacyjny_r(AppState& state, Dialogs& ui, int number,
                                   const std::string& conclusion, double lower, double value,
                                   double upper) {
    const ModelE* m = find_model(state.kb.model.extended, number, conclusion);
    if (m == nullptr || m->arguments.size() != 3 || display_of(m->semaphor) != Display::Explain) {
        return true;
    }
    // "<=,<" reads as "<=" between the first two and "<" between the last two.
    const auto comma = m->operation.find(',');
    const std::string r1 = m->operation.substr(0, comma);
    const std::string r2 = comma == std::string::npos ? "" : m->operation.substr(comma + 1);
    const auto& e = m->arguments;
    ExplanationLines lines(state, ui, "Extended relational model explanation");
    lines.line("The extended relational model " + format_int(number) + " is resolved.");
    lines.line("The model states: if the go_ahead condition ");
    lines.line("    " + m->go_ahead);
    lines.line("is true, then follows");
    lines.line("    " + conclusion);
    lines.line("provided that:");
    lines.line("    " + e[0] + " " + r1 + " " + e[1] + " " + r2 + " " + e[2]);
    lines.line("For model  " + format_int(number) + " the relation: ");
    lines.line(values({lower, value, upper}, r1, r2));
    lines.line("holds, therefore the conclusion: ");
    lines.line("    " + conclusion);
    lines.line("is true. ");
    lines.show();
    return rate(state, ui, conclusion, lines);
}

} // namespace orve
