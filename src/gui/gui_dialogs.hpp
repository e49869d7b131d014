// The Dialogs contract on the desktop: every question is a real modal dialogue,
// the message window and the menu belong to the main window (WindowHost).
#pragma once

#include "report/dialogs.hpp"
#include "window_host.hpp"

#include <memory>

class QProgressDialog;

namespace orve::gui {

class SoundPlayer;

class GuiDialogs : public Dialogs {
  public:
    explicit GuiDialogs(WindowHost& host);
    ~GuiDialogs() override;
    GuiDialogs(const GuiDialogs&) = delete;
    GuiDialogs& operator=(const GuiDialogs&) = delete;

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

    void msg_append(const std::string& text) override;
    void msg_clear() override;
    void msg_recreate() override;

    int radio_choice(const RadioChoice& dialog) override;
    int pick_fact(const PickList& dialog) override;
    std::vector<int> pick_facts(const PickList& dialog) override;
    void message_list(const std::string& heading, const std::vector<std::string>& lines) override;
    std::string argument_value(const std::string& argument) override;
    std::optional<int> pick_line(const PickList& dialog) override;

    void show_text(const std::string& title, const std::string& text) override;
    void show_headed_text(const std::string& title, const std::string& heading,
                          const std::string& text) override;
    void show_list(const std::string& title, const std::vector<std::string>& lines) override;
    void show_sections(const std::string& title, const std::vector<ListSection>& sections) override;
    void browse_records(const RecordBrowser& browser) override;
    void show_picture(const std::string& title, const std::string& path) override;
    void play_sound(const std::string& path) override;
    void open_document(const std::string& path) override;
    void show_help(const std::string& path) override;
    void edit_text(const std::string& title, const std::string& path, const std::string& text,
                   EditorRequests& requests) override;

    void progress_begin(const std::string& title) override;
    bool progress_step(long long done, long long total) override;
    void progress_end() override;

    void set_main_title(const std::string& title) override;
    void command_state_changed(int id, bool enabled) override;

    // While true, a picture shown goes to the main window's welcome window.
    void set_welcome(bool welcome) { welcome_ = welcome; }

    // Replaces the sound player (by default the desktop's, made for the first sound).
    void set_sound_player(std::unique_ptr<SoundPlayer> player);

  private:
    // The "End" button was pressed: asks `question`; Yes ends the program.
    void confirm_end(const std::string& question);
    std::string file_dialog(bool save, const std::string& mask,
                            const std::vector<FileFilter>& filters, const std::string& title);

    WindowHost& host_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<QProgressDialog> progress_;
    bool welcome_ = false;
};

} // namespace orve::gui
