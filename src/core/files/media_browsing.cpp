#include "files/media_browsing.hpp"

#include "kb/byte_order_mark.hpp"
#include "kb/file_access.hpp"
#include "kb/unreadable_reason.hpp"

#include <array>
#include <filesystem>

namespace orve {

namespace {

struct FolderTexts {
    FileFilter filter;
    const char* browse_title;
    const char* folders_title;
};

const std::array<FolderTexts, 3> kFolders = {{
    {{"Advice Text File (*.hlp)", "*.hlp"},
     "Inspection of advice subdirectories and  files",
     "Creating Advice File subdirectories "},
    {{"Graphic File (*.bmp)", "*.bmp"},
     "Inspecting Graphic File subdirectories or Graphic Files: ",
     "Creating or deleting Graphic File sudirectories  : "},
    {{"Sound File (*.wav)", "*.wav"},
     "Inspecting Sound File sudirectories or listening to  Sound Files: ",
     "Creating or deleting Sound File sudirectories : "},
}};

const FolderTexts& texts_of(MediaFolder folder) {
    return kFolders[static_cast<std::size_t>(folder)];
}

std::string name_of(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void note_unreadable(Dialogs& ui, const std::string& path, const std::string& refusal) {
    ui.note("Attention error!", refusal.empty() ? "The file " + path + " cannot be read.\n" +
                                                      unreadable_reason(path) + "."
                                                : refusal);
}

bool show_advice_text(Dialogs& ui, const std::string& path) {
    FileText file = read_regular_file(path);
    if (!file.text) {
        note_unreadable(ui, path, file.refusal);
        return false;
    }
    strip_byte_order_mark(*file.text);
    ui.show_text("Advice Text File: " + name_of(path), *file.text);
    return true;
}

// Pictures and sounds go to a viewer or player only when they can be read.
bool usable_media(Dialogs& ui, const std::string& path) {
    if (read_file_start(path, 0, kMaxMediaFileBytes)) {
        return true;
    }
    note_unreadable(ui, path, file_refusal(path, kMaxMediaFileBytes));
    return false;
}

} // namespace

bool browse_media(AppState& state, Dialogs& ui, MediaFolder folder) {
    state.wyroznik.clear();
    const FolderTexts& texts = texts_of(folder);
    const std::string path = ui.open_file(texts.filter.pattern, {texts.filter}, texts.browse_title);
    if (path.empty()) {
        return false;
    }
    switch (folder) {
    case MediaFolder::Advice:
        return show_advice_text(ui, path);
    case MediaFolder::Graphics:
        if (!usable_media(ui, path)) {
            return false;
        }
        ui.show_picture("Graphics file inspection", path);
        return true;
    case MediaFolder::Sound:
        break;
    }
    if (!usable_media(ui, path)) {
        return false;
    }
    ui.play_sound(path);
    return true;
}

bool manage_media_folders(AppState&, Dialogs& ui, MediaFolder folder) {
    const FolderTexts& texts = texts_of(folder);
    ui.open_file(texts.filter.pattern, {texts.filter}, texts.folders_title);
    return true;
}

} // namespace orve
