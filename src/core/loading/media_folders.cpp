#include "loading/media_folders.hpp"

#include "kb/file_lookup.hpp"
#include "kb/media_bases.hpp"

namespace orve {

namespace {

struct MediaTexts {
    const char* extension;
    const char* first_line;  // "No ... for"
    const char* therefore;   // "Therefore the ... can not be loaded."
    const char* note_second; // the note's second line
};

const MediaTexts* media_texts(BaseKind kind) {
    static const MediaTexts advice{".HLP", "No subdirectory with advice Text Files for",
                                   "Therefore the advice base can not be loaded.",
                                   "Therefore the advice base can not be loaded."};
    static const MediaTexts graphics{".BMP", "No directory with Graphics Files for",
                                     "Therefore the Graphics Base can not be loaded.",
                                     "herefore the Graphics Base can not be loaded."};
    static const MediaTexts sound{".WAV", "No directory with Sound Files for",
                                  "Therefore the Sound Base can not be loaded.",
                                  "herefore the Sound Base can not be loaded."};
    switch (kind) {
    case BaseKind::Advice:
        return &advice;
    case BaseKind::Graphics:
        return &graphics;
    case BaseKind::Sound:
        return &sound;
    default:
        return nullptr;
    }
}

} // namespace

std::string media_folder(const AppState& state, BaseKind kind) {
    const MediaTexts* texts = media_texts(kind);
    if (texts == nullptr) {
        return {};
    }
    return (media_root(kind) / state.wyroznik).string();
}

bool check_media_folder(AppState& state, Dialogs& ui, BaseKind kind) {
    const MediaTexts* texts = media_texts(kind);
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
