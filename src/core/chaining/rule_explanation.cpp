// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/number_format.hpp"

namespace orve {

void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions) {
    // Written in few pieces, each holding at most one name: a front end that
    // decides the encoding of each piece on its own sees every name alone, as
    // when the text went out word by word.
    // One buffer is reused for every piece, so no piece costs an allocation
    // of its own once the buffer has grown to the longest one.
    const std::string number_text = format_int(number);
    ReportWriter out(state.report, ui);
    std::string piece;
    piece.assign("Rule  ").append(number_text).append(" is resolved. The rule states:\nIf\n");
    out.pisz(piece);
    std::vector<std::string> lines;
    lines.reserve(conditions.size() + 6);
    lines.push_back("Rule " + number_text + " is resolved. The rule states:");
    lines.emplace_back("If");
    for (const auto& condition : conditions) {
        piece.assign("    ").append(condition);
        lines.push_back(piece);
        piece += '\n';
        out.pisz(piece);
    }
    const std::string shown_conclusion = "    " + conclusion;
    piece.assign("then  \n").append(shown_conclusion).append("\n");
    out.pisz(piece);
    piece.assign("It follows: \n").append(shown_conclusion).append("\n\n");
    out.pisz(piece);
    lines.insert(lines.end(), {"then ", shown_conclusion, "It follows:", shown_conclusion});
    ui.message_list("Rule explanation", lines);
}

} // namespace orve
