// The tests' double of the Dialogs interface: answers from a queue and records
// every call. An empty queue at a dialogue that waits ends the program (throws
// ProgramClosed), as the end of input does in the terminal front end.
#pragma once

#include "report/dialogs.hpp"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace orve::test {

struct Note {
    std::string title;
    std::string text;
    bool operator==(const Note&) const = default;
};

// One "Message" dialogue as shown.
struct MessageList {
    std::string heading;
    std::vector<std::string> lines;
    bool operator==(const MessageList&) const = default;
};

class ScriptedDialogs : public Dialogs {
  public:
    // Answers, one per waiting dialogue, in the form of the terminal front end:
    // "y"/"n" for Yes/No, "1".."3" for buttons, radio choices and pick lists, a
    // file name or "" (cancel) for file dialogues, "1 3" for "Pick facts".
    // The editor window reads one answer per request until one closes it:
    // "save", "save_as" or "close", each optionally followed by ":" and the
    // text as edited (else the text stays as it is); "" is "close"; "gone"
    // closes the window without a request.
    std::deque<std::string> answers;

    std::string window;                // message window text since the last clear
    std::string all_output;            // every message-window write, clears ignored
    std::vector<Note> notes;           // notes in call order
    std::vector<std::string> log;      // one line per call: "kind: title | text"
    std::vector<MessageList> messages; // "Message" dialogues in call order
    std::vector<PickList> pick_lines;  // pick-line dialogues in call order
    std::string main_title;
    std::map<int, bool> command_changes; // last state reported per command
    std::vector<std::string> edited;     // the text each editor window opened with

    // Record browsers in call order; a test picks numbers through `find`.
    std::vector<RecordBrowser> browsers;
    // Progress of long tests, kept apart from `log`: "begin: <title>" and
    // "end" in call order, and the number of steps reported. The step numbered
    // `cancel_at_step` (1 for the first) answers cancel; 0 never cancels.
    std::vector<std::string> progress;
    long long progress_steps = 0;
    long long cancel_at_step = 0;

    void answer(std::initializer_list<std::string> lines) {
        answers.insert(answers.end(), lines.begin(), lines.end());
    }

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
    void edit_text(const std::string& title, const std::string& path, const std::string& text,
                   EditorRequests& requests) override;
    void progress_begin(const std::string& title) override;
    bool progress_step(long long done, long long total) override;
    void progress_end() override;
    void set_main_title(const std::string& title) override;
    void command_state_changed(int id, bool enabled) override;

  private:
    std::string next(const std::string& what);
};

} // namespace orve::test
