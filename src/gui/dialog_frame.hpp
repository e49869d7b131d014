// The frame of the system's own modal dialogues: a column of fields above a row
// of buttons, each button closing the dialogue with its own result code.
#pragma once

#include <QDialog>

class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace orve::gui {

// Result codes of the buttons; 0 (QDialog::Rejected) is the close box.
inline constexpr int kContinueCode = 1;
inline constexpr int kEndCode = 2;

class DialogFrame : public QDialog {
  public:
    DialogFrame(QWidget* parent, const QString& title);

    // The column above the buttons.
    QVBoxLayout* body() { return body_; }
    // Adds a button that closes the dialogue with `code`.
    QPushButton* add_button(const QString& caption, int code);
    // Adds a line of plain text.
    void add_label(const QString& text);
    // Adds a one-line read-only field showing `text`.
    QLineEdit* add_read_only_line(const QString& text);
    // Adds a list of `lines`, one per row.
    QListWidget* add_list(const QStringList& lines);

  private:
    QVBoxLayout* body_;
    QHBoxLayout* buttons_;
};

} // namespace orve::gui
