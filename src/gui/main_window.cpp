#include "main_window.hpp"

#include "message_window.hpp"
#include "picture_view.hpp"
#include "qt_text.hpp"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>

namespace orve::gui {

MainWindow::MainWindow() : pages_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("orve_EE"));
    setCentralWidget(pages_);
    messages_ = new MessageWindow(pages_);
    pages_->addWidget(messages_);
    build_menu();
    build_toolbar();
    resize(1000, 700);
}

void MainWindow::start() {
    dialogs_.set_welcome(true);
    shell_.start();
    dialogs_.set_welcome(false);
    for (const auto& [id, action] : actions_) {
        action->setEnabled(shell_.state().commands.enabled(id));
    }
    for (const auto& [id, menu] : submenus_) {
        menu->setEnabled(shell_.state().commands.enabled(id));
    }
}

void MainWindow::build_menu() {
    for (const auto& top : menu_layout(command_table())) {
        add_entries(menuBar()->addMenu(to_qstring(top.title)), top);
    }
}

void MainWindow::add_entries(QMenu* menu, const MenuNode& node) {
    if (node.id != 0) {
        submenus_[node.id] = menu;
    }
    for (const auto& child : node.children) {
        if (child.submenu) {
            add_entries(menu->addMenu(to_qstring(child.title)), child);
            continue;
        }
        QAction* action = menu->addAction(to_qstring(child.title));
        action->setToolTip(to_qstring(child.title).remove(QLatin1Char('&')));
        const int id = child.id;
        connect(action, &QAction::triggered, this, [this, id] { run_command(id); });
        actions_[id] = action;
    }
}

void MainWindow::build_toolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Main commands"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const auto& entry : toolbar_entries()) {
        if (QAction* command = action(entry.id)) {
            command->setIconText(QString::fromUtf8(entry.label));
            bar->addAction(command); // the tooltip is the command's menu text
        }
    }
}

void MainWindow::run_command(int id) {
    close_welcome();
    try {
        shell_.run_command(id);
    } catch (const ProgramClosed&) {
        closing_ = true;
        close();
    }
}

QAction* MainWindow::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QMenu* MainWindow::submenu(int id) const {
    const auto found = submenus_.find(id);
    return found == submenus_.end() ? nullptr : found->second;
}

MessageWindow& MainWindow::messages() {
    close_welcome();
    return *messages_;
}

void MainWindow::recreate_messages() {
    close_welcome();
    pages_->removeWidget(messages_);
    delete messages_;
    messages_ = new MessageWindow(pages_);
    pages_->addWidget(messages_);
    pages_->setCurrentWidget(messages_);
}

void MainWindow::show_welcome(const QString& title, const QString& path) {
    auto* picture = new PictureView(path, pages_);
    picture->setObjectName(QStringLiteral("welcome"));
    picture->setWindowTitle(title);
    picture->setToolTip(title);
    delete welcome_;
    welcome_ = picture;
    pages_->addWidget(welcome_);
    pages_->setCurrentWidget(welcome_);
}

void MainWindow::close_welcome() {
    if (welcome_ == nullptr) {
        return;
    }
    // The message window takes the welcome window's place for good.
    pages_->removeWidget(welcome_);
    delete welcome_;
    welcome_ = nullptr;
    pages_->setCurrentWidget(messages_);
}

void MainWindow::set_title(const QString& title) {
    setWindowTitle(title);
}

void MainWindow::set_command_enabled(int id, bool enabled) {
    if (QAction* command = action(id)) {
        command->setEnabled(enabled);
    }
    if (QMenu* menu = submenu(id)) {
        menu->setEnabled(enabled);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || shell_.close_request()) {
        closing_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace orve::gui
