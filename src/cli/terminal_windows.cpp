#include "terminal_windows.hpp"

#include "bmp_info.hpp"

#include <filesystem>

namespace orve::cli {

void TerminalWindows::msg_append(const std::string& text) {
    io_.write_display(text);
}

void TerminalWindows::msg_clear() {
    io_.begin_line();
    io_.write_line("----- message window cleared -----");
}

void TerminalWindows::msg_recreate() {
    io_.begin_line();
    io_.write_line("----- message window re-created -----");
}

void TerminalWindows::show_text(const std::string& title, const std::string& text) {
    io_.begin_block("Text", title);
    io_.write_text(text);
    io_.end_block("text");
}

// The advice and abstract dialogues: the heading line, then the whole text.
void TerminalWindows::show_headed_text(const std::string& title, const std::string& heading,
                                       const std::string& text) {
    io_.begin_block("Dialogue", title);
    io_.write_text(heading);
    io_.write_text(text);
    io_.end_block("dialogue");
}

// The askables inspection window: its title line, then one name per line.
void TerminalWindows::show_list(const std::string& title, const std::vector<std::string>& lines) {
    io_.begin_block("Inspection of askables", title);
    for (const auto& line : lines) {
        io_.write_text(line);
    }
    io_.end_block("inspection of askables");
}

void TerminalWindows::show_picture(const std::string& title, const std::string& path) {
    io_.begin_block("Picture", title);
    io_.write_display(path);
    if (const auto size = read_bmp_size(path)) {
        io_.write_line(": " + std::to_string(size->width) + " x " + std::to_string(size->height) +
                       " pixels");
    } else {
        io_.write_line(": cannot be shown (not a readable .bmp file)");
    }
    io_.end_block("picture");
}

void TerminalWindows::play_sound(const std::string& path) {
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

void TerminalWindows::open_document(const std::string& path) {
    io_.begin_line();
    io_.write("=== Document: ");
    io_.write_display(path);
    io_.write_line(programs_.open_document(path) ? " (opened with xdg-open) ===" : " ===");
}

void TerminalWindows::set_main_title(const std::string& title) {
    io_.begin_line();
    io_.write("[title] ");
    io_.write_display(title);
    io_.write("\n");
}

void TerminalWindows::command_state_changed(int, bool) {}

} // namespace orve::cli
