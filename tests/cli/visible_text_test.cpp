// Control characters in base, report and typed texts reach the terminal only as
// visible "\xHH" escapes; line breaks and tabs stay as they are.
#include "support/temp_tree.hpp"
#include "terminal_app.hpp"
#include "terminal_dialogs.hpp"
#include "text_encoding.hpp"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

// Positions of bytes that a terminal would act on: controls other than line
// feed and tab, a carriage return not starting a "\r\n", and UTF-8 C1 controls.
std::vector<std::size_t> raw_controls(const std::string& text) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        const bool line_break =
            byte == '\n' || (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<std::uint8_t>(text[i + 1]) >= 0x80 &&
                        static_cast<std::uint8_t>(text[i + 1]) <= 0x9F;
        if (((byte < 0x20 || byte == 0x7F) && byte != '\t' && !line_break) || c1) {
            found.push_back(i);
        }
    }
    return found;
}

TEST(VisibleText, ControlCharactersAreEscapedAfterDecoding) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"clear screen", "\x1b[2J\x1b[H", "\\x1b[2J\\x1b[H"},
        {"window title", "\x1b]0;pwned\x07", "\\x1b]0;pwned\\x07"},
        {"backspace and delete", "yes\b\b\bno\x7f", "yes\\x08\\x08\\x08no\\x7f"},
        {"NUL", std::string("a\0b", 3), "a\\x00b"},
        {"form feed, vertical tab", "\f\v", "\\x0c\\x0b"},
        {"lone carriage return", "real\rfake", "real\\x0dfake"},
        {"carriage return at the end", "text\r", "text\\x0d"},
        {"line breaks and tabs kept", "a\r\nb\n\tc\n", "a\r\nb\n\tc\n"},
        {"C1 CSI in UTF-8",
         "\xC2\x9B"
         "2J",
         "\\x9b2J"},
        {"C1 NEL and ST in UTF-8", "\xC2\x85 \xC2\x9C", "\\x85 \\x9c"},
        {"no-break space stays", "a\xC2\xA0z", "a\xC2\xA0z"},
        {"code page 1250 with ESC", "Domy\xB9\x1b[31m", "Domy\xC4\x85\\x1b[31m"},
        {"code page 1250 byte 0x9B is no C1", "a\x9B", "a\xE2\x80\xBA"},
        {"invalid bytes and ESC", "\x81\x1b", "\xEF\xBF\xBD\\x1b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_display(c.bytes), c.shown) << c.what;
        EXPECT_TRUE(raw_controls(to_display(c.bytes)).empty()) << c.what;
    }
}

// Plain texts skip the conversion; the message window must still show every
// text exactly as the conversion would.
TEST(VisibleText, MessageWindowShowsTextsAsConverted) {
    const std::vector<std::string> texts = {
        "plain text\twith a tab\n", "~ and space ",   "delete\x7f",  "bell\x07",
        "code page \xB9",           "utf-8 \xC4\x85", "C1 \xC2\x9B", "crlf\r\nnext\n"};
    for (const auto& text : texts) {
        std::istringstream in;
        std::ostringstream out;
        TerminalDialogs ui(in, out, false);
        ui.msg_append(text);
        ui.io().flush();
        EXPECT_EQ(out.str(), to_display(text)) << text;
    }
}

// The quick check for plain text looks at words and blocks of bytes: every kind
// of byte at every place of texts short and long must still be seen, in the
// message window and in the lines of a message.
TEST(VisibleText, EveryByteIsSeenWhereverItStandsInTheText) {
    const std::string kinds("\n\t\0\x01\x0b\x1f\x7f\x80\xc2\xff ~", 12);
    const auto output = [](const std::function<void(TerminalDialogs&)>& write) {
        std::istringstream in;
        std::ostringstream out;
        TerminalDialogs ui(in, out, false);
        write(ui);
        ui.io().flush();
        return out.str();
    };
    for (std::size_t size = 1; size <= 40; ++size) {
        for (std::size_t at = 0; at < size; ++at) {
            for (const char kind : kinds) {
                std::string text(size, 'a');
                text[at] = kind;
                const std::string shown = to_display(text);
                const std::string where = std::to_string(size) + " " + std::to_string(at) + " " +
                                          std::to_string(static_cast<unsigned char>(kind));
                ASSERT_EQ(output([&](auto& ui) { ui.msg_append(text); }), shown) << where;
                ASSERT_EQ(output([&](auto& ui) { ui.message_list("h", {text}); }),
                          "=== Message ===\nh\n  " + shown + (shown.back() == '\n' ? "" : "\n") +
                              "=== end of message ===\n")
                    << where;
            }
        }
    }
}

TEST(VisibleText, ALineBreakSplitBetweenTwoWritesStaysALineBreak) {
    std::istringstream in;
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    ui.msg_append("first\r");
    ui.msg_append("\nsecond\r");
    ui.msg_append("third\r");
    ui.note("Attention!", "Done.");
    ui.io().flush();
    EXPECT_EQ(out.str(), "first\r\nsecond\\x0dthird\r\n"
                         "=== Note: Attention! ===\nDone.\n=== end of note ===\n");
}

// Every kind of output of the terminal with hostile texts: message window,
// titles, dialogue texts, choices, answers echoed, file and folder names,
// advice texts and media paths.
TEST(VisibleText, NothingTheTerminalPrintsCarriesARawControlCharacter) {
    const std::string evil = "A\x1b[2J\x1b]0;x\x07\rB\b\xC2\x9B"
                             "0m";
    const orve::test::TempTree tree;
    const auto folder = tree.path("dir\x1b[2J");
    std::filesystem::create_directories(folder);
    tree.write("dir\x1b[2J/RU\x1b[8m.EEB", "");
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder);

    std::istringstream in("2\n\x1b[31m\nn\n!end\nn\n1\n\n1 2\nx\x1b\n7\n1\n\n\n");
    std::ostringstream out;
    TerminalDialogs ui(in, out, false);
    const PickList list{evil, evil, {evil, "plain"}};
    ui.set_main_title(evil);
    ui.msg_append(evil);
    ui.note(evil, evil);
    ui.ask(evil, evil, {"&Yes", evil});
    ui.yes_no(evil, evil);
    ui.pick_fact(list);
    ui.radio_choice({evil, evil, evil, evil, 1});
    ui.pick_facts(list);
    ui.argument_value(evil);
    ui.pick_line(list);
    ui.get_text(evil, evil, evil);
    ui.message_list(evil, {evil});
    ui.show_text(evil, evil);
    ui.show_headed_text(evil, evil, evil);
    ui.show_list(evil, {evil});
    ui.show_picture(evil, evil);
    ui.play_sound(evil);
    ui.open_file("RU*.EEB", {{evil, evil}}, evil);
    std::filesystem::current_path(saved);

    const std::string output = out.str();
    EXPECT_EQ(raw_controls(output), std::vector<std::size_t>{}) << output;
    EXPECT_NE(output.find("=== Note: A\\x1b[2J\\x1b]0;x\\x07\\x0dB\\x08\\x9b0m ===\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("  RU\\x1b[8m.EEB\n"), std::string::npos) << output;
    EXPECT_NE(output.find("dir\\x1b[2J:\n"), std::string::npos) << output;
    EXPECT_NE(output.find("> \\x1b[31m\n"), std::string::npos) << output; // an echoed answer
}

TEST(VisibleText, TheMainPromptEchoesAnUnknownCommandVisibly) {
    std::istringstream in("\x1b[2Jmenu\x07\n");
    std::ostringstream out;
    run_terminal(in, out);
    EXPECT_EQ(raw_controls(out.str()), std::vector<std::size_t>{}) << out.str();
    EXPECT_NE(out.str().find("Unknown command: \\x1b[2Jmenu\\x07 "), std::string::npos)
        << out.str();
}

} // namespace
} // namespace orve::cli
