// The editor window hands its text to the core's requests, which decide
// whether it closes.
#include "dialog_script.hpp"
#include "editor_window.hpp"
#include "main_window.hpp"

#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace orve::gui {
namespace {

using test::DialogScript;

// Records the requests; each answers from its queue whether the window closes.
struct RecordedRequests : EditorRequests {
    std::vector<std::string> calls;
    std::vector<bool> answers;
    bool next(const std::string& kind, const std::string& text) {
        calls.push_back(kind + ":" + text);
        const bool answer = answers.empty() ? true : answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
        return answer;
    }
    bool save(const std::string& text) override { return next("save", text); }
    bool save_as(const std::string& text) override { return next("save as", text); }
    bool close(const std::string& text) override { return next("close", text); }
    TextPlace start_place() const override { return place; }
    TextPlace place;
};

// Triggers the editor window's own menu command with this caption.
void trigger(QDialog& window, const QString& caption) {
    for (QAction* action : window.findChild<QMenuBar*>()->actions()) {
        if (action->text() == caption) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu command " << caption.toStdString();
}

QPlainTextEdit& editor_of(QDialog& window) {
    return *window.findChild<QPlainTextEdit*>(QStringLiteral("editor"));
}

TEST(EditorWindow, CloseBoxAsksTheCoreWithTheEditedText) {
    MainWindow window;
    RecordedRequests requests;
    requests.answers = {false, true}; // the first close is refused (a failed save)
    DialogScript script;
    script.then([](QDialog& editor) {
        editor_of(editor).appendPlainText(QStringLiteral("rule(2,\"b\",[\"c\"],0)"));
        editor.reject();
        EXPECT_TRUE(editor.isVisible()); // still open: the core said no
        editor.reject();
    });
    window.dialogs().edit_text("Editing the file: RUx.EEB", "RUx.EEB", "rule(1,\"a\",[\"b\"],0)",
                               requests);
    EXPECT_EQ(requests.calls,
              (std::vector<std::string>{"close:rule(1,\"a\",[\"b\"],0)\nrule(2,\"b\",[\"c\"],0)",
                                        "close:rule(1,\"a\",[\"b\"],0)\nrule(2,\"b\",[\"c\"],0)"}));
    EXPECT_EQ(script.titles(), QStringList{"Editing the file: RUx.EEB"});
}

TEST(EditorWindow, UndoSaveAndSaveAsKeepTheFilesEncoding) {
    MainWindow window;
    RecordedRequests requests;
    requests.answers = {false, true};
    DialogScript script;
    script.then([](QDialog& editor) {
        QPlainTextEdit& text = editor_of(editor);
        text.moveCursor(QTextCursor::End);
        text.insertPlainText(QStringLiteral("ż"));
        trigger(editor, QStringLiteral("Save as")); // cancelled: stays open
        trigger(editor, QStringLiteral("Cofnij"));
        trigger(editor, QStringLiteral("Save"));
    });
    // A base written in code page 1250 is saved in it again.
    window.dialogs().edit_text("Editing the file: RUx.EEB", "RUx.EEB", "\xB3", requests);
    EXPECT_EQ(requests.calls, (std::vector<std::string>{"save as:\xB3\xBF", "save:\xB3"}));
}

TEST(EditorWindow, OpensWithTheCursorAtTheStartPlace) {
    const std::string text = "rule(1,\"a\",[\"b\"],0)\nrule(2,\"x\" [\"y\"],0)";
    for (const auto& [place, block, column] : std::vector<std::tuple<TextPlace, int, int>>{
             {{2, 13}, 1, 12}, {{0, 0}, 0, 0}, {{9, 1}, 0, 0}}) {
        MainWindow window;
        RecordedRequests requests;
        requests.place = place;
        DialogScript script;
        script.then([&, block = block, column = column](QDialog& editor) {
            const QTextCursor cursor = editor_of(editor).textCursor();
            EXPECT_EQ(cursor.blockNumber(), block) << place.line;
            EXPECT_EQ(cursor.positionInBlock(), column) << place.line;
            editor.reject();
        });
        window.dialogs().edit_text("Editing the file: RUx.EEB", "RUx.EEB", text, requests);
    }
}

} // namespace
} // namespace orve::gui
