#include "ui/base_inspection.hpp"

#include "kb/byte_order_mark.hpp"
#include "kb/file_access.hpp"
#include "kb/unreadable_reason.hpp"
#include "ui/record_browsers.hpp"

namespace orve {

namespace {

const std::string kNoRules = "No rules in the rule base!";
const std::string kNoConstraints = "No constraints in the Constraint Bbase !";

// Clauses count only while their base is loaded: a refused load may leave some behind.
bool has_rules(const AppState& state) {
    return state.kb.rule.name && !state.kb.rule.rules.empty();
}

bool has_constraints(const AppState& state) {
    return state.kb.constraint.name && !state.kb.constraint.constraints.empty();
}

template <typename Clause>
bool has_models(const AppState& state, const std::vector<Clause>& models) {
    return state.kb.model.name && !models.empty();
}

// Reads a loaded base's file and shows it in the text inspection window. When
// that window closes the main window's title returns to "orve_EE". A file gone
// or changed into something unreadable since loading ends with a note.
// `main_title`: the window's title also becomes the main window's while it is open.
bool show_base_file(AppState& state, Dialogs& ui, const BaseName& base, const std::string& title,
                    bool main_title = false) {
    FileText file = read_regular_file(base.full_path);
    if (!file.text) {
        ui.note("Attention error!", file.refusal.empty()
                                        ? "The base " + base.name + " could not be read.\n" +
                                              unreadable_reason(base.full_path) + "."
                                        : file.refusal);
        return false;
    }
    strip_byte_order_mark(*file.text);
    if (main_title) {
        set_main_title(state, ui, title);
    }
    ui.show_text(title, *file.text);
    set_main_title(state, ui, "orve_EE");
    return true;
}

// Opens a model browser, or notes that the Model Base has no model of the kind.
template <typename Clause>
bool browse_models(AppState& state, Dialogs& ui, const std::vector<Clause>& models,
                   RecordBrowser (*browser)(const ModelBase&), const std::string& none) {
    if (!has_models(state, models)) {
        ui.note("Attention!", none);
        return true;
    }
    ui.browse_records(browser(state.kb.model));
    return true;
}

} // namespace

bool inspect_single_rule(AppState& state, Dialogs& ui) {
    if (!has_rules(state)) {
        ui.note("Attention error!", kNoRules);
        return true;
    }
    ui.browse_records(rule_browser(state.kb.rule));
    return true;
}

bool inspect_all_rules(AppState& state, Dialogs& ui) {
    if (!has_rules(state)) {
        ui.note("Attention error!", kNoRules);
        return true;
    }
    const BaseName& base = *state.kb.rule.name;
    return show_base_file(state, ui, base, "Inspection of Rule Base  " + base.name);
}

bool inspect_basic_models(AppState& state, Dialogs& ui) {
    return browse_models(state, ui, state.kb.model.basic, basic_model_browser,
                         "The Model Base contains no basic models!!");
}

bool inspect_extended_models(AppState& state, Dialogs& ui) {
    return browse_models(state, ui, state.kb.model.extended, extended_model_browser,
                         "The Model Base contains no extended models!");
}

bool inspect_linear_models(AppState& state, Dialogs& ui) {
    return browse_models(state, ui, state.kb.model.linear, linear_model_browser,
                         "The Model Base contains no linear models!");
}

bool inspect_polynomial_models(AppState& state, Dialogs& ui) {
    return browse_models(state, ui, state.kb.model.polynomial, polynomial_model_browser,
                         "The Model Base contains no polynomial models!");
}

bool inspect_all_models(AppState& state, Dialogs& ui) {
    const ModelBase& models = state.kb.model;
    if (!models.name) {
        ui.msg_append(" No Model Base for inspection.\n");
        ui.note("Attention!", "No Model Base for inspection!");
        return false;
    }
    if (models.basic.empty() && models.extended.empty() && models.linear.empty() &&
        models.polynomial.empty()) {
        ui.note("Attention!", "The Model Base contains no models!");
        return true;
    }
    return show_base_file(state, ui, *models.name, "Inspection of model base: " + models.name->name,
                          true);
}

bool inspect_single_constraint(AppState& state, Dialogs& ui) {
    if (!has_constraints(state)) {
        ui.note("Attention!", kNoConstraints);
        return true;
    }
    ui.browse_records(constraint_browser(state.kb.constraint));
    return true;
}

bool inspect_all_constraints(AppState& state, Dialogs& ui) {
    if (!has_constraints(state)) {
        ui.note("Attention!", kNoConstraints);
        return true;
    }
    const BaseName& base = *state.kb.constraint.name;
    return show_base_file(state, ui, base, "Inspection of Constraint Base: " + base.name);
}

namespace {

// The texts of one media base's inspection command.
struct MediaInspection {
    std::string title;       // the window title before the base name
    std::string none_loaded; // written and shown when no base is loaded
    std::string no_clauses;  // the note for a loaded base without clauses
};

bool inspect_media_base(AppState& state, Dialogs& ui, const MediaBase& base,
                        const MediaInspection& texts, const std::string& note_none) {
    if (!base.name) {
        ui.msg_append(texts.none_loaded + "\n");
        ui.note("Attention!", note_none);
        return false;
    }
    if (base.clauses.empty()) {
        ui.note("Attention!", texts.no_clauses);
        return true;
    }
    return show_base_file(state, ui, *base.name, texts.title + base.name->name);
}

} // namespace

bool inspect_advice_base(AppState& state, Dialogs& ui) {
    return inspect_media_base(state, ui, state.kb.advice,
                              {"Inspection of Advice Base: ", " No Advice Base for inspection.",
                               "No advices in the Advice Base !"},
                              "No Advice Base for inspection!");
}

bool inspect_graphics_base(AppState& state, Dialogs& ui) {
    return inspect_media_base(state, ui, state.kb.graphics,
                              {"Inspecting graphics file ", " No graphics file for inspection!",
                               "No graphics files in the Graphics Base !"},
                              "No graphics file for inspection!");
}

bool inspect_sound_base(AppState& state, Dialogs& ui) {
    return inspect_media_base(state, ui, state.kb.sound,
                              {"Sound Base loading ", " No Sound Base for inspection",
                               "No Sound files in the Sound Base !"},
                              "No Sound Base for inspection");
}

} // namespace orve
