// The main menu as a tree built from the command table: top-level menus, their
// submenus and commands, in identifier order. Free of widgets so it can be
// checked on its own.
#pragma once

#include "state/commands.hpp"

#include <string>
#include <vector>

namespace orve::gui {

// A command of the menu, or a submenu with its entries.
struct MenuNode {
    std::string title;
    int id = 0; // the command, or the submenu header's identifier (0: none)
    bool submenu = false;
    std::vector<MenuNode> children;
};

// First identifier of the commands listed in the "Tools" menu.
inline constexpr int kFirstToolId = 10200;
// Last identifier of the commands listed in the "Tools" menu.
inline constexpr int kLastToolId = 10299;

// The top-level menus for `commands`; menus without a command are left out, and
// commands outside every menu's range end up in a last menu "Other commands".
std::vector<MenuNode> menu_layout(const std::vector<CommandInfo>& commands);

// The commands shown on the toolbar, with the short labels of their buttons.
struct ToolbarEntry {
    int id = 0;
    const char* label = "";
};
const std::vector<ToolbarEntry>& toolbar_entries();

} // namespace orve::gui
