// The base editor window: the whole file in an editor with its own menu (undo,
// redo, cut, copy, paste, delete, "Save as", "Save"); saving and the close box
// go to the core's EditorRequests, which decide whether the window closes.
#pragma once

#include "dialog_frame.hpp"
#include "report/dialogs.hpp"

class QPlainTextEdit;

namespace orve::gui {

class EditorWindow : public QDialog {
  public:
    EditorWindow(QWidget* parent, const QString& title, const std::string& text,
                 EditorRequests& requests);

    // The text as it stands in the editor, for the core: in the file's own
    // encoding (UTF-8, or code page 1250 as it was read).
    std::string text() const;
    QPlainTextEdit* editor() { return editor_; }

    // "Save" and "Save as": close the window when the core says so.
    void save();
    void save_as();
    // The close box (and Escape): the core asks whether to save first.
    void reject() override;

  private:
    void add_menu();
    // Puts the cursor at a 1-based line and column, when the text has that line.
    void go_to(TextPlace place);

    EditorRequests& requests_;
    bool cp1250_; // the file was not UTF-8: saved back in code page 1250 when possible
    QPlainTextEdit* editor_;
};

} // namespace orve::gui
