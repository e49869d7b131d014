// What the reports on a Rule Base and Constraint Base pair need: the writer,
// the names of both bases and the finding type.
#pragma once

#include "report/diagnostic_report.hpp"
#include "state/app_state.hpp"

#include <optional>
#include <string>

namespace orve {

// The type name ("IEE2", "REE2") is absent for an extension other than
// ".EEB", and then the lines and notes naming it are left out.
struct JointReport {
    DiagnosticReport& report;
    std::string rules;
    std::string constraints;
    std::optional<std::string> type;
    std::string type_name() const { return type.value_or(""); }
};

// Two report lines naming the bases, and their note: "Elementary Exact Rule
// Base" and "... Constraint Base", each followed by its name on a line of its
// own after `indent`.
struct BaseNameLines {
    std::string rules;       // the report line naming the Rule Base
    std::string constraints; // the report line naming the Constraint Base
    const char* indent = "    ";
    const char* note_start = "\n";
    const char* note_and = "\nand ";
    const char* note_end = ".";
    int blank = 0; // empty lines after the second line
};

// Writes the lines and adds their note to the collected one.
void write_base_names(const JointReport& c, const BaseNameLines& lines);

// The joint report of the loaded pair; `letter` is the type's first letter.
JointReport joint_report(DiagnosticReport& report, const AppState& state, char letter);

} // namespace orve
