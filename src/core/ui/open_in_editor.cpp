// Stand-in for builds without the editor window: the file is left unopened and
// the user is told so.
#include "ui/open_in_editor.hpp"

namespace orve {

bool open_in_editor(AppState&, Dialogs& ui, const std::string& path) {
    ui.note("Attention!", "The editor is not available yet; " + path + " was not opened.");
    return false;
}

} // namespace orve
