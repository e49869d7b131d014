// Answers the real dialogues of the desktop front end from a queue of steps,
// one step per dialogue shown. A dialogue beyond the script fails the test and
// is answered so that the program ends, so a wrong script cannot hang.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace orve::gui::test {

class DialogScript {
  public:
    using Step = std::function<void(QDialog&)>;

    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Adds a step; returns the script for chaining.
    DialogScript& then(Step step);
    // Clicks the button with this caption (without its "&").
    DialogScript& click(const QString& caption);
    // Picks the file `name` of the current folder in a file dialogue.
    DialogScript& choose_file(const QString& name);
    // Selects the rows (0-based) of the dialogue's list, then clicks `caption`.
    DialogScript& pick(const std::vector<int>& rows, const QString& caption);
    // Types into the dialogue's entry field, then clicks `caption`.
    DialogScript& type(const QString& text, const QString& caption);
    // Checks the radio button with this caption, then clicks "OK".
    DialogScript& radio(const QString& caption);
    // Closes the dialogue by its close box.
    DialogScript& close_box();

    // Called with every dialogue before its step acts on it.
    void set_observer(Step observer) { observer_ = std::move(observer); }

    // Titles of the dialogues shown so far, in order.
    const QStringList& titles() const { return titles_; }
    // Steps not used yet.
    std::size_t pending() const { return steps_.size(); }

  private:
    void answer(QDialog& dialog);

    std::deque<Step> steps_;
    Step observer_;
    QStringList titles_;
};

} // namespace orve::gui::test
