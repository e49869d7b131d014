#include "message_window.hpp"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextCursor>

namespace orve::gui {

MessageWindow::MessageWindow(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setMaximumBlockCount(kMessageLineLimit);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setObjectName(QStringLiteral("messageWindow"));
}

void MessageWindow::append_text(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

} // namespace orve::gui
