#include "batch/collecting_dialogs.hpp"

#include <utility>

namespace orve {

int CollectingDialogs::ask(const std::string& title, const std::string& text,
                           const std::vector<std::string>& buttons) {
    (void)title;
    (void)text;
    // As closing the dialogue: the last button, which declines (saving a report).
    return static_cast<int>(buttons.size());
}

bool CollectingDialogs::yes_no(const std::string& title, const std::string& text) {
    (void)title;
    return declined_.empty() || text.find(declined_) == std::string::npos;
}

void CollectingDialogs::note(const std::string& title, const std::string& text) {
    notes_.push_back({title, text});
}

std::string CollectingDialogs::get_text(const std::string& title, const std::string& prompt,
                                        const std::string& initial) {
    (void)title;
    (void)prompt;
    return initial;
}

std::string CollectingDialogs::open_file(const std::string& mask,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& title) {
    (void)mask;
    (void)filters;
    (void)title;
    // A file is opened once: a second dialogue of the same load is cancelled.
    return std::exchange(file_, std::string());
}

std::string CollectingDialogs::save_file(const std::string& mask,
                                         const std::vector<FileFilter>& filters,
                                         const std::string& title) {
    (void)mask;
    (void)filters;
    (void)title;
    return {}; // nothing is written
}

int CollectingDialogs::pick_fact(const PickList& dialog) {
    (void)dialog;
    return 1;
}

std::vector<int> CollectingDialogs::pick_facts(const PickList& dialog) {
    (void)dialog;
    return {};
}

void CollectingDialogs::message_list(const std::string& heading,
                                     const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    notes_.push_back({heading, text});
}

std::string CollectingDialogs::argument_value(const std::string& argument) {
    (void)argument;
    return {};
}

std::optional<int> CollectingDialogs::pick_line(const PickList& dialog) {
    (void)dialog;
    return std::nullopt;
}

void CollectingDialogs::show_text(const std::string& title, const std::string& text) {
    notes_.push_back({title, text});
}

void CollectingDialogs::show_list(const std::string& title, const std::vector<std::string>& lines) {
    message_list(title, lines);
}

void CollectingDialogs::show_picture(const std::string& title, const std::string& path) {
    (void)title;
    (void)path;
}

void CollectingDialogs::command_state_changed(int id, bool enabled) {
    (void)id;
    (void)enabled;
}

} // namespace orve
