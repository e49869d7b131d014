// The Dialogs of a run without a person: it opens the file it is given, accepts
// every test offer and keeps the notes and texts instead of showing them.
#pragma once

#include "report/dialogs.hpp"

#include <string>
#include <vector>

namespace orve {

// A note or text window the logic showed.
struct CollectedNote {
    std::string title;
    std::string text;
};

class CollectingDialogs final : public Dialogs {
  public:
    // The answer of the next open-file dialogue.
    void set_file(std::string path) { file_ = std::move(path); }
    // True while the file set is not yet taken by an open-file dialogue.
    bool file_pending() const { return !file_.empty(); }
    // Yes/No questions whose text contains `part` are answered No; every other
    // one Yes. Empty: every question is answered Yes.
    void set_declined(std::string part) { declined_ = std::move(part); }
    const std::vector<CollectedNote>& notes() const { return notes_; }
    void clear_notes() { notes_.clear(); }

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
    void msg_append(const std::string& text) override { (void)text; }
    void msg_clear() override {}
    void msg_recreate() override {}
    int radio_choice(const RadioChoice& dialog) override { return dialog.preselected; }
    int pick_fact(const PickList& dialog) override;
    std::vector<int> pick_facts(const PickList& dialog) override;
    void message_list(const std::string& heading, const std::vector<std::string>& lines) override;
    std::string argument_value(const std::string& argument) override;
    std::optional<int> pick_line(const PickList& dialog) override;
    void show_text(const std::string& title, const std::string& text) override;
    void show_list(const std::string& title, const std::vector<std::string>& lines) override;
    void show_picture(const std::string& title, const std::string& path) override;
    void play_sound(const std::string& path) override { (void)path; }
    void open_document(const std::string& path) override { (void)path; }
    void set_main_title(const std::string& title) override { (void)title; }
    void command_state_changed(int id, bool enabled) override;

  private:
    std::string file_;
    std::string declined_;
    std::vector<CollectedNote> notes_;
};

} // namespace orve
