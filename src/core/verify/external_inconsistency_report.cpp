// The diagnostic report of the external inconsistencies found by the last
// detection (command "Diagnosing external inconsistencies").
#include "verify/external_inconsistency_report.hpp"

#include "report/report_save.hpp"
#include "report/report_writer.hpp"
#include "verify/external_inconsistency.hpp"
#include "verify/verify_text.hpp"

#include <cstdint>
#include <string>

namespace orve {

namespace {

const char* const kNoteTitle = "Diagnostic Report on external inconsistencies of rule base";

enum class Kind { Self, Direct, Indirect };

Kind kind_of(const InconsistencyRecord& record) {
    if (record.a == record.b) {
        return Kind::Self;
    }
    return record.chain.size() == 2 ? Kind::Direct : Kind::Indirect;
}

// Everything one record needs; the type name is absent for an extension other
// than ".EEB", and then the lines and notes naming it are left out.
struct Context {
    ReportWriter& out;
    Dialogs& ui;
    const std::optional<std::string>& type;
};

void write_self(const Context& c, const InconsistencyRecord& r) {
    if (!c.type) {
        return;
    }
    const std::string a = std::to_string(r.a);
    c.out.pisz(" Rule " + a + " is externally " + *c.type + "-self-inconsistent. ");
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kNoteTitle, "Rule " + a + " is externally " + *c.type + "-selfinconsistent.");
}

void write_direct(const Context& c, const InconsistencyRecord& r) {
    const std::string a = std::to_string(r.a);
    const std::string b = std::to_string(r.b);
    if (c.type) {
        c.out.pisz(" Rule  " + a + " is externally directly " + *c.type +
                   "-inconsistent with rule " + b + ".");
        c.out.piszcr();
    }
    c.out.pisz(" This can be demonstrated by introducing  " + join_numbers(r.chain, " ==> "));
    c.out.piszcr();
    c.out.piszcr();
    c.out.piszcr();
    if (c.type) {
        c.ui.note(kNoteTitle,
                  "Rule " + a + " is externally directly " + *c.type + "-inconsistent with rule  " +
                      b + ".\nThis can be demonstrated by introducing  " + b + " to " + a + ".");
    }
}

void write_indirect(const Context& c, const InconsistencyRecord& r) {
    const std::string a = std::to_string(r.a);
    const std::string b = std::to_string(r.b);
    c.out.plain("\n\n");
    if (c.type) {
        c.out.pisz(" Rule " + a + " is externally indirectly " + *c.type +
                   "-inconsistent with rule " + b + ".");
        c.out.piszcr();
    }
    c.out.pisz(" This can be shown by introducing " + join_numbers(r.chain, " ==> "));
    c.out.piszcr();
    c.out.piszcr();
    c.out.piszcr();
    if (c.type) {
        c.ui.note(kNoteTitle,
                  "Rule " + a + " is externally indirectly " + *c.type +
                      "-inconsistent with rule " + b +
                      ".\nThis can be shown by introducing: " + join_numbers(r.chain, "==>") + ".");
    }
}

void write_records(const Context& c, const std::vector<InconsistencyRecord>& records) {
    for (const auto& record : records) {
        if (kind_of(record) == Kind::Self) {
            write_self(c, record);
        }
    }
    for (const auto& record : records) {
        if (kind_of(record) == Kind::Direct) {
            write_direct(c, record);
        }
    }
    for (const auto& record : records) {
        if (kind_of(record) == Kind::Indirect) {
            write_indirect(c, record);
        }
    }
}

std::string counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Said after the records when the search found more cycle paths than it kept.
std::string unlisted_text(std::size_t listed, const UnlistedInconsistencies& unlisted) {
    std::string text = "Only the first " +
                       counted(listed, "inconsistency is listed; ", "inconsistencies are listed; ");
    if (!unlisted.exact) {
        return text + "there are more cycle paths, too many to count.";
    }
    return text + (unlisted.count == 1 ? "there is " : "there are ") +
           counted(unlisted.count, "more cycle path.", "more cycle paths.");
}

void write_unlisted(const Context& c, std::size_t listed, const UnlistedInconsistencies& unlisted) {
    if (!unlisted.any()) {
        return;
    }
    const std::string text = unlisted_text(listed, unlisted);
    c.out.pisz(" " + text);
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note(kNoteTitle, text);
}

void report_nothing_found(const std::string& name, const std::optional<std::string>& type,
                          Dialogs& ui) {
    ui.msg_append(" Rule base " + name + "\n");
    if (type) {
        ui.msg_append(" is not externally " + *type + "-inconsistent.\n");
        ui.note("Attention!",
                "Rule base\n   " + name + "\nis not externally " + *type + "-inconsistent.");
    }
}

void write_heading(const Context& c, const std::string& name) {
    c.out.pisz("Diagnostic Report on external inconsistencies of Rule Base:");
    c.out.piszcr();
    c.out.pisz(" " + name);
    c.out.piszcr();
    c.out.piszcr();
    c.ui.note("Diagnostic Report on external inconsistencies of Rule Base",
              "Diagnostic Report on external inconsistencies of \nElementary Exact Rule Base\n" +
                  name + ".");
    if (c.type) {
        c.out.pisz("  Following rules are externally " + *c.type + "-inconsistent:");
        c.out.piszcr();
        c.out.piszcr();
        c.ui.note(kNoteTitle, "Following rules are externally " + *c.type + "-inconsistent:");
    }
}

void write_ending(const Context& c, const std::string& name) {
    c.out.piszcr();
    c.out.pisz(" End of diagnostic report on external inconsistencies of rule base: ");
    c.out.piszcr();
    c.out.pisz(" " + name + ".");
    c.ui.note(kNoteTitle,
              "End of Diagnostic Report on external inconsistencies of\nElementary Exact Rule "
              "Base\n" +
                  name + ".");
}

} // namespace

void pisz_sprzecznosc_1z(AppState& state, Dialogs& ui) {
    const std::string name = loaded_name(state.kb.rule.name);
    const auto type = finding_type_name(state.rozszerzenie, 'I', 1);
    const auto& records = state.findings.reguly_sprzeczne;
    if (records.empty()) {
        report_nothing_found(name, type, ui);
        return;
    }
    kasowanie_tekst_raportu(state.report);
    ReportWriter out(state.report, ui);
    const Context context{out, ui, type};
    write_heading(context, name);
    write_records(context, records);
    write_unlisted(context, records.size(), state.findings.unlisted_inconsistencies);
    write_ending(context, name);
    // A cancelled save ends the command silently; there is nothing left to do.
    raport(out);
}

} // namespace orve
