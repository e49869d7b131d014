// The explanation written and shown every time a rule fires.
#include "chaining/rule_explanation.hpp"

#include "report/report_writer.hpp"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orve {

namespace {

// True when every byte of the name is ASCII: such a name reads the same in
// whatever encoding a front end takes the piece holding it to be in. Looks at
// words; the last one overlaps the one before, and names shorter than a word
// are looked at in two halves that may overlap.
bool seven_bit(const std::string& name) {
    constexpr std::uint64_t kHigh = 0x8080808080808080;
    const char* bytes = name.data();
    const std::size_t size = name.size();
    std::uint64_t bits = 0;
    if (size >= 8) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i + 8 < size; i += 8) {
            std::memcpy(&word, bytes + i, 8);
            bits |= word;
        }
        std::memcpy(&word, bytes + size - 8, 8);
        bits |= word;
    } else if (size >= 4) {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
        std::memcpy(&first, bytes, 4);
        std::memcpy(&last, bytes + size - 4, 4);
        bits = first | last;
    } else if (size != 0) {
        bits = static_cast<unsigned char>(bytes[0] | bytes[size / 2] | bytes[size - 1]);
    }
    return (bits & kHigh) == 0;
}

// The window text of an explanation, in fixed parts and names, to `text`.
template <typename Text>
void window_text(Text& text, std::string_view number, const std::string& conclusion,
                 const Names& conditions) {
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
}

// The length of the window text, and whether all its names are plain ASCII.
struct TextMeasure {
    std::size_t size = 0;
    bool plain = true;

    void fixed(std::string_view text) { size += text.size(); }
    void name(const std::string& name) {
        size += name.size();
        plain = plain && seven_bit(name);
    }
};

// Copies the window text to a place measured for it.
struct TextCopy {
    char* to;

    void fixed(std::string_view text) { to = std::copy(text.begin(), text.end(), to); }
    void name(const std::string& name) { to = std::copy(name.begin(), name.end(), to); }
};

// Gathers the window text into as few writes as it can. A front end decides the
// encoding of each piece on its own, so a name that is not plain ASCII never
// shares a piece with another such name: every one is decoded as if it came
// alone, as when the text went out word by word.
class TextPieces {
  public:
    TextPieces(ReportWriter& out, std::string& piece) : out_(out), piece_(piece) { piece_.clear(); }

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

// Names of plain ASCII, as nearly always: the whole text in one write, copied
// into place once measured.
void write_window_text(ReportWriter& out, std::string& piece, std::string_view number,
                       const std::string& conclusion, const Names& conditions) {
    TextMeasure measure;
    window_text(measure, number, conclusion, conditions);
    if (measure.plain) {
        piece.resize(measure.size);
        TextCopy copy{piece.data()};
        window_text(copy, number, conclusion, conditions);
        out.pisz(piece);
        return;
    }
    TextPieces pieces(out, piece);
    window_text(pieces, number, conclusion, conditions);
    pieces.write();
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
    // The first `kept` characters stay; the rest become `text` and `more`.
    const auto set = [&](std::size_t line, std::size_t kept, std::string_view text,
                         std::string_view more = {}) {
        std::string& changed = lines[line];
        changed.resize(kept + text.size() + more.size());
        std::copy(more.begin(), more.end(),
                  std::copy(text.begin(), text.end(), changed.data() + kept));
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
