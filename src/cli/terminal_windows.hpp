// The window operations of the terminal's Dialogs: the message window, the
// inspection windows, media and the main window's title.
#pragma once

#include "external_programs.hpp"
#include "terminal_io.hpp"

#include <string>
#include <vector>

namespace orve::cli {

// Writes what the windows would show on the terminal's output and starts the
// media players; TerminalDialogs hands its window operations here.
class TerminalWindows {
  public:
    explicit TerminalWindows(TerminalIo& io) : io_(io) {}

    void msg_append(const std::string& text);
    void msg_clear();
    void msg_recreate();

    void show_text(const std::string& title, const std::string& text);
    // The advice and abstract dialogues: the heading line, then the whole text.
    void show_headed_text(const std::string& title, const std::string& heading,
                          const std::string& text);
    void show_list(const std::string& title, const std::vector<std::string>& lines);
    // The path and the picture's size, or why it cannot be shown.
    void show_picture(const std::string& title, const std::string& path);
    // Starts the sound without waiting for it.
    void play_sound(const std::string& path);
    void open_document(const std::string& path);
    void set_main_title(const std::string& title);
    // The terminal has no menu: command states are not shown.
    void command_state_changed(int id, bool enabled);

  private:
    TerminalIo& io_;
    ExternalPrograms programs_;
};

} // namespace orve::cli
