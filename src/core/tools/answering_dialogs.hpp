// A Dialogs implementation without a user: a consultation whose questions are
// answered from an answer table, and loading whose test offers are all
// accepted or all declined. Every other dialogue takes its closing choice
// (No, Cancel, the last button), so nothing is saved and nothing is shown.
#pragma once

#include "report/dialogs.hpp"
#include "tools/answer_table.hpp"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orve {

// Why a run without a user was stopped.
enum class StopKind {
    None,
    MissingAnswer,  // the run needs an answer the table lacks
    UnusableAnswer, // the table's answer does not fit the question
    NoHypothesis,   // the hypothesis to verify is not offered by the base
};

class AnsweringDialogs : public Dialogs {
  public:
    // `output` receives every message-window write; none: they are dropped.
    explicit AnsweringDialogs(const AnswerTable& answers,
                              std::function<void(const std::string&)> output = {});

    // Yes to every other Yes/No question (the test offers of loading); No by
    // default.
    bool accept_offers = false;
    // The answer of the next open-file dialogue.
    std::string file_to_open;
    // The hypothesis a backward run is to verify.
    std::string hypothesis;

    // Why the run was stopped, and the text saying so (names the question).
    StopKind stop_kind() const { return stop_kind_; }
    const std::string& stop_text() const { return stop_text_; }
    // The notes shown, in order (a refused load says why only in a note).
    const std::vector<std::string>& notes() const { return notes_; }

    int ask(const std::string& title, const std::string& text,
            const std::vector<std::string>& buttons) override;
    bool yes_no(const std::string& title, const std::string& text) override;
    void note(const std::string& title, const std::string& text) override;
    std::string get_text(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string open_file(const std::string& mask, const std::vector<FileFilter>& filters,
                          const std::string& title) override;
    std::string save_file(const std::string&, const std::vector<FileFilter>&,
                          const std::string&) override {
        return {};
    }
    void msg_append(const std::string& text) override;
    void msg_clear() override {}
    void msg_recreate() override {}
    int radio_choice(const RadioChoice& dialog) override;
    int pick_fact(const PickList& dialog) override;
    std::vector<int> pick_facts(const PickList&) override { return {}; }
    void message_list(const std::string&, const std::vector<std::string>&) override {}
    std::string argument_value(const std::string& argument) override;
    std::optional<int> pick_line(const PickList&) override { return std::nullopt; }
    void show_text(const std::string&, const std::string&) override {}
    void show_list(const std::string&, const std::vector<std::string>&) override {}
    void show_picture(const std::string&, const std::string&) override {}
    void play_sound(const std::string&) override {}
    void open_document(const std::string&) override {}
    void set_main_title(const std::string&) override {}
    void command_state_changed(int, bool) override {}

  private:
    // Records why the run stops and ends it like an "End" button.
    [[noreturn]] void stop(StopKind kind, const std::string& text);
    // The yes or no of the table for a condition; stops when there is none.
    bool condition_answer(const std::string& condition);
    int pick_true_condition(const PickList& dialog);
    int pick_hypothesis(const PickList& dialog);

    const AnswerTable& answers_;
    std::function<void(const std::string&)> output_;
    std::map<std::string, int> argument_asks_;
    std::vector<std::string> notes_;
    StopKind stop_kind_ = StopKind::None;
    std::string stop_text_;
};

} // namespace orve
