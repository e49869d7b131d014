#include "menu_layout.hpp"

#include <gtest/gtest.h>

#include <map>

namespace orve::gui {
namespace {

// Every command's path of menu titles, e.g. {"Exact Model Base", "Model Base Inspection"}.
void collect(const MenuNode& menu, std::vector<std::string> path,
             std::map<int, std::vector<std::string>>& paths, int& repeats) {
    path.push_back(menu.title);
    for (const auto& child : menu.children) {
        if (child.submenu) {
            EXPECT_FALSE(child.children.empty()) << child.title;
            collect(child, path, paths, repeats);
        } else if (!paths.emplace(child.id, path).second) {
            ++repeats;
        }
    }
}

std::map<int, std::vector<std::string>> paths_of(const std::vector<CommandInfo>& table) {
    std::map<int, std::vector<std::string>> paths;
    int repeats = 0;
    for (const auto& menu : menu_layout(table)) {
        collect(menu, {}, paths, repeats);
    }
    EXPECT_EQ(repeats, 0);
    return paths;
}

TEST(MenuLayout, EveryCommandOnceInItsGroup) {
    const auto paths = paths_of(command_table());
    EXPECT_EQ(paths.size(), command_table().size());
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {10062, {"Exact Rule Base"}},
        {10066, {"Exact Rule Base", "Rule Base Inspection"}},
        {10079, {"Exact Model Base", "Model Base Inspection", "Single Models"}},
        {10083, {"Exact Model Base", "Model Base Inspection"}},
        {10088, {"Exact Model Base"}},
        {10092, {"Exact Constraint Base", "Constraint Base Inspection"}},
        {10136, {"Rule Base Analysis", "Flattening"}},
        {10139, {"Rule Base Analysis"}},
        {10146, {"Abstracts and Reports"}},
        {10151, {"Askable Conditions and Arguments"}},
        {10155, {"Chaining"}},
        {10160, {"Help"}},
    };
    for (const auto& [id, path] : cases) {
        ASSERT_TRUE(paths.count(id)) << id;
        EXPECT_EQ(paths.at(id), path) << id;
    }
}

TEST(MenuLayout, ToolsListsTheTableCommandsOfTheirRangeInIdOrder) {
    EXPECT_EQ(menu_layout({{10062, "Rule Base loading", {}}}).back().title, "Exact Rule Base");

    // The table's own tools are left out, so that only these ones are listed.
    std::vector<CommandInfo> table;
    for (const auto& command : command_table()) {
        if (command.id < 10200) {
            table.push_back(command);
        }
    }
    table.push_back({10201, "First tool", {}});
    table.push_back({10203, "Second tool", {}});
    table.push_back({10299, "Last tool", {}});
    table.push_back({10300, "Beyond the tools", {}});
    const auto menus = menu_layout(table);
    ASSERT_EQ(menus.back().title, "Other commands");
    EXPECT_EQ(menus.back().children.at(0).id, 10300);
    const MenuNode& tools = menus[menus.size() - 2];
    ASSERT_EQ(tools.title, "Tools");
    std::vector<int> ids;
    for (const auto& entry : tools.children) {
        ids.push_back(entry.id);
    }
    EXPECT_EQ(ids, (std::vector<int>{10201, 10203, 10299}));
    EXPECT_EQ(tools.children[1].title, "Second tool");
}

} // namespace
} // namespace orve::gui
