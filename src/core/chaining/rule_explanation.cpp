// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/report_writer.hpp"

#include <charconv>
#include <string_view>

namespace orve {

namespace {

// True when every byte of the name is ASCII: such a name reads the same in
// whatever encoding a front end takes the piece holding it to be in.
bool seven_bit(const std::string& name) {
    unsigned char bits = 0;
    for (const char c : name) {
        bits |= static_cast<unsigned char>(c);
    }
    return bits < 0x80;
}

// Gathers the window text of an explanation into as few writes as it can. A
// front end decides the encoding of each piece on its own, so a name that is
// not plain ASCII never shares a piece with another such name: every one is
// decoded as if it came alone, as when the text went out word by word.
class ExplanationText {
  public:
    ExplanationText(ReportWriter& out, std::string& piece) : out_(out), piece_(piece) {
        piece_.clear();
    }

    void fixed(std::string_view text) { piece_.append(text); }
    void name(const std::string& name) {
        if (!seven_bit(name)) {
            if (holds_unplain_name_) {
                write();
            }
            holds_unplain_name_ = true;
        }
        piece_.append(name);
    }
    // Writes what is gathered.
    void write() {
        if (!piece_.empty()) {
            out_.pisz(piece_);
        }
        piece_.clear();
        holds_unplain_name_ = false;
    }

  private:
    ReportWriter& out_;
    std::string& piece_;
    bool holds_unplain_name_ = false;
};

// Buffers reused by every explanation: once grown to the longest rule, an
// explanation costs no allocation.
struct ExplanationScratch {
    std::string piece;
    std::vector<std::string> lines;
};

ExplanationScratch& scratch() {
    thread_local ExplanationScratch buffers;
    return buffers;
}

void write_window_text(ReportWriter& out, std::string& piece, std::string_view number,
                       const std::string& conclusion, const Names& conditions) {
    ExplanationText text(out, piece);
    text.fixed("Rule  ");
    text.fixed(number);
    text.fixed(" is resolved. The rule states:\nIf\n");
    for (const auto& condition : conditions) {
        text.fixed("    ");
        text.name(condition);
        text.fixed("\n");
    }
    text.fixed("then  \n    ");
    text.name(conclusion);
    text.fixed("\nIt follows: \n    ");
    text.name(conclusion);
    text.fixed("\n\n");
    text.write();
}

void set_lines(std::vector<std::string>& lines, std::string_view number,
               const std::string& conclusion, const Names& conditions) {
    lines.resize(conditions.size() + 6);
    auto line = lines.begin();
    line->assign("Rule ").append(number).append(" is resolved. The rule states:");
    (++line)->assign("If");
    for (const auto& condition : conditions) {
        (++line)->assign("    ").append(condition);
    }
    (++line)->assign("then ");
    (++line)->assign("    ").append(conclusion);
    (++line)->assign("It follows:");
    (++line)->assign("    ").append(conclusion);
}

} // namespace

void wyjasnienie_rule(AppState& state, Dialogs& ui, int number, const std::string& conclusion,
                      const Names& conditions) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const std::string_view number_text(digits, static_cast<std::size_t>(end - digits));
    ExplanationScratch& buffers = scratch();
    ReportWriter out(state.report, ui);
    write_window_text(out, buffers.piece, number_text, conclusion, conditions);
    set_lines(buffers.lines, number_text, conclusion, conditions);
    ui.message_list("Rule explanation", buffers.lines);
}

} // namespace orve
