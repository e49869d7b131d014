#include "editor_window.hpp"

#include "clause_highlighter.hpp"
#include "gui_dialogs.hpp"
#include "modal_runner.hpp"
#include "qt_text.hpp"
#include "text_encoding.hpp"

#include <algorithm>

#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orve::gui {

EditorWindow::EditorWindow(QWidget* parent, const QString& title, const std::string& text,
                           EditorRequests& requests)
    : QDialog(parent), requests_(requests), cp1250_(!cli::is_valid_utf8(text)),
      editor_(new QPlainTextEdit(to_qstring(text), this)) {
    setWindowTitle(title);
    editor_->setObjectName(QStringLiteral("editor"));
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->moveCursor(QTextCursor::Start);
    go_to(requests.start_place());
    new ClauseHighlighter(editor_->document());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    add_menu();
    layout->addWidget(editor_);
    resize(820, 560);
}

void EditorWindow::go_to(TextPlace place) {
    const QTextBlock block = editor_->document()->findBlockByNumber(place.line - 1);
    if (place.line < 1 || !block.isValid()) {
        return;
    }
    QTextCursor cursor(block);
    const int column = std::clamp(place.column - 1, 0, block.length() - 1);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    editor_->setTextCursor(cursor);
    editor_->centerCursor();
}

void EditorWindow::add_menu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [&](const char* caption, QKeySequence keys, auto slot) {
        QAction* action = bar->addAction(QString::fromUtf8(caption));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* undo = add("Cofnij", QKeySequence::Undo, [this] { editor_->undo(); });
    QAction* redo = add("Ponów", QKeySequence::Redo, [this] { editor_->redo(); });
    add("Wytnij", QKeySequence::Cut, [this] { editor_->cut(); });
    add("Kopiuj", QKeySequence::Copy, [this] { editor_->copy(); });
    add("Wklej", QKeySequence::Paste, [this] { editor_->paste(); });
    add("Usuń", QKeySequence::Delete, [this] { editor_->textCursor().removeSelectedText(); });
    add("Save as", QKeySequence::SaveAs, [this] { save_as(); });
    add("Save", QKeySequence::Save, [this] { save(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(editor_, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
    connect(editor_, &QPlainTextEdit::redoAvailable, redo, &QAction::setEnabled);
}

std::string EditorWindow::text() const {
    const QString text = editor_->toPlainText();
    if (cp1250_) {
        if (auto bytes = to_cp1250(text)) {
            return *std::move(bytes);
        }
    }
    return from_qstring(text);
}

void EditorWindow::save() {
    if (requests_.save(text())) {
        accept();
    }
}

void EditorWindow::save_as() {
    if (requests_.save_as(text())) {
        accept();
    }
}

void EditorWindow::reject() {
    if (requests_.close(text())) {
        QDialog::reject();
    }
}

void GuiDialogs::edit_text(const std::string& title, const std::string& path,
                           const std::string& text, EditorRequests& requests) {
    (void)path; // the core saves; the window only shows the text
    EditorWindow window(host_.dialog_parent(), to_qstring(title), text, requests);
    run_modal(window);
}

} // namespace orve::gui
