// The advice, picture and sound offers that follow a fired rule or relational
// model, and the advice of a run without conclusion.
#include "chaining/media_offers.hpp"

#include "chaining/media_checks.hpp"
#include "chaining/media_display.hpp"
#include "chaining/media_paths.hpp"
#include "kb/media_bases.hpp"
#include "models/model_operations.hpp"

#include <algorithm>
#include <string_view>

namespace orve {

namespace {

bool has_rule(const RuleBase& base, int number, const std::string& conclusion) {
    return std::any_of(base.rules.begin(), base.rules.end(), [&](const Rule& rule) {
        return rule.number == number && rule.conclusion == conclusion;
    });
}

// A basic model with a simple relation or an extended model with an interval
// relation that establishes this conclusion.
bool has_relational_model(const ModelBase& base, int number, const std::string& conclusion) {
    const auto basic = std::any_of(base.basic.begin(), base.basic.end(), [&](const ModelB& model) {
        return model.number == number && model.result == conclusion && is_relation(model.operation);
    });
    return basic || std::any_of(base.extended.begin(), base.extended.end(), [&](const ModelE& m) {
               return m.number == number && m.result == conclusion &&
                      is_interval_relation(m.operation);
           });
}

const MediaClause* clause_numbered(const MediaBase& base, int number) {
    const auto found =
        std::find_if(base.clauses.begin(), base.clauses.end(),
                     [&](const MediaClause& clause) { return clause.number == number; });
    return found == base.clauses.end() ? nullptr : &*found;
}

// The offer shared by the three media: a question when the rule (or else the
// relational model) has a media clause; a No or a file that cannot be shown
// leaves only the advice's "    NO".
// The question stays a literal until it is asked: most firings ask nothing.
void offer(AppState& state, Dialogs& ui, BaseKind kind, std::string_view question, int number,
           const std::string& conclusion) {
    // The clause first: most rules have none, and the media bases are short.
    const MediaClause* clause = clause_numbered(media_base(state.kb, kind), number);
    if (clause == nullptr || (!has_rule(state.kb.rule, number, conclusion) &&
                              !has_relational_model(state.kb.model, number, conclusion))) {
        return;
    }
    const bool advice = kind == BaseKind::Advice;
    if (advice) {
        ui.msg_append(" Do you wish to be advised?  ");
    }
    // Copied: showing the file must not depend on the clause table staying put.
    const std::string file = clause->file;
    const bool shown = ui.yes_no("Choose:", std::string(question)) &&
                       present_media(state, ui, kind, file) == MediaShown::Shown;
    if (!shown && advice) {
        ui.msg_append("    NO\n");
    }
}

} // namespace

void udziel_rady(AppState& state, Dialogs& ui, int number, const std::string& conclusion) {
    offer(state, ui, BaseKind::Advice, "Do you wish to be advised?", number, conclusion);
}

void wyswietl_grafike(AppState& state, Dialogs& ui, int number, const std::string& conclusion) {
    offer(state, ui, BaseKind::Graphics, "Do you wish to  see the graphics?", number, conclusion);
}

void przesluchaj_melodie(AppState& state, Dialogs& ui, int number, const std::string& conclusion) {
    offer(state, ui, BaseKind::Sound, "Do you wish to  listen to the sound?", number, conclusion);
}

void no_conclusion_advice(AppState&, Dialogs& ui) {
    // One file meant under two spellings ("NIC.hlp", "nic.hlp"): found ignoring case.
    const auto path = find_path_ignoring_case(media_root(BaseKind::Advice) / "NIC.hlp");
    if (!path) {
        return;
    }
    const FileText text = read_text_file(*path);
    if (!text.refusal.empty()) {
        ui.note("Attention error!", text.refusal);
    } else if (text.text && !text.text->empty()) {
        ui.note("Expert Advice", *text.text);
    }
}

} // namespace orve
