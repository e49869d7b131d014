// The base editor window and help on a terminal: the user's own editor works on
// a copy of the file; its end counts as the window's close box.
#include "kb/file_access.hpp"
#include "terminal_dialogs.hpp"
#include "text_editor.hpp"
#include "text_encoding.hpp"

namespace orve::cli {

namespace {

const std::string kNoEditor =
    "Neither VISUAL nor EDITOR names a text editor, so the file is shown instead of being "
    "edited.\nTo edit it here, set one of them to your editor's command, e.g.\n"
    "    export VISUAL=nano";

std::string editor_failure(const EditorCommand& editor, int status, const std::string& path) {
    const std::string how = status < 0 ? " could not be started or was stopped"
                                       : " ended with exit status " + std::to_string(status);
    return "The editor '" + editor.command + "' (from " + editor.variable + ")" + how +
           ".\nThe file " + path + " has not been changed.";
}

} // namespace

void TerminalDialogs::show_help(const std::string& path) {
    io_.begin_block("Help", "");
    io_.write("The user guide of orve is the file\n    ");
    io_.write_display(path);
    io_.write_line("\nRead it with a text viewer, e.g. less, or a Markdown viewer.");
    io_.end_block("help");
}

void TerminalDialogs::edit_text(const std::string& title, const std::string& path,
                                const std::string& text, EditorRequests& requests) {
    const auto editor = editor_from_environment();
    if (!editor) {
        note("No text editor", kNoEditor);
        show_text(title, text);
        // A save that failed keeps the window open: the question comes again.
        while (!requests.close(text)) {
        }
        return;
    }
    // The editor shows the terminal's UTF-8: a base in code page 1250 is
    // edited converted and converted back, unless the edited text holds a
    // character the code page lacks, which then keeps it all in UTF-8. Bytes
    // the code page leaves unassigned could not come back: such a text is
    // edited as it is.
    const bool converted = !is_valid_utf8(text) && utf8_to_cp1250(cp1250_to_utf8(text)) == text;
    const WorkingCopy copy(path, converted ? cp1250_to_utf8(text) : text);
    if (copy.path().empty()) {
        note("Attention error!", copy.error() + "\nThe editor has not been started.");
        return;
    }
    for (;;) {
        io_.begin_block("Editor", title);
        io_.write_display(path);
        io_.write_line("\nis edited as a copy with " + editor->variable + " (" + editor->command +
                       "); the editor's end closes the editor window.");
        io_.end_block("editor");
        io_.flush();
        const int status = run_editor(editor->command, copy.path(), io_.interactive());
        if (status != 0) {
            note("Attention error!", editor_failure(*editor, status, path));
            return;
        }
        const FileText edited = read_regular_file(copy.path());
        if (!edited.text) {
            note("Attention error!", "The edited copy of " + path +
                                         " cannot be read back.\nThe file has not been changed.");
            return;
        }
        const auto back = converted ? utf8_to_cp1250(*edited.text) : std::nullopt;
        if (requests.close(back.value_or(*edited.text))) {
            return;
        }
    }
}

} // namespace orve::cli
