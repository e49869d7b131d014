// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/report_writer.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orve {

namespace {

// True when every byte of the name is ASCII: such a name reads the same in
// whatever encoding a front end takes the piece holding it to be in.
bool seven_bit(const std::string& name) {
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, name.data() + i, 8);
        bits |= word;
    }
    for (; i < name.size(); ++i) {
        bits |= static_cast<unsigned char>(name[i]);
    }
    return (bits & 0x8080808080808080) == 0;
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

// The lines of the message. Lines that stay the same for rules of as many
// conditions as the one before, and the indents, are written only when the
// number of conditions changes.
void set_lines(std::vector<std::string>& lines, std::string_view number,
               const std::string& conclusion, const Names& conditions) {
    const std::size_t count = conditions.size() + 6;
    if (lines.size() != count) {
        lines.resize(count);
        lines[0] = "Rule ";
        lines[1] = "If";
        for (std::size_t i = 2; i < count - 4; ++i) {
            lines[i] = "    ";
        }
        lines[count - 4] = "then ";
        lines[count - 3] = "    ";
        lines[count - 2] = "It follows:";
        lines[count - 1] = "    ";
    }
    const auto set = [&](std::size_t line, std::size_t kept, std::string_view text,
                         std::string_view more = {}) {
        lines[line].resize(kept);
        lines[line].append(text).append(more);
    };
    set(0, 5, number, " is resolved. The rule states:");
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        set(i + 2, 4, conditions[i]);
    }
    set(count - 3, 4, conclusion);
    set(count - 1, 4, conclusion);
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
    static const std::string heading = "Rule explanation";
    ui.message_list(heading, buffers.lines);
}

} // namespace orve
