#include "tools/graph_files.hpp"

#include "kb/file_access.hpp"

#include <cerrno>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace orve {

namespace {

// Runs `dot -Tpng` on the DOT file into a temporary file and renames it into
// place, so that a picture is either whole or absent.
std::optional<std::string> render_png(const std::string& dot_path) {
    const std::string png = fs::path(dot_path).replace_extension(".png").string();
    const std::string partial = png + ".part";
    std::vector<std::string> words{"dot", "-Tpng", "-o", partial, dot_path};
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, "dot", nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt; // no Graphviz: the DOT file alone
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::error_code error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fs::remove(partial, error);
        return std::nullopt;
    }
    fs::rename(partial, png, error);
    if (error) {
        fs::remove(partial, error);
        return std::nullopt;
    }
    return png;
}

} // namespace

GraphWritten write_graph(const std::string& path, const std::string& dot_text) {
    GraphWritten written;
    written.error = write_file_atomically(path, dot_text);
    if (!written.error) {
        written.picture = render_png(path);
    }
    return written;
}

} // namespace orve
