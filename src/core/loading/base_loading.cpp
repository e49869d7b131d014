#include "loading/base_loading.hpp"

#include "kb/base_kinds.hpp"
#include "kb/base_schemas.hpp"
#include "kb/clause_reader.hpp"
#include "kb/file_access.hpp"
#include "kb/file_lookup.hpp"
#include "kb/unreadable_reason.hpp"
#include "loading/load_followups.hpp"
#include "loading/media_folders.hpp"
#include "verify/structural_checks.hpp"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace orve {

namespace {

std::optional<BaseName>& name_record(KnowledgeBaseSet& kb, BaseKind kind) {
    return base_kind(kind).loaded_name(kb);
}

// Step 1: the flags that bar loading a dependent base.
bool blocked(const AppState& state, BaseKind kind) {
    const bool inconsistent = state.findings.externally_inconsistent();
    switch (kind) {
    case BaseKind::Rule:
        return false;
    case BaseKind::Constraint:
    case BaseKind::Advice:
        return inconsistent || state.findings.sprzecznosc_mr;
    default:
        return inconsistent;
    }
}

// Step 2: empty what the load of this kind replaces.
void empty_tables(AppState& state, BaseKind kind) {
    state.findings.rozne_numery.erase(kind);
    switch (kind) {
    case BaseKind::Rule:
        reset_for_rule_base(state);
        break;
    case BaseKind::Model:
        state.kb.model = {};
        state.model_findings = {};
        state.findings.sprzecznosc_mr = false;
        state.duplikat_nazwy_mo.clear();
        break;
    case BaseKind::Constraint:
        state.kb.constraint = {};
        state.findings.joint_inconsistency_found = false;
        state.findings.joint_redundancy_found = false;
        break;
    case BaseKind::Advice:
        state.kb.advice = {};
        break;
    case BaseKind::Graphics:
        state.kb.graphics = {};
        break;
    case BaseKind::Sound:
        state.kb.sound = {};
        break;
    }
}

void write_lines(Dialogs& ui, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        ui.msg_append(line + "\n");
    }
}

// Fallback b's texts with one more line naming the first empty line.
void report_empty_lines(Dialogs& ui, const LoadTexts& texts, int empty_line) {
    write_lines(ui, texts.empty_lines_lines);
    std::string note = texts.empty_lines_note;
    if (empty_line > 0) {
        const std::string where = "Line " + std::to_string(empty_line) + " is empty.";
        write_lines(ui, {where});
        note += "\n\n" + where;
    }
    ui.note(texts.empty_lines_title, note);
}

// Fallbacks a to d, tried in order when the procedure ended without completing.
// `empty_line`: the first empty line of the file read, if it has one.
bool fallbacks(AppState& state, Dialogs& ui, BaseKind kind, int empty_line = 0) {
    const LoadTexts& texts = base_kind(kind).load;
    if (!name_record(state.kb, kind)) {
        if (state.blad) {
            write_lines(ui, texts.repair_lines);
            ui.note(texts.repair_title, texts.repair_note);
            state.jestem_tu = false;
            return true;
        }
        if (state.jestem_tu && (kind != BaseKind::Model || state.duplikat_nazwy_mo.empty())) {
            report_empty_lines(ui, texts, empty_line);
            state.jestem_tu = false;
            return true;
        }
    }
    state.jestem_tu = false;
    if (kind != BaseKind::Rule && !state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return true;
    }
    if (state.findings.numbers_not_unique()) {
        return false;
    }
    const Findings& f = state.findings;
    switch (kind) {
    case BaseKind::Rule:
        set_main_title(state, ui, "orve");
        return true;
    case BaseKind::Model:
        return true;
    case BaseKind::Constraint:
        return !f.externally_inconsistent() && !f.joint_inconsistency_found &&
               !f.joint_redundancy_found;
    default:
        return !f.externally_inconsistent();
    }
}

// The reader's error text with its line and column; a clause of another base
// kind (a file picked in the wrong dialogue) gets a line naming that kind.
std::string syntax_error_text(const SyntaxError& error, BaseKind kind) {
    std::string text = located_message(error);
    const auto owner = kind_with_clause(error.unknown_clause);
    if (error.code == kUnknownClause && owner && *owner != kind) {
        text += "\nThe clause '" + error.unknown_clause + "' belongs to a " +
                base_kind_name(*owner) + ", not to a " + base_kind_name(kind) + ".";
    }
    return text;
}

// Writes the syntax error with its caret line and shows the error note.
void report_syntax_error(Dialogs& ui, const std::string& file_name, const SyntaxError& error,
                         BaseKind kind) {
    const bool shown = error.position >= 1 && error.position <= 29999;
    const std::string blanks(shown ? static_cast<std::size_t>(error.position - 1) : 0, ' ');
    const std::string message = syntax_error_text(error, kind);
    std::string written = "Syntax error in file " + file_name + "\n" + error.line_text + "\n";
    if (shown) {
        written += blanks + "^\n";
    }
    ui.msg_append(written + message + "\n\n");
    ui.note("Exception handling", "Syntax error in file " + file_name + "\n\n" + error.line_text +
                                      "\n" + blanks + "\n" + message);
}

// Rule Base only: the knowledge-base name and the extension of its file name.
void record_knowledge_base_name(AppState& state, const std::string& file_name) {
    state.wyroznik = knowledge_base_name_of(file_name);
    state.rozszerzenie = file_name.substr(std::min(file_name.size(), state.wyroznik.size() + 2));
}

void write_loaded(AppState& state, Dialogs& ui, BaseKind kind, const std::string& name) {
    const LoadTexts& texts = base_kind(kind).load;
    ui.msg_append(texts.loaded_first + name + "\n" + texts.loaded_second + "\n");
    ui.note(texts.note_title, texts.note_head + "\n    " + name + "\nhas been loaded!");
    if (kind == BaseKind::Rule) {
        set_main_title(state, ui,
                       "orve_EE consults Knowledge Base " + to_upper_ascii(state.wyroznik));
    }
}

bool run_followups(AppState& state, Dialogs& ui, BaseKind kind) {
    switch (kind) {
    case BaseKind::Rule:
        return rule_base_followups(state, ui);
    case BaseKind::Model:
        return model_base_followups(state, ui);
    case BaseKind::Constraint:
        return constraint_base_followups(state, ui);
    case BaseKind::Advice:
        return advice_base_followups(state, ui);
    default:
        return true;
    }
}

// Steps 6 to 9 on the picked file; false when the procedure ends early, with
// the file's first empty line in `empty_line` when that was the cause.
bool read_and_follow_up(AppState& state, Dialogs& ui, BaseKind kind, const fs::path& path,
                        int& empty_line) {
    const std::string file_name = path.filename().string();
    state.jestem_tu = true;
    FileText file = read_regular_file(path.string());
    const std::optional<std::string>& text = file.text;
    if (!text) {
        state.jestem_tu = false;
        ui.note("Attention error!", file.refusal.empty()
                                        ? "The file\n   " + path.string() + "\ncannot be read.\n" +
                                              unreadable_reason(path.string()) + "."
                                        : file.refusal);
        return false;
    }
    // The tables are filled aside while the file is read, and only a file read
    // to its end puts them in place: the clauses before a read error belong to
    // no loaded base and must never be used.
    KnowledgeBaseSet read_tables;
    reserve_tables(kind, *text, read_tables);
    const ReadResult result = read_clauses_into(
        *text, schema_of(kind), [&](Clause& clause) { fill_table(kind, clause, read_tables); });
    file.text.reset(); // the tables hold all that is needed from it
    if (result.error) {
        state.blad = true;
        std::error_code failed;
        state.syntax_error_file = fs::absolute(path, failed).lexically_normal().string();
        state.syntax_error_place = {result.error->line, result.error->position};
        report_syntax_error(ui, file_name, *result.error, kind);
        return false;
    }
    if (result.empty_lines) {
        empty_line = result.empty_line;
        return false;
    }
    adopt_tables(kind, read_tables, state.kb);
    // The file has been read: from here on a refusal is reported by its own step.
    state.jestem_tu = false;
    name_record(state.kb, kind) = BaseName{file_name, path.string()};
    if (kind == BaseKind::Rule) {
        record_knowledge_base_name(state, file_name);
    }
    if (!check_media_folder(state, ui, kind)) {
        return false;
    }
    if (kind == BaseKind::Constraint && !constraint_base_checks(state, ui)) {
        return false;
    }
    write_loaded(state, ui, kind, file_name);
    return run_followups(state, ui, kind);
}

// Step 4: the picked file's folder becomes the current folder.
fs::path enter_folder_of(const std::string& picked) {
    std::error_code error;
    fs::path path = fs::absolute(picked, error).lexically_normal();
    if (error) { // no current folder any more: the name as given
        return fs::path(picked);
    }
    if (path.has_parent_path()) {
        fs::current_path(path.parent_path(), error);
    }
    return path;
}

} // namespace

void reset_for_rule_base(AppState& state) {
    state.kb = {};
    state.askables = {};
    state.findings = {};
    state.model_findings = {};
    state.report = {};
    state.memory = {};
    state.wyroznik.clear();
    state.rozszerzenie.clear();
    state.opis.clear();
    state.blad = false;
    state.jestem_tu = false;
    state.duplikat_nazwy_mo.clear();
}

bool load_base(AppState& state, Dialogs& ui, BaseKind kind) {
    if (kind != BaseKind::Rule && !state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return true;
    }
    if (blocked(state, kind)) {
        return false;
    }
    empty_tables(state, kind);
    const LoadTexts& texts = base_kind(kind).load;
    const std::string picked = ui.open_file(
        texts.initial_mask, {{texts.filter_description, texts.pattern}}, texts.dialog_title);
    if (picked.empty()) {
        return fallbacks(state, ui, kind);
    }
    const fs::path path = enter_folder_of(picked);
    ui.msg_clear();
    if (kind != BaseKind::Rule && !korespondencja(state, ui, path.filename().string())) {
        return fallbacks(state, ui, kind);
    }
    int empty_line = 0;
    if (!read_and_follow_up(state, ui, kind, path, empty_line)) {
        return fallbacks(state, ui, kind, empty_line);
    }
    return true;
}

} // namespace orve
