// The menu commands that show one advice text or picture, or play one sound, of
// the loaded media base.
#include "chaining/media_commands.hpp"

#include "chaining/media_display.hpp"
#include "chaining/media_paths.hpp"
#include "kb/media_bases.hpp"

namespace orve {

namespace {

struct CommandTexts {
    BaseKind kind;
    const char* title;         // the pick dialogue
    const char* prompt;        // its prompt
    const char* list_heading;  // the heading above the files
    const char* no_base;       // note when the base is not loaded
    const char* no_files;      // written when the base names no files
    const char* no_files_note; // noted then
    const char* not_shown;     // noted when the picked file cannot be used
};

const CommandTexts kAdvice{BaseKind::Advice,
                           "Advice file inspection",
                           "Pick advice file for inspection",
                           "Advice base:",
                           "Load an Advice Base",
                           "No Text File for Advice Base ",
                           "No Text File for Advice Base  ",
                           " cannot be read: it is missing or empty."};
const CommandTexts kGraphics{BaseKind::Graphics,
                             "Graphics file inspection",
                             "Pick graphics file for inspection",
                             "Graphics base",
                             "Please load a graphics base!",
                             "No graphics file for inspection from ",
                             "No graphics file for inspection from  ",
                             " cannot be shown: it is missing or not a .bmp picture."};
const CommandTexts kSound{BaseKind::Sound,
                          "Melody inspection",
                          "Pick melody file for inspection",
                          "Melody Base:",
                          "Load a  Sound Base!",
                          "No Sound Files for ",
                          "No Sound Files for ",
                          " cannot be played: it is missing or not a .wav sound."};

bool inspect_media(AppState& state, Dialogs& ui, const CommandTexts& texts) {
    const MediaBase& base = media_base(state.kb, texts.kind);
    if (!base.name) {
        ui.note("Attention!", texts.no_base);
        return true;
    }
    const std::string& name = base.name->name;
    if (base.clauses.empty()) {
        ui.msg_append(texts.no_files + name + "\n");
        ui.note("Attention!", texts.no_files_note + name);
        return true;
    }
    PickList dialog{texts.title, std::string(texts.prompt) + "\n" + texts.list_heading, {}};
    for (const auto& clause : base.clauses) {
        dialog.lines.push_back(clause.file);
    }
    const auto picked = ui.pick_line(dialog);
    if (!picked || *picked < 1 || *picked > static_cast<int>(dialog.lines.size())) {
        return false;
    }
    const std::string file = dialog.lines[static_cast<std::size_t>(*picked - 1)];
    if (present_media(state, ui, texts.kind, file) == MediaShown::Unusable) {
        ui.note("Attention!", "The file " + file + texts.not_shown);
    }
    return true;
}

} // namespace

bool advice_text_inspection(AppState& state, Dialogs& ui) {
    return inspect_media(state, ui, kAdvice);
}

bool graphics_file_inspection(AppState& state, Dialogs& ui) {
    return inspect_media(state, ui, kGraphics);
}

bool sound_file_playing(AppState& state, Dialogs& ui) {
    return inspect_media(state, ui, kSound);
}

} // namespace orve
