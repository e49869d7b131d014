#include "verify/joint_report.hpp"

#include "verify/external_inconsistency.hpp"
#include "verify/verify_text.hpp"

namespace orve {

JointNames joint_names(const AppState& state, char letter) {
    return {loaded_name(state.kb.rule.name), loaded_name(state.kb.constraint.name),
            finding_type_name(state.rozszerzenie, letter, 2)};
}

void write_base_names(const JointReport& c, const BaseNameLines& lines) {
    c.report.line(lines.rules, std::string(lines.note_start) + "Elementary Exact Rule Base\n" +
                                   lines.indent + c.rules);
    c.report.line(lines.constraints,
                  std::string(lines.note_and) + "Elementary Exact Constraint Base\n" +
                      lines.indent + c.constraints + lines.note_end,
                  lines.blank);
}

void write_joint_ending(const JointReport& c, const std::string& what, const BaseNameLines& lines) {
    const std::string text =
        "End of diagnostic report of joint rule-constraint " + what + " between";
    c.report.out().piszcr();
    c.report.line(" " + text, text);
    write_base_names(c, lines);
    c.report.show_note();
}

void write_joint_report(AppState& state, Dialogs& ui, const JointReportFrame& frame) {
    if (!frame.kept(state.findings) && !run_cancellable(
                                           ui, frame.progress_title,
                                           [&](TestProgress& progress) {
                                               frame.detect(state.kb, state.askables,
                                                            state.findings, progress);
                                           },
                                           state.findings)) {
        return;
    }
    DiagnosticReport report(state.report, ui, frame.title);
    const JointReport context{joint_names(state, frame.letter), report};
    if (!frame.kept(state.findings)) {
        frame.nothing(context);
        return;
    }
    report.write([&] { frame.parts(context, state); });
}

} // namespace orve
