// The writer of the diagnostic reports of the verification commands: each
// report line goes to the message window and the report buffer, and the note
// that repeats it for the user is collected beside it.
#pragma once

#include "report/report_writer.hpp"

#include <functional>
#include <string>

namespace orve {

class DiagnosticReport {
  public:
    // `title` heads the notes of the parts that name no title of their own.
    DiagnosticReport(ReportBuffer& buffer, Dialogs& ui, std::string title);

    // Writes `text`, a line break and `blank` more line breaks.
    DiagnosticReport& line(const std::string& text, int blank = 0);
    // Writes `text` as line() does and adds `note` to the collected note.
    DiagnosticReport& line(const std::string& text, const std::string& note, int blank = 0);
    // Adds `note` to the collected note without writing anything.
    DiagnosticReport& note(const std::string& note);
    // Shows the collected note under the report's title (or `title`) and
    // starts a new one.
    void show_note();
    void show_note(const std::string& title);
    // Shows the collected note only when `shown`; starts a new one either way.
    void show_note_if(bool shown);

    // The opening of a report on one base: `text`, the base name after a
    // blank, and an empty line.
    void opening(const std::string& text, const std::string& name);
    // The closing of a report on one base: an empty line, `text`, and the base
    // name after a blank with a full stop, the report's last line left open.
    void closing(const std::string& text, const std::string& name);

    // The whole report: empties the buffer, writes the parts and offers to
    // save the buffer. False when the save was cancelled or failed.
    bool write(const std::function<void()>& parts);

    ReportWriter& out() { return out_; }
    Dialogs& ui() { return out_.ui(); }

  private:
    ReportWriter out_;
    std::string title_;
    std::string note_;
};

} // namespace orve
