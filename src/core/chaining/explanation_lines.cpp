#include "chaining/explanation_lines.hpp"

#include <utility>

namespace orve {

Display display_of(int semaphor) {
    if (semaphor == 1) {
        return Display::Explain;
    }
    return semaphor == 0 ? Display::Silent : Display::Refuse;
}

ExplanationLines::ExplanationLines(AppState& state, Dialogs& ui, std::string title)
    : ui_(ui), out_(state.report, ui), title_(std::move(title)) {}

void ExplanationLines::line(const std::string& written, const std::string& shown) {
    out_.pisz(written);
    out_.piszcr();
    shown_.push_back(shown);
}

void ExplanationLines::last(const std::string& text) {
    out_.pisz(text);
    shown_.push_back(text);
}

void ExplanationLines::show() const {
    ui_.message_list(title_, shown_);
}

} // namespace orve
