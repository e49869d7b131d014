#include "dialog_frame.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orve::gui {

DialogFrame::DialogFrame(QWidget* parent, const QString& title)
    : QDialog(parent), body_(new QVBoxLayout), buttons_(new QHBoxLayout) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body_, 1);
    buttons_->addStretch(1);
    layout->addLayout(buttons_);
}

QPushButton* DialogFrame::add_button(const QString& caption, int code) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
    buttons_->addWidget(button);
    if (buttons_->count() == 2) {
        button->setDefault(true); // the first button answers Enter
    }
    return button;
}

void DialogFrame::add_label(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    body_->addWidget(label);
}

QLineEdit* DialogFrame::add_read_only_line(const QString& text) {
    auto* line = new QLineEdit(text, this);
    line->setReadOnly(true);
    line->setCursorPosition(0);
    body_->addWidget(line);
    return line;
}

QListWidget* DialogFrame::add_list(const QStringList& lines) {
    auto* list = new QListWidget(this);
    list->addItems(lines);
    body_->addWidget(list, 1);
    return list;
}

} // namespace orve::gui
