// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/number_format.hpp"

namespace orve {

void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions) {
    // Written in few pieces, each holding at most one name: a front end that
    // decides the encoding of each piece on its own sees every name alone, as
    // when the text went out word by word.
    const std::string number_text = format_int(number);
    ReportWriter out(state.report, ui);
    out.pisz("Rule  " + number_text + " is resolved. The rule states:\nIf\n");
    std::vector<std::string> lines;
    lines.reserve(conditions.size() + 6);
    lines.push_back("Rule " + number_text + " is resolved. The rule states:");
    lines.emplace_back("If");
    std::string piece;
    for (const auto& condition : conditions) {
        piece.assign("    ").append(condition);
        lines.push_back(piece);
        piece += '\n';
        out.pisz(piece);
    }
    const std::string shown_conclusion = "    " + conclusion;
    out.pisz("then  \n" + shown_conclusion + "\n");
    out.pisz("It follows: \n" + shown_conclusion + "\n\n");
    lines.insert(lines.end(), {"then ", shown_conclusion, "It follows:", shown_conclusion});
    ui.message_list("Rule explanation", lines);
}

} // namespace orve
