// Starting sound players and the document opener found on PATH, without
// waiting for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace orve::cli {

// The full path of an executable program in one of the PATH folders.
std::optional<std::string> find_on_path(std::string_view program);

class ExternalPrograms {
  public:
    ExternalPrograms() = default;
    ExternalPrograms(const ExternalPrograms&) = delete;
    ExternalPrograms& operator=(const ExternalPrograms&) = delete;
    // Collects the players that have finished; the others are left running.
    ~ExternalPrograms();

    // Plays the file with the first player found; returns the player's name,
    // or nothing when no player is installed or it could not be started.
    std::optional<std::string> play_sound(const std::string& path);
    // Opens the file with xdg-open; false when there is no opener.
    bool open_document(const std::string& path);

  private:
    // Starts the program with its standard streams on /dev/null.
    bool start(const std::string& program, std::vector<std::string> args);
    void reap_finished();

    std::vector<pid_t> children_;
};

} // namespace orve::cli
