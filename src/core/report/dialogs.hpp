// The one seam between the logic and a front end: every question, note, file
// dialogue, message-window write and window operation of the logic goes through
// this interface. The terminal front end, the desktop front end and the tests'
// scripted double implement it.
#pragma once

#include "report/record_browser.hpp"

#include <optional>
#include <string>
#include <vector>

namespace orve {

// Thrown by a front end when the user confirmed closing the program from inside a
// dialogue (an "End" button, or the end of the terminal's input). The core lets it
// pass untouched; the front end's main loop catches it and ends the program.
struct ProgramClosed {};

// One (description, pattern) pair of a file dialogue's filter list.
struct FileFilter {
    std::string description;
    std::string pattern;
};

// The three two-choice dialogues with radio buttons ("Level of detail",
// "Fact declaration mode", "Type of hypothesis").
struct RadioChoice {
    std::string title;
    std::string prompt;
    std::string first;
    std::string second;
    int preselected = 1; // 1 or 2
};

// Answer of the "Pick a fact", "Pick facts" and "Argument value" dialogues when
// the user pressed "&Continue" / "&OK". Pressing "End" never returns: it asks the
// close question and either ends the program or stays in the dialogue.
struct PickList {
    std::string title;
    std::string prompt;
    std::vector<std::string> lines;
};

// One heading with the lines under it, a part of a window of headed lists.
struct ListSection {
    std::string heading;
    std::vector<std::string> lines;
};

// What the base editor window asks of the logic: its "Save" and "Save as"
// commands and its close box. Each returns true when the window is to close;
// false keeps the window open with the text as it is (a cancelled "Save as",
// a file that could not be written).
// A place in a text: 1-based line and column; line 0 is the start of the text.
struct TextPlace {
    int line = 0;
    int column = 0;
};

class EditorRequests {
  public:
    virtual ~EditorRequests() = default;
    // Where the window puts the cursor when it opens: the syntax error that
    // stopped the file's last load, or the start of the text.
    virtual TextPlace start_place() const { return {}; }
    // "Save": writes the whole text to the edited file.
    virtual bool save(const std::string& text) = 0;
    // "Save as": asks for a file name and writes the whole text to it.
    virtual bool save_as(const std::string& text) = 0;
    // The close box: asks whether to save the text first.
    virtual bool close(const std::string& text) = 0;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // --- general dialogue operations ---

    // `dlg_Ask`: returns the 1-based position of the pressed button; closing the
    // dialogue answers with the last button.
    virtual int ask(const std::string& title, const std::string& text,
                    const std::vector<std::string>& buttons) = 0;
    // `dlg_MessageBox` with Yes (default) and No: true for Yes.
    virtual bool yes_no(const std::string& title, const std::string& text) = 0;
    // `dlg_Note`: an empty title means a note without title.
    virtual void note(const std::string& title, const std::string& text) = 0;
    // `dlg_GetStr`: the edited text.
    virtual std::string get_text(const std::string& title, const std::string& prompt,
                                 const std::string& initial) = 0;
    // `dlg_GetOpenFileName` / `dlg_GetSaveFileName`: the chosen file name, or
    // the empty text when cancelled.
    virtual std::string open_file(const std::string& mask, const std::vector<FileFilter>& filters,
                                  const std::string& title) = 0;
    virtual std::string save_file(const std::string& mask, const std::vector<FileFilter>& filters,
                                  const std::string& title) = 0;

    // --- message window ---

    // Appends text at the end of the message window; no line break is added.
    virtual void msg_append(const std::string& text) = 0;
    // `msg_Clear`: removes all text of the message window.
    virtual void msg_clear() = 0;
    // Closes the message window if open and creates it anew (empty).
    virtual void msg_recreate() = 0;

    // --- the system's own modal dialogues ---

    // Returns 1 or 2.
    virtual int radio_choice(const RadioChoice& dialog) = 0;
    // "Pick a fact": the 1-based position of the selected line.
    virtual int pick_fact(const PickList& dialog) = 0;
    // "Pick facts": 0-based indices of the selected lines in list order.
    virtual std::vector<int> pick_facts(const PickList& dialog) = 0;
    // "Message": a heading and a list of lines; continues by itself.
    virtual void message_list(const std::string& heading,
                              const std::vector<std::string>& lines) = 0;
    // "Argument value": the text typed in the entry field.
    virtual std::string argument_value(const std::string& argument) = 0;
    // A pick list of the media, rule-pick and data-source dialogues: the 1-based
    // position, or nothing when cancelled.
    virtual std::optional<int> pick_line(const PickList& dialog) = 0;

    // --- window operations ---

    // The read-only text inspection window.
    virtual void show_text(const std::string& title, const std::string& text) = 0;
    // A modal dialogue with a one-line heading field, a read-only text field and
    // "&Continue" (the advice and abstract dialogues). Front ends without a
    // dialogue of their own show it as a text window.
    virtual void show_headed_text(const std::string& title, const std::string& heading,
                                  const std::string& text) {
        show_text(title, heading + "\n" + text);
    }
    // The askables inspection window: a title line and a list of names.
    virtual void show_list(const std::string& title, const std::vector<std::string>& lines) = 0;
    // A read-only window of headed lists that "&OK" closes (the imported facts
    // inspection). Front ends without a window of their own show it as text.
    virtual void show_sections(const std::string& title, const std::vector<ListSection>& sections) {
        std::string text;
        for (const auto& section : sections) {
            text += section.heading + "\n";
            for (const auto& line : section.lines) {
                text += "    " + line + "\n";
            }
        }
        show_text(title, text);
    }
    // A record browser: the user picks clause numbers from the list and sees each
    // clause's fields (`RecordBrowser::find`) until closing it. Front ends without
    // a browser of their own show every clause as text.
    virtual void browse_records(const RecordBrowser& browser) {
        show_text(browser.title, browser_as_text(browser));
    }
    // Shows a picture file (scaled into a dialogue) / plays a sound file without
    // waiting; both are best effort.
    virtual void show_picture(const std::string& title, const std::string& path) = 0;
    virtual void play_sound(const std::string& path) = 0;
    // Opens a help or other document with the platform's opener.
    virtual void open_document(const std::string& path) = 0;
    // Help: the user guide. Front ends without a document viewer of their own
    // hand it to the opener.
    virtual void show_help(const std::string& path) { open_document(path); }
    // The base editor window on `text`, the contents of the file `path`, titled
    // `title`. The user's "Save", "Save as" and close requests go to `requests`;
    // returns once the window has closed. Front ends without an editor show
    // the text and close the window without saving.
    virtual void edit_text(const std::string& title, const std::string& path,
                           const std::string& text, EditorRequests& requests) {
        (void)path;
        (void)requests;
        show_text(title, text);
    }
    // --- progress of long work ---

    // A long test (a verification test, flattening all rules) starts: `title`
    // names it. Front ends show a cancellable progress indicator.
    virtual void progress_begin(const std::string& title) { (void)title; }
    // `done` of `total` steps are finished (`total` 0: unknown). Returns false
    // when the user asked to cancel; the work then stops and leaves no verdict.
    virtual bool progress_step(long long done, long long total) {
        (void)done;
        (void)total;
        return true;
    }
    // The long test ended (finished or cancelled).
    virtual void progress_end() {}

    // The main window's title changed.
    virtual void set_main_title(const std::string& title) = 0;
    // A menu command was enabled or disabled.
    virtual void command_state_changed(int id, bool enabled) = 0;
};

} // namespace orve
