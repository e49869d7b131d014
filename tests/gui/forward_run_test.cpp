// A forward run of the bundled example through the real dialogues, answered as
// in the terminal's golden session of the same run: the dialogues come in the
// same order with the same titles, the message window ends with the message
// text of that transcript, and the summary and report files are the session's.
#include "dialog_script.hpp"
#include "forward_run_script.hpp"
#include "main_window.hpp"
#include "message_window.hpp"
#include "sound_player.hpp"
#include "support/temp_tree.hpp"

#include <QAction>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>

namespace orve::gui {
namespace {

namespace fs = std::filesystem;
using test::DialogScript;

const fs::path kGolden = fs::path(ORVE_GOLDEN_DIR) / "forward_boiler";

struct RecordedSounds : SoundPlayer {
    QStringList* played;
    explicit RecordedSounds(QStringList* list) : played(list) {}
    void play(const QString& path) override { *played << path; }
};

// The titles of the terminal session's dialogues in order ("=== Note: Summary ===").
QStringList terminal_dialogue_titles(const std::string& transcript) {
    QStringList titles;
    const QRegularExpression block(QStringLiteral("^=== (?:([A-Za-z ]+): (.*)|Message) ===$"));
    for (const QString& line : QString::fromStdString(transcript).split(QLatin1Char('\n'))) {
        const auto match = block.match(line);
        if (!match.hasMatch() || match.captured(1) == QStringLiteral("Sound")) {
            continue;
        }
        titles << (match.captured(1).isEmpty() ? QStringLiteral("Message") : match.captured(2));
    }
    return titles;
}

// The message-window text of the transcript after its last clearing, as lines:
// the dialogue blocks, prompts and answers left out.
QStringList terminal_message_lines(const std::string& transcript) {
    QStringList lines = QString::fromStdString(transcript).split(QLatin1Char('\n'));
    lines = lines.mid(lines.lastIndexOf(QStringLiteral("----- message window cleared -----")) + 1);
    const QRegularExpression prompt(QStringLiteral("^(\\[.*\\]|orve)> "));
    QStringList kept;
    bool in_block = false;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("=== ")) && !in_block) {
            in_block = !line.startsWith(QStringLiteral("=== Sound: "));
        } else if (in_block) {
            in_block =
                !line.startsWith(QStringLiteral("=== end of ")) && !prompt.match(line).hasMatch();
        } else if (!prompt.match(line).hasMatch()) {
            kept << line;
        }
    }
    return kept;
}

// True when every line of `window` is one or more consecutive lines of
// `terminal`, in order: the terminal starts a new line before each dialogue
// block where the message window goes on in the same line.
bool same_lines_joined(const QStringList& window, const QStringList& terminal) {
    qsizetype next = 0;
    for (const QString& line : window) {
        if (next >= terminal.size()) {
            return false;
        }
        QString joined = terminal[next++];
        while (joined != line && joined.size() < line.size() && next < terminal.size()) {
            joined += terminal[next++];
        }
        if (joined != line) {
            return false;
        }
    }
    return true;
}

TEST(ForwardRun, ExampleConsultedThroughTheDialogues) {
    orve::test::TempTree tree;
    fs::copy(ORVE_EXAMPLES_DIR, tree.path(), fs::copy_options::recursive);
    fs::current_path(tree.path("BASES"));
    QStringList sounds;
    MainWindow window;
    window.dialogs().set_sound_player(std::make_unique<RecordedSounds>(&sounds));
    window.start();
    DialogScript script;
    test::script_forward_run(script);
    for (const int id : test::kForwardRunCommands) {
        window.action(id)->trigger();
    }
    // The run folder stands as <run>, as in the terminal's golden transcripts.
    const QString messages = window.messages().toPlainText().replace(
        QString::fromStdString(tree.path().string()), QStringLiteral("<run>"));
    window.close();
    EXPECT_TRUE(window.closing());
    EXPECT_EQ(script.pending(), 0U);

    const std::string transcript = orve::test::read_file(kGolden / "expected.txt");
    EXPECT_EQ(script.titles(), terminal_dialogue_titles(transcript));
    EXPECT_EQ(sounds, QStringList{"../SOUNDS/boiler/hum.wav"});
    const QStringList window_lines = messages.split(QLatin1Char('\n'));
    const QStringList terminal_lines = terminal_message_lines(transcript);
    EXPECT_TRUE(same_lines_joined(window_lines, terminal_lines))
        << messages.toStdString() << "\n---- transcript:\n"
        << terminal_lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_GT(window_lines.size(), 60);
    for (const char* file : {"boiler-case.txt", "boiler-case.RPT"}) {
        EXPECT_EQ(orve::test::read_file(tree.path("BASES") / file),
                  orve::test::read_file(kGolden / "expected-files" / "BASES" / file))
            << file;
    }
}

} // namespace
} // namespace orve::gui
