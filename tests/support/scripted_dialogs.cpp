#include "support/scripted_dialogs.hpp"

#include <sstream>

namespace orve::test {

std::string ScriptedDialogs::next(const std::string& what) {
    if (answers.empty()) {
        log.push_back("end of script at " + what);
        throw ProgramClosed{};
    }
    std::string line = answers.front();
    answers.pop_front();
    return line;
}

int ScriptedDialogs::ask(const std::string& title, const std::string& text,
                         const std::vector<std::string>& buttons) {
    log.push_back("ask: " + title + " | " + text);
    const std::string line = next("ask " + title);
    return line.empty() ? static_cast<int>(buttons.size()) : std::stoi(line);
}

bool ScriptedDialogs::yes_no(const std::string& title, const std::string& text) {
    log.push_back("yes_no: " + title + " | " + text);
    const std::string line = next("yes_no " + title);
    return line.empty() || line == "y" || line == "yes";
}

void ScriptedDialogs::note(const std::string& title, const std::string& text) {
    log.push_back("note: " + title + " | " + text);
    notes.push_back({title, text});
}

std::string ScriptedDialogs::get_text(const std::string& title, const std::string& prompt,
                                      const std::string&) {
    log.push_back("get_text: " + title + " | " + prompt);
    return next("get_text " + title);
}

std::string ScriptedDialogs::open_file(const std::string& mask, const std::vector<FileFilter>&,
                                       const std::string& title) {
    log.push_back("open_file: " + title + " | " + mask);
    return next("open_file " + title);
}

std::string ScriptedDialogs::save_file(const std::string& mask, const std::vector<FileFilter>&,
                                       const std::string& title) {
    log.push_back("save_file: " + title + " | " + mask);
    return next("save_file " + title);
}

void ScriptedDialogs::msg_append(const std::string& text) {
    window += text;
    all_output += text;
}

void ScriptedDialogs::msg_clear() {
    log.push_back("msg_clear");
    window.clear();
}

void ScriptedDialogs::msg_recreate() {
    log.push_back("msg_recreate");
    window.clear();
}

int ScriptedDialogs::radio_choice(const RadioChoice& dialog) {
    log.push_back("radio: " + dialog.title + " | " + dialog.prompt);
    const std::string line = next("radio " + dialog.title);
    return line.empty() ? dialog.preselected : std::stoi(line);
}

int ScriptedDialogs::pick_fact(const PickList& dialog) {
    log.push_back("pick_fact: " + dialog.title + " | " + dialog.prompt);
    const std::string line = next("pick_fact " + dialog.title);
    return line.empty() ? 1 : std::stoi(line);
}

std::vector<int> ScriptedDialogs::pick_facts(const PickList& dialog) {
    log.push_back("pick_facts: " + dialog.title + " | " + dialog.prompt);
    std::istringstream in(next("pick_facts " + dialog.title));
    std::vector<int> picked;
    for (int position = 0; in >> position;) {
        picked.push_back(position - 1);
    }
    return picked;
}

void ScriptedDialogs::message_list(const std::string& heading,
                                   const std::vector<std::string>& lines) {
    log.push_back("message_list: " + heading);
    messages.push_back({heading, lines});
}

std::string ScriptedDialogs::argument_value(const std::string& argument) {
    log.push_back("argument_value: " + argument);
    return next("argument_value " + argument);
}

std::optional<int> ScriptedDialogs::pick_line(const PickList& dialog) {
    log.push_back("pick_line: " + dialog.title + " | " + dialog.prompt);
    pick_lines.push_back(dialog);
    const std::string line = next("pick_line " + dialog.title);
    if (line.empty()) {
        return std::nullopt;
    }
    return std::stoi(line);
}

void ScriptedDialogs::show_text(const std::string& title, const std::string& text) {
    log.push_back("show_text: " + title + " | " + text);
}

void ScriptedDialogs::show_headed_text(const std::string& title, const std::string& heading,
                                       const std::string& text) {
    log.push_back("show_headed_text: " + title + " | " + heading + " | " + text);
}

void ScriptedDialogs::show_list(const std::string& title, const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines) {
        joined += line + ";";
    }
    log.push_back("show_list: " + title + " | " + joined);
}

void ScriptedDialogs::show_sections(const std::string& title,
                                    const std::vector<ListSection>& sections) {
    std::string joined;
    for (const auto& section : sections) {
        joined += " | " + section.heading + " ";
        for (const auto& line : section.lines) {
            joined += line + ";";
        }
    }
    log.push_back("show_sections: " + title + joined);
}

// The browser is kept whole for the test to pick numbers from; it reads no answer.
void ScriptedDialogs::browse_records(const RecordBrowser& browser) {
    log.push_back("browse_records: " + browser.title);
    browsers.push_back(browser);
}

void ScriptedDialogs::show_picture(const std::string& title, const std::string& path) {
    log.push_back("show_picture: " + title + " | " + path);
}

void ScriptedDialogs::play_sound(const std::string& path) {
    log.push_back("play_sound: " + path);
}

void ScriptedDialogs::open_document(const std::string& path) {
    log.push_back("open_document: " + path);
}

void ScriptedDialogs::edit_text(const std::string& title, const std::string& path,
                                const std::string& text, EditorRequests& requests) {
    const TextPlace place = requests.start_place();
    log.push_back("edit_text: " + title + " | " + path +
                  (place.line > 0
                       ? " | at " + std::to_string(place.line) + ":" + std::to_string(place.column)
                       : ""));
    edited.push_back(text);
    std::string current = text;
    for (;;) {
        const std::string line = next("edit_text " + title);
        const auto colon = line.find(':');
        const std::string request = line.substr(0, colon);
        if (colon != std::string::npos) {
            current = line.substr(colon + 1);
        }
        if (request == "gone") {
            return;
        }
        const bool closes = request == "save"      ? requests.save(current)
                            : request == "save_as" ? requests.save_as(current)
                                                   : requests.close(current);
        if (closes) {
            return;
        }
    }
}

void ScriptedDialogs::progress_begin(const std::string& title) {
    progress.push_back("begin: " + title);
}

bool ScriptedDialogs::progress_step(long long done, long long total) {
    (void)done;
    (void)total;
    return ++progress_steps != cancel_at_step;
}

void ScriptedDialogs::progress_end() {
    progress.push_back("end");
}

void ScriptedDialogs::set_main_title(const std::string& title) {
    log.push_back("title: " + title);
    main_title = title;
}

void ScriptedDialogs::command_state_changed(int id, bool enabled) {
    command_changes[id] = enabled;
}

} // namespace orve::test
