#include "loading/media_folders.hpp"

#include "kb/base_kinds.hpp"
#include "kb/file_lookup.hpp"
#include "kb/media_bases.hpp"

namespace orve {

namespace {

// The folder texts of a media kind; none for the other kinds.
const MediaFolderTexts* media_texts(BaseKind kind) {
    const auto& media = base_kind(kind).media;
    return media ? &*media : nullptr;
}

} // namespace

std::string media_folder(const AppState& state, BaseKind kind) {
    const MediaFolderTexts* texts = media_texts(kind);
    if (texts == nullptr) {
        return {};
    }
    return (media_root(kind) / state.wyroznik).string();
}

bool check_media_folder(AppState& state, Dialogs& ui, BaseKind kind) {
    const MediaFolderTexts* texts = media_texts(kind);
    if (texts == nullptr) {
        return true;
    }
    const std::string folder = media_folder(state, kind);
    MediaBase& base = media_base(state.kb, kind);
    if (folder_has_file_with_extension(folder, texts->extension)) {
        base.folder = folder;
        return true;
    }
    const std::string name = state.wyroznik;
    ui.msg_append(std::string(texts->first_line) + "\n" + "Knowledge Base " + name + "\n" +
                  texts->therefore + "\n");
    ui.note("Attention error!", std::string(texts->first_line) + " Knowledge Base " + name + ".\n" +
                                    texts->note_second);
    // A refused base does not count as loaded.
    base = {};
    return false;
}

} // namespace orve
