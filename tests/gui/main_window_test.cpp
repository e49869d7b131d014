// The main window follows the core: title, menu states, message window, closing.
#include "dialog_script.hpp"
#include "main_window.hpp"
#include "message_window.hpp"
#include "support/temp_tree.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <gtest/gtest.h>

namespace orve::gui {
namespace {

using test::DialogScript;

bool enabled(const MainWindow& window, int id) {
    const QAction* action = window.action(id);
    return action != nullptr && action->isEnabled();
}

TEST(MainWindow, MenuStatesFollowTheCore) {
    orve::test::TempTree tree; // an empty start-up folder: no welcome picture
    std::filesystem::current_path(tree.path());
    MainWindow window;
    window.start();
    EXPECT_EQ(window.windowTitle().toStdString(), kStartTitle);
    for (const auto& command : command_table()) {
        EXPECT_EQ(enabled(window, command.id), window.shell().state().commands.enabled(command.id))
            << command.id;
    }
    EXPECT_FALSE(enabled(window, 10154));
    EXPECT_TRUE(enabled(window, 10062));

    // A cancelled Rule Base loading completes: it enables its list, titles "orve".
    DialogScript script;
    script.close_box();
    window.action(10062)->trigger();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("orve"));
    for (const int id : find_command(10062)->then_enables) {
        const bool shown =
            is_submenu_header(id) ? window.submenu(id)->isEnabled() : enabled(window, id);
        EXPECT_EQ(shown, window.shell().state().commands.enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(window, 10154));
    EXPECT_EQ(script.pending(), 0U);
}

TEST(MainWindow, WelcomePictureGivesWayToTheMessageWindow) {
    orve::test::TempTree tree;
    // Bases written on another system: the picture's name differs in case.
    std::filesystem::copy_file(std::filesystem::path(ORVE_EXAMPLES_DIR) /
                                   "GRAPHICS/boiler/pump.bmp",
                               tree.path("RUVO_VO.BMP"));
    std::filesystem::current_path(tree.path());
    MainWindow window;
    window.start();
    const auto* pages = qobject_cast<QStackedWidget*>(window.centralWidget());
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("welcome"));
    EXPECT_EQ(pages->currentWidget()->windowTitle(), QStringLiteral("Welcome to "));
    window.run_command(10157); // Message Window Creating
    EXPECT_EQ(pages->currentWidget(), &window.messages());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("welcome")), nullptr);
}

TEST(MainWindow, ToolbarAndToolsMirrorTheTable) {
    MainWindow window;
    const auto* bar = window.findChild<QToolBar*>(QStringLiteral("toolbar"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), static_cast<qsizetype>(toolbar_entries().size()));
    for (const auto& entry : toolbar_entries()) {
        const QAction* action = window.action(entry.id);
        ASSERT_TRUE(bar->actions().contains(action)) << entry.id;
        // A short label on the button, the menu text as its tip.
        EXPECT_EQ(action->iconText(), QString::fromUtf8(entry.label));
        EXPECT_EQ(action->toolTip(),
                  QString::fromStdString(find_command(entry.id)->menu_text).remove('&'));
    }
    for (const auto& command : command_table()) {
        EXPECT_NE(window.action(command.id), nullptr) << command.id;
    }
}

TEST(MainWindow, MessageWindowKeepsTheLastHundredLines) {
    MainWindow window;
    for (int line = 1; line <= 150; ++line) {
        window.dialogs().msg_append("line " + std::to_string(line) + "\n");
    }
    window.dialogs().msg_append("no break");
    const QString text = window.messages().toPlainText();
    EXPECT_EQ(window.messages().blockCount(), kMessageLineLimit);
    EXPECT_TRUE(text.startsWith(QStringLiteral("line 52\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("line 150\nno break")));
    window.dialogs().msg_clear();
    EXPECT_TRUE(window.messages().toPlainText().isEmpty());
}

TEST(MainWindow, ClosingAsksAndNoKeepsItOpen) {
    MainWindow window;
    DialogScript script;
    script.click("No").click("Yes");
    QCloseEvent refused;
    QApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
    QCloseEvent confirmed;
    QApplication::sendEvent(&window, &confirmed);
    EXPECT_TRUE(confirmed.isAccepted());
    EXPECT_EQ(script.titles(), (QStringList{"Attention!", "Attention!"}));
}

} // namespace
} // namespace orve::gui
