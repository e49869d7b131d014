// What the dialogues need of the main window: a parent for modal windows, the
// message window, the title and the menu's command states.
#pragma once

#include <QString>

class QWidget;

namespace orve::gui {

class MessageWindow;

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The parent of every modal dialogue.
    virtual QWidget* dialog_parent() = 0;
    // The message window, created anew by recreate_messages().
    virtual MessageWindow& messages() = 0;
    // Closes the message window and opens it anew, empty.
    virtual void recreate_messages() = 0;
    // Opens the welcome window titled `title`, drawing the picture `path`.
    virtual void show_welcome(const QString& title, const QString& path) = 0;
    // Sets the main window's title.
    virtual void set_title(const QString& title) = 0;
    // Enables or disables a menu command (and its toolbar button).
    virtual void set_command_enabled(int id, bool enabled) = 0;
};

} // namespace orve::gui
