#include "state/commands.hpp"

#include <algorithm>
#include <array>

namespace orve {

namespace {

// Identifier, menu text and the commands enabled once the command completed.
const std::vector<CommandInfo> kCommands = {
    {10062,
     "Rule Base loading",
     {10063, 10065, 10066, 10067, 10133, 10135, 10136, 10074, 10090, 10100, 10112, 10123, 10154,
      10155, 10150, 10201, 10204}},
    {10063, "Importing askable conditions and argument values from external data sources", {}},
    {10065, "Inspecting a single rule", {}},
    {10066, "Inspecting all rules", {}},
    {10067, "Rule Base askable conditions", {}},
    {10068, "Rule Base editing", {}},
    {10069, "Rule Base creating", {}},
    {10070, "Rule Base deleting", {}},
    {10071, "Diagnosing external inconsistencies", {}},
    {10072, "Diagnosing redundancies", {}},
    {10074, "Model Base loading", {10077, 10079, 10078, 10080, 10081, 10082, 10083}},
    {10077, "Linear models", {}},
    {10078, "Basic models", {}},
    {10079, "Extended models", {}},
    {10080, "Polynomial models", {}},
    {10081, "Inspecting all models", {}},
    {10082, "Model Base askable conditions and arguments", {}},
    {10083, "Joint Model- and Rule Base askable conditions and arguments", {}},
    {10084, "Model Base editing", {}},
    {10085, "Model Base creating", {}},
    {10086, "Model Base deleting", {}},
    {10087, "Diagnosing Model Base inconsistencies", {}},
    {10088, "Diagnosing joint Model- and Rule Base inconsistencies", {}},
    {10090, "Constraint Base loading", {10093, 10092, 10137, 10138, 10139, 10097, 10098}},
    {10092, "Inspecting a single constraint", {}},
    {10093, "Inspecting all constraints", {}},
    {10094, "Constraint Base editing", {}},
    {10095, "Constraint Base creating", {}},
    {10096, "Constraint  Base deleting", {}},
    {10097, "Diagnosing joint Rule- and Constraint Base inconsistencies", {}},
    {10098, "Diagnosing joint Rule- and Constraint Base redundancies", {}},
    {10100, "Advice Base loading", {10101, 10105, 10106}},
    {10101, "Advice Base inspection", {}},
    {10102, "Advice Base editing", {}},
    {10103, "Advice Base creating", {}},
    {10104, "Advice Base deleting", {}},
    {10105, "Advice Text  File inspection", {}},
    {10106, "Advice Subdirectories and Text  Files", {}},
    {10107, "Advice Subdirectory creating", {}},
    {10108, "Advice Subdirectory deleting", {}},
    {10109, "Advice Text  File creating", {}},
    {10110, "Advice Text  Ffile deleting", {}},
    {10112, "Graphics Base loading", {10113, 10117}},
    {10113, "Graphics Base inspection", {}},
    {10114, "Graphics Base editing", {}},
    {10115, "Graphics Base creating", {}},
    {10116, "Graphics Base deleting", {}},
    {10117, "Graphics File inspection", {}},
    {10118, "Graphics Subdirectories and  Files", {}},
    {10119, "Graphics Subdirectories creating", {}},
    {10120, "Garphics Subdirectories deleting", {}},
    {10121, "Graphic File Deleting", {}},
    {10123, "Sound Base loading", {10128, 10124}},
    {10124, "Sound Base inspection", {}},
    {10125, "Sound Base editing", {}},
    {10126, "Sound Base creating", {}},
    {10127, "Sound Base deleting", {}},
    {10128, "Sound File playing", {}},
    {10129, "Sound Subdirectories and Melody Files", {}},
    {10130, "Sound Subdirectory creating", {}},
    {10131, "Sound Subdirectory deleting", {}},
    {10132, "Sound File deleting", {}},
    {10135, "Flattening a chosen rule", {}},
    {10136, "Flattening all rules", {}},
    {10137, "Testing  rule conclusions for mutual exclusion to one", {}},
    {10138, "Testing  rule conclusions for mutual exclusion to none", {}},
    {10139, "Testing  rule conclusions for non-exclusion", {}},
    {10141, "Report inspection", {}},
    {10142, "Report deleting", {}},
    {10143, "Abstract inspection", {}},
    {10144, "Abstract editing", {}},
    {10145, "Abstract creating", {}},
    {10146, "Abstract deleting", {}},
    {10147, "Summary reading", {}},
    {10148, "Summary deleting", {}},
    {10150, "Askable conditions and arguments file creating", {}},
    {10151, "Askable conditions and arguments file reading", {}},
    {10152, "Askable conditions and arguments file deleting", {}},
    {10154, "Elementary Exact  Forward Chaining", {}},
    {10155, "Elementary Exact Backward Chaining", {}},
    {10157, "Message Window Creating", {}},
    {10158, "Path-to-Bases Set-up", {}},
    {10159, "&Help", {}},
    {10160, "&About", {}},
    {10201, "Checking the loaded bases", {}},
    {10202, "Why not?", {}},
    {10203, "What if?", {}},
    {10204, "Exporting the rule graph", {}},
    {10205, "Exporting the proof tree", {}},
};

// Disabled at start-up; every other command starts enabled.
constexpr std::array kDisabledAtStart = {
    10063, 10065, 10066, 10067, 10071, 10072, 10074, 10077, 10078, 10079, 10080, 10081,
    10082, 10083, 10087, 10088, 10090, 10092, 10093, 10097, 10098, 10100, 10101, 10105,
    10106, 10112, 10113, 10117, 10118, 10123, 10124, 10128, 10129, 10135, 10136, 10137,
    10138, 10139, 10150, 10154, 10155, 10201, 10202, 10203, 10204, 10205};

constexpr std::array kSubmenuHeaders = {10064, 10073, 10075, 10076, 10089, 10091, 10099, 10111,
                                        10122, 10133, 10134, 10140, 10149, 10153, 10156};

} // namespace

const std::vector<CommandInfo>& command_table() {
    return kCommands;
}

const CommandInfo* find_command(int id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandInfo& info) { return info.id == id; });
    return found == kCommands.end() ? nullptr : &*found;
}

bool is_submenu_header(int id) {
    return std::find(kSubmenuHeaders.begin(), kSubmenuHeaders.end(), id) != kSubmenuHeaders.end();
}

CommandStates::CommandStates() {
    reset();
}

void CommandStates::reset() {
    enabled_.clear();
    for (const auto& info : kCommands) {
        enabled_[info.id] = true;
    }
    for (const int id : kSubmenuHeaders) {
        enabled_[id] = true;
    }
    for (const int id : kDisabledAtStart) {
        enabled_[id] = false;
    }
}

bool CommandStates::enabled(int id) const {
    const auto found = enabled_.find(id);
    return found != enabled_.end() && found->second;
}

bool CommandStates::set(int id, bool enabled) {
    bool& state = enabled_[id];
    const bool changed = state != enabled;
    state = enabled;
    return changed;
}

} // namespace orve
