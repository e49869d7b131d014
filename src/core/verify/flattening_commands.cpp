// The two commands that show flattened rules to the user.
#include "verify/flattening_commands.hpp"

#include "askables/list_helpers.hpp"
#include "verify/flat_versions.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"
#include "verify/test_progress.hpp"
#include "verify/verify_text.hpp"

#include <algorithm>
#include <set>

namespace orve {

namespace {

const char* const kNoMore = "There are no more flattened rules!";

// Rules found externally inconsistent are left out of both commands.
std::set<int> excluded_rules(const Findings& findings) {
    return {findings.reguly_sprzeczne_dla_analizy.begin(),
            findings.reguly_sprzeczne_dla_analizy.end()};
}

// The number, conclusion, conditions and rules used of one version, joined by
// `between_number` after the number and blanks elsewhere.
std::string version_text(const Rule& rule, const FlatteningIndex& index, const FlatView& view,
                         const std::string& between_number) {
    return std::to_string(rule.number) + between_number + rule.conclusion + " " +
           bracket_list(index.names_of(view.conditions)) + " " +
           bracket_numbers(applied_without_zeros(view.applied));
}

void write_heading(ReportWriter& out, const std::vector<std::string>& pieces) {
    for (const auto& piece : pieces) {
        out.pisz(piece);
    }
    out.piszcr();
    out.piszcr();
}

// Shows every version of one rule, asking after each; false when the user
// answered No.
bool show_versions(Dialogs& ui, const FlatteningIndex& index, std::size_t rule,
                   const std::string& title, const std::string& question) {
    const Rule& shown = index.rules()[rule];
    bool go_on = true;
    flatten_ids(index, index.rule_conditions(rule), [&](const FlatView& view) {
        ui.msg_append(version_text(shown, index, view, " ") + "\n");
        go_on = ui.yes_no(title, version_text(shown, index, view, ". ") + question);
        return go_on;
    });
    return go_on;
}

// The selectable lines "number  conclusion", without repeats, in character order.
Names rule_lines(const AppState& state) {
    const std::set<int> excluded = excluded_rules(state.findings);
    Names lines;
    for (const Rule& rule : state.kb.rule.rules) {
        if (excluded.count(rule.number) == 0) {
            lines.push_back(std::to_string(rule.number) + "  " + rule.conclusion);
        }
    }
    return sortuj(redukuj(lines));
}

// `tok`: the rule number picked in the selection dialogue, if any.
std::optional<std::string> pick_rule_number(const AppState& state, Dialogs& ui) {
    const Names lines = rule_lines(state);
    const auto picked = ui.pick_line(
        {"Pick a rule for flattening", "Rule number              Rule conclusion", lines});
    if (!picked || *picked < 1 || static_cast<std::size_t>(*picked) > lines.size()) {
        return std::nullopt;
    }
    const std::string& line = lines[static_cast<std::size_t>(*picked - 1)];
    return line.substr(0, line.find(' '));
}

} // namespace

bool flatten_all_rules(AppState& state, Dialogs& ui) {
    ui.msg_append("Results of flattening rule base " + loaded_name(state.kb.rule.name) + "\n\n");
    ReportWriter out(state.report, ui);
    write_heading(out, {"Nr", "  ", "Conclusion", "  ", "List of askable conditions", "  ",
                        "Rules used for flattening"});
    const FlatteningIndex index(state.kb.rule, state.askables);
    const std::set<int> excluded = excluded_rules(state.findings);
    bool go_on = true;
    // A cancel ends the command like a No: at once, without a note.
    const auto show_all = [&](TestProgress& progress) {
        const auto total = static_cast<long long>(index.rules().size());
        for (std::size_t rule = 0; go_on && rule < index.rules().size(); ++rule) {
            progress.reach(static_cast<long long>(rule), total);
            go_on = excluded.count(index.rules()[rule].number) != 0 ||
                    show_versions(ui, index, rule,
                                  "Flattened rules: Number, Conclusion, List of askable "
                                  "condition, Rules used for flattening",
                                  "\n\nNext flattened rule?");
        }
    };
    if (!run_cancellable(ui, "Flattening all rules", show_all) || !go_on) {
        return true;
    }
    ui.note("Attention!", state.findings.externally_inconsistent()
                              ? "Externally inconsistent rules may not be flattened!"
                              : kNoMore);
    return true;
}

bool flatten_chosen_rule(AppState& state, Dialogs& ui) {
    if (const auto tok = pick_rule_number(state, ui)) {
        ReportWriter out(state.report, ui);
        write_heading(out, {"Results of flattening rule", " ", *tok, ":"});
        const FlatteningIndex index(state.kb.rule, state.askables);
        const auto& rules = index.rules();
        const auto found = std::find_if(rules.begin(), rules.end(), [&](const Rule& rule) {
            return std::to_string(rule.number) == *tok;
        });
        if (found != rules.end()) {
            write_heading(out, {"Nr", "  ", "Conclusion", "     ", "List of askable conditions",
                                "          ", "Rules used for flattening"});
            if (!show_versions(ui, index, static_cast<std::size_t>(found - rules.begin()),
                               "Flattened rule: Nr, Conclusion, List of askable conditions, Rules "
                               "used for flattening",
                               "\n\nDo you wish to see the next flattened rule?")) {
                return true;
            }
        }
    }
    ui.note("Attention!", kNoMore);
    return true;
}

} // namespace orve
