// A Dialogs in front of the user's own: passes every call through and notes
// the answers given to the questions of a chaining run in the run's record,
// so that the run can be replayed without the user.
#pragma once

#include "report/dialogs.hpp"
#include "state/run_record.hpp"

#include <string>

namespace orve {

class AnswerRecorder : public Dialogs {
  public:
    AnswerRecorder(Dialogs& user, RunRecord& record) : user_(user), record_(record) {}

    int ask(const std::string& title, const std::string& text,
            const std::vector<std::string>& buttons) override;
    bool yes_no(const std::string& title, const std::string& text) override;
    int pick_fact(const PickList& dialog) override;
    std::vector<int> pick_facts(const PickList& dialog) override;
    std::string argument_value(const std::string& argument) override;

    // Everything else passes through unchanged.
    void note(const std::string& title, const std::string& text) override {
        user_.note(title, text);
    }
    std::string get_text(const std::string& title, const std::string& prompt,
                         const std::string& initial) override {
        return user_.get_text(title, prompt, initial);
    }
    std::string open_file(const std::string& mask, const std::vector<FileFilter>& filters,
                          const std::string& title) override {
        return user_.open_file(mask, filters, title);
    }
    std::string save_file(const std::string& mask, const std::vector<FileFilter>& filters,
                          const std::string& title) override {
        return user_.save_file(mask, filters, title);
    }
    void msg_append(const std::string& text) override { user_.msg_append(text); }
    void msg_clear() override { user_.msg_clear(); }
    void msg_recreate() override { user_.msg_recreate(); }
    int radio_choice(const RadioChoice& dialog) override { return user_.radio_choice(dialog); }
    void message_list(const std::string& heading, const std::vector<std::string>& lines) override {
        user_.message_list(heading, lines);
    }
    std::optional<int> pick_line(const PickList& dialog) override {
        return user_.pick_line(dialog);
    }
    void show_text(const std::string& title, const std::string& text) override {
        user_.show_text(title, text);
    }
    void show_headed_text(const std::string& title, const std::string& heading,
                          const std::string& text) override {
        user_.show_headed_text(title, heading, text);
    }
    void show_list(const std::string& title, const std::vector<std::string>& lines) override {
        user_.show_list(title, lines);
    }
    void show_sections(const std::string& title,
                       const std::vector<ListSection>& sections) override {
        user_.show_sections(title, sections);
    }
    void browse_records(const RecordBrowser& browser) override { user_.browse_records(browser); }
    void show_picture(const std::string& title, const std::string& path) override {
        user_.show_picture(title, path);
    }
    void play_sound(const std::string& path) override { user_.play_sound(path); }
    void open_document(const std::string& path) override { user_.open_document(path); }
    void show_help(const std::string& path) override { user_.show_help(path); }
    void edit_text(const std::string& title, const std::string& path, const std::string& text,
                   EditorRequests& requests) override {
        user_.edit_text(title, path, text, requests);
    }
    void progress_begin(const std::string& title) override { user_.progress_begin(title); }
    bool progress_step(long long done, long long total) override {
        return user_.progress_step(done, total);
    }
    void progress_end() override { user_.progress_end(); }
    void set_main_title(const std::string& title) override { user_.set_main_title(title); }
    void command_state_changed(int id, bool enabled) override {
        user_.command_state_changed(id, enabled);
    }

  private:
    Dialogs& user_;
    RunRecord& record_;
    std::string why_asked_; // the condition whose question was answered WHY?
};

} // namespace orve
