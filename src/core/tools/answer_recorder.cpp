#include "tools/answer_recorder.hpp"

#include <cstddef>

namespace orve {

namespace {

constexpr const char* kYes = "yes";
constexpr const char* kNo = "no";

std::string asked_condition(const std::string& question) {
    if (!question.empty() && question.back() == '?') {
        return question.substr(0, question.size() - 1);
    }
    return question;
}

bool starts_with(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

} // namespace

int AnswerRecorder::ask(const std::string& title, const std::string& text,
                        const std::vector<std::string>& buttons) {
    const int answer = user_.ask(title, text, buttons);
    if (title == "Is the condition true?") {
        const std::string condition = asked_condition(text);
        if (answer == 1 || answer == 2) {
            record_.answer(condition, answer == 1 ? kYes : kNo);
        } else {
            why_asked_ = condition; // asked again after the explanation
        }
    }
    return answer;
}

bool AnswerRecorder::yes_no(const std::string& title, const std::string& text) {
    const bool yes = user_.yes_no(title, text);
    const std::string condition = asked_condition(text);
    const bool why_again = title == "Choose:" && !why_asked_.empty() && condition == why_asked_;
    if (title == "The condition is true?" || why_again) {
        record_.answer(condition, yes ? kYes : kNo);
        why_asked_.clear();
    }
    return yes;
}

int AnswerRecorder::pick_fact(const PickList& dialog) {
    const int picked = user_.pick_fact(dialog);
    const bool constraint = dialog.title == "Pick the true condition!" ||
                            starts_with(dialog.title, "Mutually exclusive conditions for");
    if (constraint && picked >= 1 && static_cast<std::size_t>(picked) <= dialog.lines.size()) {
        record_.answer(dialog.lines[static_cast<std::size_t>(picked) - 1], kYes);
    }
    return picked;
}

std::vector<int> AnswerRecorder::pick_facts(const PickList& dialog) {
    const std::vector<int> picked = user_.pick_facts(dialog);
    std::vector<bool> chosen(dialog.lines.size(), false);
    for (const int index : picked) {
        if (index >= 0 && static_cast<std::size_t>(index) < chosen.size()) {
            chosen[static_cast<std::size_t>(index)] = true;
        }
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        record_.answer(dialog.lines[i], chosen[i] ? kYes : kNo);
    }
    return picked;
}

std::string AnswerRecorder::argument_value(const std::string& argument) {
    std::string value = user_.argument_value(argument);
    record_.answer(argument, value);
    return value;
}

} // namespace orve
