#include "text_editor.hpp"

#include "kb/file_access.hpp"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace orve::cli {

namespace {

std::string reason(int error) {
    return std::generic_category().message(error == 0 ? EIO : error);
}

} // namespace

std::optional<EditorCommand> editor_from_environment() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && std::string(value).find_first_not_of(" \t") != std::string::npos) {
            return EditorCommand{variable, value};
        }
    }
    return std::nullopt;
}

WorkingCopy::WorkingCopy(const std::string& original, const std::string& text) {
    const std::filesystem::path source(original);
    const std::string folder = source.has_parent_path() ? source.parent_path().string() : ".";
    // The original's extension lets the editor recognise the kind of text.
    const std::string extension = source.extension().string().substr(0, 16);
    std::string name = folder + "/.orve-edit-XXXXXX" + extension;
    const int fd = ::mkstemps(name.data(), static_cast<int>(extension.size()));
    if (fd < 0) {
        error_ = "A working copy of " + original +
                 " cannot be made in its folder: " + reason(errno) + ".";
        return;
    }
    int error = write_all(fd, text);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(name.c_str());
        error_ = "A working copy of " + original + " cannot be written: " + reason(error) + ".";
        return;
    }
    path_ = name;
}

WorkingCopy::~WorkingCopy() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

int run_editor(const std::string& command, const std::string& file, bool own_input) {
    // "$1" is expanded by the shell as one word, whatever the name holds.
    std::string shell = "sh";
    std::string option = "-c";
    std::string script = command + " \"$1\"";
    std::string name = "orve-editor";
    std::string argument = file;
    std::vector<char*> argv{shell.data(), option.data(),   script.data(),
                            name.data(),  argument.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!own_input) {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    }
    pid_t child = 0;
    const int started = posix_spawn(&child, "/bin/sh", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) {
        return -1;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace orve::cli
