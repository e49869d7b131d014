#include "ui/base_editor.hpp"

#include "kb/file_access.hpp"
#include "kb/unreadable_reason.hpp"

#include <filesystem>

namespace orve {

namespace {

std::string name_of(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The commands the editor's close box disables when the user does not save.
constexpr int kRuleInspectionCommands[] = {10065, 10066, 10067};

// Answers the editor window's requests for the file being edited.
class EditorSession : public EditorRequests {
  public:
    EditorSession(AppState& state, Dialogs& ui, std::string path, std::string title)
        : state_(state), ui_(ui), path_(std::move(path)), name_(name_of(path_)),
          title_(std::move(title)) {}

    // A file whose last load stopped on a syntax error opens at the error.
    TextPlace start_place() const override {
        std::error_code failed;
        const auto absolute = std::filesystem::absolute(path_, failed).lexically_normal();
        if (!state_.syntax_error_file.empty() && absolute.string() == state_.syntax_error_file) {
            return state_.syntax_error_place;
        }
        return {};
    }

    bool save(const std::string& text) override {
        if (!write(path_, text)) {
            return false;
        }
        ui_.msg_append("File : " + name_ + " has been saved\n");
        ui_.note("Attention!", "File " + name_ + " has been saved");
        return true;
    }

    bool save_as(const std::string& text) override {
        const std::string target =
            ui_.save_file("*.*", {{"RU*.EEB, MO*.EEB, CO*.EEB, AD*.EEB", "*.EEB"}}, title_);
        if (target.empty() || !write(target, text)) {
            return false;
        }
        const std::string name = name_of(target);
        ui_.msg_append("New base: " + name + " has been saved\n");
        ui_.note("Attention!", "New base: " + name + " has been saved.");
        return true;
    }

    bool close(const std::string& text) override {
        if (ui_.ask("Saving", "Do you wish to save the base ?", {"&YES", "&NO"}) != 1) {
            for (const int id : kRuleInspectionCommands) {
                set_command(state_, ui_, id, false);
            }
            return true;
        }
        if (!write(path_, text)) {
            return false;
        }
        ui_.msg_append("File: " + name_ + " has been saved.\n");
        ui_.note("Attention!", "File: " + name_ + " has been saved.");
        return true;
    }

  private:
    // Writes the whole text as it stands; a failure is noted and leaves the
    // old file untouched.
    bool write(const std::string& target, const std::string& text) {
        if (const auto error = write_file_atomically(target, text)) {
            ui_.note("Attention error!",
                     *error + ".\nThe file has not been changed; the text is still in the editor.");
            return false;
        }
        return true;
    }

    AppState& state_;
    Dialogs& ui_;
    std::string path_;
    std::string name_;
    std::string title_;
};

} // namespace

bool open_base_editor(AppState& state, Dialogs& ui, const std::string& path) {
    const FileText file = read_regular_file(path);
    if (!file.text) {
        ui.note("Attention error!", file.refusal.empty()
                                        ? "The file " + path + " cannot be opened for editing.\n" +
                                              unreadable_reason(path) + "."
                                        : file.refusal);
        return false;
    }
    const std::string title = "Editing the file: " + name_of(path);
    EditorSession session(state, ui, path, title);
    ui.edit_text(title, path, *file.text, session);
    // However the window closed, an edited base must be loaded again.
    state.kb.rule.name.reset();
    ui.msg_recreate();
    return true;
}

} // namespace orve
