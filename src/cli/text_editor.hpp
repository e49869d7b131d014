// The user's own text editor, which stands in for the base editor window: it
// works on a copy of the file, and the copy's text is what gets saved.
#pragma once

#include <optional>
#include <string>

namespace orve::cli {

// The editor command and the variable it came from.
struct EditorCommand {
    std::string variable; // "VISUAL" or "EDITOR"
    std::string command;  // e.g. "nano" or "code --wait"
};

// $VISUAL, else $EDITOR; nothing when neither is set to a command.
std::optional<EditorCommand> editor_from_environment();

// A copy of a file's text in the file's own folder (so an editor sees the same
// folder and the copy lives on the same disk), removed when it goes.
class WorkingCopy {
  public:
    WorkingCopy(const std::string& original, const std::string& text);
    ~WorkingCopy();
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;

    // Empty when the copy could not be made; then error() says why.
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    std::string error_;
};

// Runs the editor command through /bin/sh on `file` and waits for it. The file
// name reaches the editor as an argument and is never read by the shell, so no
// file name can inject a command. `own_input`: the editor gets the program's
// standard input (a person's terminal); otherwise it reads from /dev/null, so
// that it can never eat piped answers. Returns the editor's exit status, or -1
// when it could not be started or was killed.
int run_editor(const std::string& command, const std::string& file, bool own_input);

} // namespace orve::cli
