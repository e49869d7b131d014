// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/number_format.hpp"

namespace orve {

void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions) {
    ReportWriter out(state.report, ui);
    out.pisz("Rule  ");
    out.piszint(number);
    out.pisz(" is resolved. ");
    out.pisz("The rule states:");
    out.piszcr();
    out.pisz("If");
    out.piszcr();
    for (const auto& condition : conditions) {
        out.pisz("    " + condition);
        out.piszcr();
    }
    out.pisz("then  ");
    out.piszcr();
    out.pisz("    " + conclusion);
    out.piszcr();
    out.pisz("It follows: ");
    out.piszcr();
    out.pisz("    " + conclusion);
    out.piszcr();
    out.piszcr();

    std::vector<std::string> lines{"Rule " + format_int(number) + " is resolved. The rule states:",
                                   "If"};
    for (const auto& condition : conditions) {
        lines.push_back("    " + condition);
    }
    lines.insert(lines.end(), {"then ", "    " + conclusion, "It follows:", "    " + conclusion});
    ui.message_list("Rule explanation", lines);
}

} // namespace orve
