// The window operations of the terminal's Dialogs: the message window, the
// inspection windows, media and the main window's title.
#include "bmp_info.hpp"
#include "terminal_dialogs.hpp"

#include <filesystem>

namespace orve::cli {

void TerminalDialogs::msg_append(const std::string& text) {
    io_.write_display(text);
}

void TerminalDialogs::msg_clear() {
    io_.begin_line();
    io_.write_line("----- message window cleared -----");
}

void TerminalDialogs::msg_recreate() {
    io_.begin_line();
    io_.write_line("----- message window re-created -----");
}

void TerminalDialogs::show_text(const std::string& title, const std::string& text) {
    begin_block("Text", title);
    print_text(text);
    end_block("text");
}

// The advice and abstract dialogues: the heading line, then the whole text.
void TerminalDialogs::show_headed_text(const std::string& title, const std::string& heading,
                                       const std::string& text) {
    begin_block("Dialogue", title);
    print_text(heading);
    print_text(text);
    end_block("dialogue");
}

// The askables inspection window: its title line, then one name per line.
void TerminalDialogs::show_list(const std::string& title, const std::vector<std::string>& lines) {
    begin_block("Inspection of askables", title);
    for (const auto& line : lines) {
        print_text(line);
    }
    end_block("inspection of askables");
}

void TerminalDialogs::show_picture(const std::string& title, const std::string& path) {
    begin_block("Picture", title);
    io_.write_display(path);
    if (const auto size = read_bmp_size(path)) {
        io_.write_line(": " + std::to_string(size->width) + " x " + std::to_string(size->height) +
                       " pixels");
    } else {
        io_.write_line(": cannot be shown (not a readable .bmp file)");
    }
    end_block("picture");
}

void TerminalDialogs::play_sound(const std::string& path) {
    io_.begin_line();
    io_.write("=== Sound: ");
    io_.write_display(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        io_.write_line(" (file not found) ===");
    } else if (const auto player = programs_.play_sound(path)) {
        io_.write_line(" (playing with " + *player + ") ===");
    } else {
        io_.write_line(" (no sound player found) ===");
    }
}

void TerminalDialogs::open_document(const std::string& path) {
    io_.begin_line();
    io_.write("=== Document: ");
    io_.write_display(path);
    io_.write_line(programs_.open_document(path) ? " (opened with xdg-open) ===" : " ===");
}

void TerminalDialogs::set_main_title(const std::string& title) {
    io_.begin_line();
    io_.write("[title] ");
    io_.write_display(title);
    io_.write("\n");
}

void TerminalDialogs::command_state_changed(int, bool) {}

} // namespace orve::cli
