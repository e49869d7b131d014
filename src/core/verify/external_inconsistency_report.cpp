// The diagnostic report of the external inconsistencies found by the last
// detection (command "Diagnosing external inconsistencies").
#include "verify/external_inconsistency_report.hpp"

#include "report/diagnostic_report.hpp"
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
    DiagnosticReport& report;
    const std::optional<std::string>& type;
    std::string type_name() const { return type.value_or(""); }
};

void write_self(const Context& c, const InconsistencyRecord& r) {
    if (!c.type) {
        return;
    }
    const std::string a = std::to_string(r.a);
    c.report.line(" Rule " + a + " is externally " + *c.type + "-self-inconsistent. ",
                  "Rule " + a + " is externally " + *c.type + "-selfinconsistent.", 1);
    c.report.show_note();
}

// A record shown with the chain of rules that demonstrates it: the verdict
// and the note need the type name, the chain line does not.
void write_chain(const Context& c, const std::string& verdict, const std::string& note,
                 const std::string& chain) {
    if (c.type) {
        c.report.line(verdict, note);
    }
    c.report.line(chain, 2);
    if (c.type) {
        c.report.show_note();
    }
}

void write_direct(const Context& c, const InconsistencyRecord& r) {
    const std::string a = std::to_string(r.a);
    const std::string b = std::to_string(r.b);
    const std::string type = c.type_name();
    write_chain(
        c, " Rule  " + a + " is externally directly " + type + "-inconsistent with rule " + b + ".",
        "Rule " + a + " is externally directly " + type + "-inconsistent with rule  " + b +
            ".\nThis can be demonstrated by introducing  " + b + " to " + a + ".",
        " This can be demonstrated by introducing  " + join_numbers(r.chain, " ==> "));
}

void write_indirect(const Context& c, const InconsistencyRecord& r) {
    const std::string a = std::to_string(r.a);
    const std::string b = std::to_string(r.b);
    const std::string type = c.type_name();
    c.report.out().plain("\n\n");
    write_chain(c,
                " Rule " + a + " is externally indirectly " + type + "-inconsistent with rule " +
                    b + ".",
                "Rule " + a + " is externally indirectly " + type + "-inconsistent with rule " + b +
                    ".\nThis can be shown by introducing: " + join_numbers(r.chain, "==>") + ".",
                " This can be shown by introducing " + join_numbers(r.chain, " ==> "));
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
    c.report.line(" " + text, text, 1);
    c.report.show_note();
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
    c.report.opening("Diagnostic Report on external inconsistencies of Rule Base:", name);
    c.report
        .note("Diagnostic Report on external inconsistencies of \nElementary Exact Rule Base\n" +
              name + ".")
        .show_note("Diagnostic Report on external inconsistencies of Rule Base");
    if (c.type) {
        c.report.line("  Following rules are externally " + *c.type + "-inconsistent:",
                      "Following rules are externally " + *c.type + "-inconsistent:", 1);
        c.report.show_note();
    }
}

void write_ending(const Context& c, const std::string& name) {
    c.report.closing(" End of diagnostic report on external inconsistencies of rule base: ", name);
    c.report
        .note("End of Diagnostic Report on external inconsistencies of\nElementary Exact Rule "
              "Base\n" +
              name + ".")
        .show_note();
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
    DiagnosticReport report(state.report, ui, kNoteTitle);
    const Context context{report, type};
    // A cancelled save ends the command silently; there is nothing left to do.
    report.write([&] {
        write_heading(context, name);
        write_records(context, records);
        write_unlisted(context, records.size(), state.findings.unlisted_inconsistencies);
        write_ending(context, name);
    });
}

} // namespace orve
