#include "chaining/media_display.hpp"

#include "chaining/media_checks.hpp"
#include "chaining/media_paths.hpp"
#include "kb/file_lookup.hpp"

namespace orve {

namespace {

MediaShown refuse(Dialogs& ui, const std::string& text) {
    ui.note("Attention error!", text);
    return MediaShown::Refused;
}

MediaShown show_advice(Dialogs& ui, const std::filesystem::path& path) {
    const FileText text = read_text_file(path);
    if (!text.refusal.empty()) {
        return refuse(ui, text.refusal);
    }
    if (!text.text || text.text->empty()) {
        return MediaShown::Unusable;
    }
    ui.show_headed_text("Advice file inspection", "Expert advice:", *text.text);
    return MediaShown::Shown;
}

MediaShown show_picture(Dialogs& ui, const std::filesystem::path& path) {
    if (!is_readable_bmp(path)) {
        return MediaShown::Unusable;
    }
    ui.show_picture("Graphics file inspection", path.string());
    return MediaShown::Shown;
}

MediaShown play_sound(Dialogs& ui, const std::filesystem::path& path) {
    if (!is_wave_file(path)) {
        return MediaShown::Unusable;
    }
    ui.play_sound(path.string());
    return MediaShown::Shown;
}

} // namespace

MediaShown present_media(AppState& state, Dialogs& ui, BaseKind kind, const std::string& file) {
    if (!stays_in_folder(file)) {
        return refuse(ui, "The media file name " + file + " is refused:\nit must name a file " +
                              "of the folder " + form_media_folder(state, kind) +
                              "\nwithout a slash, a backslash or \"..\".");
    }
    const auto path = find_media_file(state, kind, file);
    if (!path) {
        return MediaShown::Unusable;
    }
    switch (kind) {
    case BaseKind::Advice:
        return show_advice(ui, *path);
    case BaseKind::Graphics:
    case BaseKind::Sound:
        if (const std::string refusal = file_refusal(path->string(), kMaxMediaFileBytes);
            !refusal.empty()) {
            return refuse(ui, refusal);
        }
        return kind == BaseKind::Graphics ? show_picture(ui, *path) : play_sound(ui, *path);
    default:
        return MediaShown::Unusable;
    }
}

} // namespace orve
