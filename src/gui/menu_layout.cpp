#include "menu_layout.hpp"

#include <algorithm>

namespace orve::gui {

namespace {

// A menu holding the commands first..last that no narrower group claims.
struct Group {
    int header; // identifier of the submenu header, 0 when it has none
    const char* title;
    int first;
    int last;
};

// Top-level menus in menu-bar order, each followed by its submenus.
const std::vector<Group> kGroups = {
    {0, "Exact Rule Base", 10062, 10072},
    {10064, "Rule Base Inspection", 10065, 10067},
    {10073, "Exact Model Base", 10074, 10088},
    {10075, "Model Base Inspection", 10077, 10083},
    {10076, "Single Models", 10077, 10080},
    {10089, "Exact Constraint Base", 10090, 10098},
    {10091, "Constraint Base Inspection", 10092, 10093},
    {10099, "Exact Advice Base", 10100, 10110},
    {10111, "Graphics Base", 10112, 10121},
    {10122, "Sound Base", 10123, 10132},
    {10133, "Rule Base Analysis", 10135, 10139},
    {10134, "Flattening", 10135, 10136},
    {10140, "Abstracts and Reports", 10141, 10148},
    {10149, "Askable Conditions and Arguments", 10150, 10152},
    {10153, "Chaining", 10154, 10155},
    {10156, "Message Window", 10157, 10158},
    {0, "Help", 10159, 10160},
    {0, "Tools", kFirstToolId, kLastToolId},
};

int width(const Group& group) {
    return group.last - group.first;
}

// The narrowest group other than `self` whose range holds first..last; null when none.
const Group* narrowest(int first, int last, const Group* self) {
    const Group* found = nullptr;
    for (const auto& candidate : kGroups) {
        if (&candidate != self && candidate.first <= first && last <= candidate.last &&
            (found == nullptr || width(candidate) < width(*found))) {
            found = &candidate;
        }
    }
    return found;
}

// The menu that encloses `group`, or null for a top-level menu.
const Group* parent_of(const Group& group) {
    return narrowest(group.first, group.last, &group);
}

// Fills the menu of `group`: its own commands and its submenus, by identifier.
MenuNode build(const Group& group, const std::vector<CommandInfo>& commands) {
    std::vector<std::pair<int, MenuNode>> entries; // first identifier, entry
    for (const auto& sub : kGroups) {
        if (parent_of(sub) == &group) {
            MenuNode child = build(sub, commands);
            if (!child.children.empty()) {
                entries.emplace_back(sub.first, std::move(child));
            }
        }
    }
    for (const auto& command : commands) {
        if (narrowest(command.id, command.id, nullptr) == &group) {
            entries.emplace_back(command.id, MenuNode{command.menu_text, command.id, false, {}});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    MenuNode menu{group.title, group.header, true, {}};
    for (auto& entry : entries) {
        menu.children.push_back(std::move(entry.second));
    }
    return menu;
}

} // namespace

std::vector<MenuNode> menu_layout(const std::vector<CommandInfo>& commands) {
    std::vector<MenuNode> menus;
    for (const auto& group : kGroups) {
        if (parent_of(group) == nullptr) {
            MenuNode menu = build(group, commands);
            if (!menu.children.empty()) {
                menus.push_back(std::move(menu));
            }
        }
    }
    // A command no menu holds stays reachable.
    MenuNode others{"Other commands", 0, true, {}};
    for (const auto& command : commands) {
        if (narrowest(command.id, command.id, nullptr) == nullptr) {
            others.children.push_back({command.menu_text, command.id, false, {}});
        }
    }
    if (!others.children.empty()) {
        menus.push_back(std::move(others));
    }
    return menus;
}

const std::vector<ToolbarEntry>& toolbar_entries() {
    static const std::vector<ToolbarEntry> entries = {
        {10062, "Rules"},    {10074, "Models"}, {10090, "Constraints"}, {10100, "Advice"},
        {10112, "Graphics"}, {10123, "Sounds"}, {10154, "Forward"},     {10155, "Backward"},
        {10157, "Messages"}, {10159, "Help"},
    };
    return entries;
}

} // namespace orve::gui
