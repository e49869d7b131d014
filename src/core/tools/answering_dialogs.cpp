#include "tools/answering_dialogs.hpp"

#include <utility>

namespace orve {

namespace {

// The condition a question asks about: the question without its "?".
std::string asked_condition(const std::string& question) {
    if (!question.empty() && question.back() == '?') {
        return question.substr(0, question.size() - 1);
    }
    return question;
}

std::string quoted(const std::string& name) {
    return "'" + name + "'";
}

} // namespace

AnsweringDialogs::AnsweringDialogs(const AnswerTable& answers,
                                   std::function<void(const std::string&)> output)
    : answers_(answers), output_(std::move(output)) {}

void AnsweringDialogs::stop(StopKind kind, const std::string& text) {
    stop_kind_ = kind;
    stop_text_ = text;
    throw ProgramClosed{};
}

bool AnsweringDialogs::condition_answer(const std::string& condition) {
    const std::string* value = answers_.find(condition);
    if (value == nullptr) {
        stop(StopKind::MissingAnswer,
             "The run needs an answer to the condition " + quoted(condition) + " (yes or no).");
    }
    const auto answer = yes_no_answer(*value);
    if (!answer) {
        stop(StopKind::UnusableAnswer, "The answer to the condition " + quoted(condition) +
                                           " must be yes or no, not " + quoted(*value) + ".");
    }
    return *answer;
}

int AnsweringDialogs::ask(const std::string& title, const std::string& text,
                          const std::vector<std::string>& buttons) {
    if (title == "Is the condition true?") {
        return condition_answer(asked_condition(text)) ? 1 : 2;
    }
    return static_cast<int>(buttons.size());
}

bool AnsweringDialogs::yes_no(const std::string& title, const std::string& text) {
    if (title == "The condition is true?") {
        return condition_answer(asked_condition(text));
    }
    return accept_offers;
}

void AnsweringDialogs::note(const std::string& title, const std::string& text) {
    notes_.push_back(title.empty() ? text : title + ": " + text);
}

std::string AnsweringDialogs::open_file(const std::string&, const std::vector<FileFilter>&,
                                        const std::string&) {
    return std::exchange(file_to_open, std::string());
}

void AnsweringDialogs::msg_append(const std::string& text) {
    if (output_) {
        output_(text);
    }
}

int AnsweringDialogs::radio_choice(const RadioChoice& dialog) {
    // Questions one by one, every conclusion as a hypothesis, the low level of
    // detail: every fired rule and model is still explained.
    if (dialog.title == "Fact declaration mode" || dialog.title == "Type of hypothesis") {
        return 2;
    }
    return 1;
}

int AnsweringDialogs::pick_true_condition(const PickList& dialog) {
    for (std::size_t i = 0; i < dialog.lines.size(); ++i) {
        const std::string* value = answers_.find(dialog.lines[i]);
        if (value != nullptr && yes_no_answer(*value) == true) {
            return static_cast<int>(i) + 1;
        }
    }
    std::string names;
    for (const auto& line : dialog.lines) {
        names += (names.empty() ? "" : ", ") + quoted(line);
    }
    stop(StopKind::MissingAnswer, "The run needs one of the conditions " + names +
                                      " answered yes: at most one of them is true.");
}

int AnsweringDialogs::pick_hypothesis(const PickList& dialog) {
    for (std::size_t i = 0; i < dialog.lines.size(); ++i) {
        if (dialog.lines[i] == hypothesis) {
            return static_cast<int>(i) + 1;
        }
    }
    stop(StopKind::NoHypothesis,
         quoted(hypothesis) + " is not a conclusion that backward chaining can verify.");
}

int AnsweringDialogs::pick_fact(const PickList& dialog) {
    if (dialog.title == "Pick the true condition!") {
        return pick_true_condition(dialog);
    }
    if (dialog.title == "Wide-sense hypotheses" || dialog.title == "Narrow-sense hypotheses") {
        return pick_hypothesis(dialog);
    }
    return 1;
}

std::string AnsweringDialogs::argument_value(const std::string& argument) {
    const std::string* value = answers_.find(argument);
    if (value == nullptr) {
        stop(StopKind::MissingAnswer,
             "The run needs a value of the argument " + quoted(argument) + ".");
    }
    // Asked again: the value was refused (or removed as erroneous data), and
    // the table has no other to give.
    if (++argument_asks_[argument] > 1) {
        stop(StopKind::UnusableAnswer, "The value " + quoted(*value) + " of the argument " +
                                           quoted(argument) + " was not accepted.");
    }
    return *value;
}

} // namespace orve
