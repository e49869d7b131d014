#include "files/managed_files.hpp"

#include "files/forgetting_bases.hpp"
#include "files/managed_file_texts.hpp"
#include "kb/file_access.hpp"
#include "kb/file_removal.hpp"
#include "ui/base_editor.hpp"

#include <filesystem>

namespace orve {

namespace {

std::vector<FileFilter> filter_for(const ManagedFileTexts& texts, const std::string& pattern) {
    return {{texts.description + " (" + pattern + ")", pattern}};
}

std::string name_of(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool confirmed(Dialogs& ui, const std::string& title, const std::string& text) {
    return ui.ask(title, text, {"&Yes", "&No"}) == 1;
}

} // namespace

bool create_managed_file(AppState& state, Dialogs& ui, ManagedFile kind) {
    const ManagedFileTexts& texts = managed_file_texts(kind);
    empty_before_creating(state, kind);
    const std::string path = ui.save_file(
        texts.create_pattern, filter_for(texts, texts.create_pattern), texts.create_title);
    if (path.empty()) {
        return false;
    }
    if (const auto error = write_file_atomically(path, "")) {
        ui.note("Attention error!", *error + ".");
        return false;
    }
    if (kind == ManagedFile::RuleBase) {
        empty_rule_base(state);
    }
    const std::string name = name_of(path);
    ui.note(texts.created_title, texts.created + name + texts.created_ending);
    if (!confirmed(ui, texts.proceed_title, texts.proceed_text + name + " ?")) {
        return true;
    }
    return open_base_editor(state, ui, path);
}

bool edit_managed_file(AppState& state, Dialogs& ui, ManagedFile kind) {
    const ManagedFileTexts& texts = managed_file_texts(kind);
    const std::string path =
        ui.open_file(texts.edit_pattern, filter_for(texts, texts.edit_pattern), texts.edit_title);
    if (path.empty()) {
        return false;
    }
    return open_base_editor(state, ui, path);
}

bool delete_managed_file(AppState& state, Dialogs& ui, ManagedFile kind) {
    const ManagedFileTexts& texts = managed_file_texts(kind);
    const std::string path = ui.open_file(
        texts.delete_pattern, filter_for(texts, texts.delete_pattern), texts.delete_title);
    if (path.empty()) {
        return false;
    }
    const std::string name = name_of(path);
    if (!confirmed(ui, texts.question_title, texts.question + name + " ?")) {
        return false;
    }
    if (const auto error = remove_file(path)) {
        ui.note("Attention error!", *error);
        return false;
    }
    ui.note("Attention!", texts.deleted + name + texts.deleted_ending);
    forget_loaded_base(state, kind);
    return true;
}

} // namespace orve
