#include "report/diagnostic_report.hpp"

#include "report/report_save.hpp"

#include <utility>

namespace orve {

DiagnosticReport::DiagnosticReport(ReportBuffer& buffer, Dialogs& ui, std::string title)
    : out_(buffer, ui), title_(std::move(title)) {}

DiagnosticReport& DiagnosticReport::line(const std::string& text, int blank) {
    out_.pisz(text);
    for (int i = 0; i <= blank; ++i) {
        out_.piszcr();
    }
    return *this;
}

DiagnosticReport& DiagnosticReport::line(const std::string& text, const std::string& note,
                                         int blank) {
    line(text, blank);
    return this->note(note);
}

DiagnosticReport& DiagnosticReport::note(const std::string& note) {
    note_ += note;
    return *this;
}

void DiagnosticReport::show_note() {
    show_note(title_);
}

void DiagnosticReport::show_note(const std::string& title) {
    ui().note(title, std::exchange(note_, {}));
}

void DiagnosticReport::show_note_if(bool shown) {
    if (shown) {
        show_note();
    }
    note_.clear();
}

void DiagnosticReport::opening(const std::string& text, const std::string& name) {
    line(text);
    line(" " + name, 1);
}

void DiagnosticReport::closing(const std::string& text, const std::string& name) {
    out_.piszcr();
    line(text);
    out_.pisz(" " + name + ".");
}

bool DiagnosticReport::write(const std::function<void()>& parts) {
    kasowanie_tekst_raportu(out_.buffer());
    parts();
    return raport(out_);
}

} // namespace orve
