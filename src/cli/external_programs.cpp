#include "external_programs.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orve::cli {

namespace {

struct Player {
    const char* program;
    std::vector<std::string> options;
};

// Tried in this order; each plays a file given as the last argument.
const std::array<Player, 4> kPlayers = {{
    {"aplay", {"-q"}},
    {"paplay", {}},
    {"play", {"-q"}},
    {"ffplay", {"-nodisp", "-autoexit", "-loglevel", "quiet"}},
}};

// Redirects the child's standard streams to /dev/null so that a player neither
// reads the answers meant for this program nor writes into its transcript.
class QuietStreams {
  public:
    QuietStreams() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
    }
    QuietStreams(const QuietStreams&) = delete;
    QuietStreams& operator=(const QuietStreams&) = delete;
    ~QuietStreams() { posix_spawn_file_actions_destroy(&actions_); }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_{};
};

} // namespace

std::optional<std::string> find_on_path(std::string_view program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::nullopt;
    }
    const std::string_view folders(path);
    std::size_t pos = 0;
    while (pos <= folders.size()) {
        const std::size_t stop = std::min(folders.find(':', pos), folders.size());
        std::string folder(folders.substr(pos, stop - pos));
        std::string candidate = (folder.empty() ? std::string(".") : folder) + "/";
        candidate += program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        pos = stop + 1;
    }
    return std::nullopt;
}

ExternalPrograms::~ExternalPrograms() {
    reap_finished();
}

std::optional<std::string> ExternalPrograms::play_sound(const std::string& path) {
    for (const Player& player : kPlayers) {
        if (const auto program = find_on_path(player.program)) {
            std::vector<std::string> args = player.options;
            args.push_back(path);
            return start(*program, std::move(args)) ? std::optional<std::string>(player.program)
                                                    : std::nullopt;
        }
    }
    return std::nullopt;
}

bool ExternalPrograms::open_document(const std::string& path) {
    const auto opener = find_on_path("xdg-open");
    return opener && start(*opener, {path});
}

bool ExternalPrograms::start(const std::string& program, std::vector<std::string> args) {
    reap_finished();
    std::string name = program;
    std::vector<char*> argv{name.data()};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const QuietStreams streams;
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), streams.get(), nullptr, argv.data(), environ) != 0) {
        return false;
    }
    children_.push_back(child);
    return true;
}

void ExternalPrograms::reap_finished() {
    std::erase_if(children_, [](pid_t child) {
        int status = 0;
        return waitpid(child, &status, WNOHANG) != 0;
    });
}

} // namespace orve::cli
