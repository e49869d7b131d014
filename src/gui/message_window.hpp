// The scrolling read-only message window of the main window. It keeps the last
// lines only, as the running text of a long session would otherwise grow without
// end.
#pragma once

#include <QPlainTextEdit>

namespace orve::gui {

// Lines the message window keeps; older lines are dropped from the top.
inline constexpr int kMessageLineLimit = 100;

class MessageWindow : public QPlainTextEdit {
  public:
    explicit MessageWindow(QWidget* parent = nullptr);

    // Appends text at the end, adding no line break, and scrolls to it.
    void append_text(const QString& text);
};

} // namespace orve::gui
