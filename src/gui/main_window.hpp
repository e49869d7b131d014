// The main window: the menu built from the command table, the toolbar, the
// welcome window and the message window; menu commands go to the core's Shell.
#pragma once

#include "app/shell.hpp"
#include "gui_dialogs.hpp"
#include "menu_layout.hpp"
#include "window_host.hpp"

#include <QMainWindow>

#include <map>

class QAction;
class QMenu;
class QStackedWidget;

namespace orve::gui {

class MessageWindow;

class MainWindow : public QMainWindow, public WindowHost {
  public:
    MainWindow();

    // Start-up: title, command states and the welcome window.
    void start();
    // Runs a menu command to its end; closes the program when the user confirmed
    // closing inside one of its dialogues.
    void run_command(int id);

    // The action of a menu command, or null.
    QAction* action(int id) const;
    // The submenu with this header identifier, or null.
    QMenu* submenu(int id) const;
    Shell& shell() { return shell_; }
    GuiDialogs& dialogs() { return dialogs_; }
    // True once the user confirmed closing the program.
    bool closing() const { return closing_; }

    QWidget* dialog_parent() override { return this; }
    MessageWindow& messages() override;
    void recreate_messages() override;
    void show_welcome(const QString& title, const QString& path) override;
    void set_title(const QString& title) override;
    void set_command_enabled(int id, bool enabled) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menu();
    void add_entries(QMenu* menu, const MenuNode& node);
    void build_toolbar();
    // Shows the message window in place of the welcome window.
    void close_welcome();

    GuiDialogs dialogs_{*this};
    Shell shell_{dialogs_};
    QStackedWidget* pages_;
    MessageWindow* messages_ = nullptr;
    QWidget* welcome_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<int, QMenu*> submenus_;
    bool closing_ = false;
};

} // namespace orve::gui
