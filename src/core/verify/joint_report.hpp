// What the verdicts and reports on a Rule Base and Constraint Base pair name:
// both bases and the finding type; and the parts the two reports share.
#pragma once

#include "report/diagnostic_report.hpp"
#include "state/app_state.hpp"
#include "verify/test_progress.hpp"

#include <optional>
#include <string>

namespace orve {

// The type name ("IEE2", "REE2") is absent for an extension other than
// ".EEB", and then the lines and notes naming it are left out.
struct JointNames {
    std::string rules;
    std::string constraints;
    std::optional<std::string> type;
    std::string type_name() const { return type.value_or(""); }
};

// The names of the loaded pair; `letter` is the type's first letter.
JointNames joint_names(const AppState& state, char letter);

// The lines of both offers of a joint test on when to run it.
inline constexpr const char* kJointTestUse =
    "This test may take a lot of time for large and heavily nested \n"
    "rule bases. \n\n"
    "This test should be used while developing or modifying rule bases.\n"
    "For routine uses of the rule- and constraint bases the test should\n"
    "be bypassed.\n\n";

// A report on the pair: the names and the writer.
struct JointReport : JointNames {
    DiagnosticReport& report;
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

// The closing of a joint report on `what` ("inconsistencies") after an empty
// line: its lines name the bases; the note is shown.
void write_joint_ending(const JointReport& c, const std::string& what, const BaseNameLines& lines);

// What tells the two joint reports apart within their shared frame.
struct JointReportFrame {
    const char* title; // of the notes
    char letter;       // the type's first letter
    // Whether the last detection left records to report.
    bool (*kept)(const Findings& findings);
    // The detection, run first when the last one left none, and the title of
    // its progress indicator.
    bool (*detect)(const KnowledgeBaseSet& kb, const AskableLists& askables, Findings& findings,
                   TestProgress& progress);
    const char* progress_title;
    // The verdict when there are none; the frame leaves the buffer as it is.
    void (*nothing)(const JointReport& c);
    // The report, written into the emptied buffer and then offered for saving.
    void (*parts)(const JointReport& c, AppState& state);
};

// Writes a joint report on the loaded pair. A cancelled detection or save ends
// the command silently, as there is nothing left to do.
void write_joint_report(AppState& state, Dialogs& ui, const JointReportFrame& frame);

} // namespace orve
