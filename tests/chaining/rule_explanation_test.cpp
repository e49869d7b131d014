// The explanation of a fired rule: the same text however it is split into
// writes, and no write that holds two names beyond ASCII.
#include "chaining/rule_explanation.hpp"
#include "support/scripted_dialogs.hpp"

#include <set>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

// Keeps every message-window write apart.
class PieceDialogs : public ScriptedDialogs {
  public:
    std::vector<std::string> pieces;
    void msg_append(const std::string& text) override {
        pieces.push_back(text);
        ScriptedDialogs::msg_append(text);
    }
};

std::string window_text(int number, const std::string& conclusion, const Names& conditions) {
    std::string text = "Rule  " + std::to_string(number) + " is resolved. The rule states:\nIf\n";
    for (const auto& condition : conditions) {
        text += "    " + condition + "\n";
    }
    return text + "then  \n    " + conclusion + "\nIt follows: \n    " + conclusion + "\n\n";
}

MessageList message(int number, const std::string& conclusion, const Names& conditions) {
    MessageList shown{"Rule explanation",
                      {"Rule " + std::to_string(number) + " is resolved. The rule states:", "If"}};
    for (const auto& condition : conditions) {
        shown.lines.push_back("    " + condition);
    }
    shown.lines.insert(shown.lines.end(),
                       {"then ", "    " + conclusion, "It follows:", "    " + conclusion});
    return shown;
}

bool beyond_ascii(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

// Rules of changing sizes one after the other, as a run fires them: buffers
// kept from the rule before must not leak into the next.
TEST(RuleExplanation, EveryRuleIsExplainedWholeAndNamesBeyondAsciiGoOutInPiecesOfTheirOwn) {
    struct Case {
        int number;
        std::string conclusion;
        Names conditions;
        std::size_t pieces;
    };
    const std::string cp1250 = "ci\xB9g";     // code page 1250
    const std::string utf8 = "zaj\xC4\x99ty"; // UTF-8
    const std::vector<Case> cases{
        {1, "pump runs", {"power on", "fuse whole", "valve open"}, 1},
        {22, "boiler cold", {"pump runs"}, 1},
        {333, "no conditions", {}, 1},
        {4, "plain end", {cp1250, "plain", utf8}, 2},
        {5, cp1250, {"plain", utf8}, 3},
        {6, "x", {cp1250 + " " + utf8, "a long condition name of more than sixteen bytes"}, 1},
        {-7, "", {""}, 1},
        {8, "pump runs", {"power on", "fuse whole"}, 1},
    };
    AppState state;
    PieceDialogs ui;
    std::string report;
    for (const auto& c : cases) {
        ui.pieces.clear();
        ui.messages.clear();
        wyjasnienie_rule(state, ui, c.number, c.conclusion, c.conditions);
        const std::string text = window_text(c.number, c.conclusion, c.conditions);
        report += text;
        std::set<std::string> unplain;
        for (const auto& name : c.conditions) {
            if (beyond_ascii(name)) {
                unplain.insert(name);
            }
        }
        if (beyond_ascii(c.conclusion)) {
            unplain.insert(c.conclusion);
        }
        std::string joined;
        for (const auto& piece : ui.pieces) {
            joined += piece;
            int names = 0;
            for (const auto& name : unplain) {
                for (auto at = piece.find(name); at != std::string::npos;
                     at = piece.find(name, at + 1)) {
                    ++names;
                }
            }
            EXPECT_LE(names, 1) << c.number << ": " << piece;
        }
        EXPECT_EQ(joined, text) << c.number;
        EXPECT_EQ(ui.pieces.size(), c.pieces) << c.number;
        ASSERT_EQ(ui.messages.size(), 1U) << c.number;
        EXPECT_EQ(ui.messages[0], message(c.number, c.conclusion, c.conditions)) << c.number;
    }
    EXPECT_EQ(state.report.text, report);
}

} // namespace
} // namespace orve::test
