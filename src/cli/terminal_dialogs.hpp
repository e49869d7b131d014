// The Dialogs contract on a terminal: dialogues are printed as text blocks set
// off from the message-window text, and each waiting dialogue reads one answer
// line.
#pragma once

#include "report/dialogs.hpp"
#include "terminal_io.hpp"
#include "terminal_windows.hpp"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace orve::cli {

class TerminalDialogs : public Dialogs {
  public:
    // `interactive`: a person types at a terminal; otherwise answers are echoed.
    // `progress`: where the progress line of long tests goes, or nullptr.
    TerminalDialogs(std::istream& in, std::ostream& out, bool interactive,
                    std::ostream* progress = nullptr)
        : io_(in, out, interactive), progress_(out, progress) {
        io_.set_progress_line(&progress_);
    }
    TerminalDialogs(const TerminalDialogs&) = delete;
    TerminalDialogs& operator=(const TerminalDialogs&) = delete;

    // The streams, for the main prompt.
    TerminalIo& io() { return io_; }

    int ask(const std::string& title, const std::string& text,
            const std::vector<std::string>& buttons) override;
    bool yes_no(const std::string& title, const std::string& text) override;
    void note(const std::string& title, const std::string& text) override;
    std::string get_text(const std::string& title, const std::string& prompt,
                         const std::string& initial) override;
    std::string open_file(const std::string& mask, const std::vector<FileFilter>& filters,
                          const std::string& title) override;
    std::string save_file(const std::string& mask, const std::vector<FileFilter>& filters,
                          const std::string& title) override;

    void msg_append(const std::string& text) override { windows_.msg_append(text); }
    void msg_clear() override { windows_.msg_clear(); }
    void msg_recreate() override { windows_.msg_recreate(); }

    int radio_choice(const RadioChoice& dialog) override;
    int pick_fact(const PickList& dialog) override;
    std::vector<int> pick_facts(const PickList& dialog) override;
    void message_list(const std::string& heading, const std::vector<std::string>& lines) override;
    std::string argument_value(const std::string& argument) override;
    std::optional<int> pick_line(const PickList& dialog) override;

    void show_text(const std::string& title, const std::string& text) override {
        windows_.show_text(title, text);
    }
    void show_headed_text(const std::string& title, const std::string& heading,
                          const std::string& text) override {
        windows_.show_headed_text(title, heading, text);
    }
    void show_list(const std::string& title, const std::vector<std::string>& lines) override {
        windows_.show_list(title, lines);
    }
    void browse_records(const RecordBrowser& browser) override;
    void show_picture(const std::string& title, const std::string& path) override {
        windows_.show_picture(title, path);
    }
    void play_sound(const std::string& path) override { windows_.play_sound(path); }
    void open_document(const std::string& path) override { windows_.open_document(path); }
    void show_help(const std::string& path) override;
    void edit_text(const std::string& title, const std::string& path, const std::string& text,
                   EditorRequests& requests) override;
    void progress_begin(const std::string& title) override { progress_.begin(title); }
    bool progress_step(long long done, long long total) override {
        if (progress_.enabled()) {
            io_.pass_on(); // the text written so far goes before the line is drawn
        }
        progress_.step(done, total);
        return true;
    }
    void progress_end() override { progress_.end(); }
    void set_main_title(const std::string& title) override { windows_.set_main_title(title); }
    void command_state_changed(int id, bool enabled) override {
        windows_.command_state_changed(id, enabled);
    }

  private:
    // "  1 = line" for every line.
    void print_choices(const std::vector<std::string>& lines);
    // Lists of a pick dialogue: title, prompt and numbered lines.
    void print_pick_list(const std::string& kind, const PickList& dialog);
    // The file dialogues share everything but their kind.
    std::string file_dialog(const std::string& kind, const std::string& mask,
                            const std::vector<FileFilter>& filters, const std::string& title);
    // The "End" button: asks the close question; Yes ends the program.
    void press_end(const std::string& question);

    TerminalIo io_;
    ProgressLine progress_;
    TerminalWindows windows_{io_};
};

} // namespace orve::cli
