// The lines of a model explanation: written to the message window and the
// report, and collected for the "Message" dialogue that shows them.
#pragma once

#include "report/dialogs.hpp"
#include "report/report_writer.hpp"
#include "state/app_state.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace orve {

// The model of the list with this number and result or conclusion.
template <typename Model>
const Model* find_model(const std::vector<Model>& models, int number, const std::string& result) {
    const auto found = std::find_if(models.begin(), models.end(), [&](const Model& m) {
        return m.number == number && m.result == result;
    });
    return found == models.end() ? nullptr : &*found;
}

// What the display semaphor of a model asks for.
enum class Display { Explain, Silent, Refuse };

// 1 explains, 0 stays silent, any other value refuses.
Display display_of(int semaphor);

class ExplanationLines {
  public:
    ExplanationLines(AppState& state, Dialogs& ui, std::string title);

    // Writes the text and a line break; the dialogue shows the text.
    void line(const std::string& text) { line(text, text); }
    // Writes `written` and a line break; the dialogue shows `shown`.
    void line(const std::string& written, const std::string& shown);
    // Writes the text without a line break; the dialogue shows it.
    void last(const std::string& text);
    // Writes a line break that the dialogue does not show.
    void line_break() { out_.piszcr(); }
    // Opens the "Message" dialogue with the title and the collected lines.
    void show() const;

    ReportWriter& out() { return out_; }

  private:
    Dialogs& ui_;
    ReportWriter out_;
    std::string title_;
    std::vector<std::string> shown_;
};

} // namespace orve
