// The command table of the main menu and the enabled state of every command.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orve {

struct CommandInfo {
    int id = 0;
    std::string menu_text;
    std::vector<int> then_enables; // enabled after the command completed
};

// Every command of the menu, in identifier order (submenu headers excluded).
const std::vector<CommandInfo>& command_table();
const CommandInfo* find_command(int id);
// Submenu headers: identifiers without a command of their own (10091, 10156, ...).
bool is_submenu_header(int id);

// Enabled state of every command; starts in the start-up state.
class CommandStates {
  public:
    CommandStates();
    bool enabled(int id) const;
    // Returns true when the state changed.
    bool set(int id, bool enabled);
    void reset();

  private:
    std::map<int, bool> enabled_;
};

} // namespace orve
