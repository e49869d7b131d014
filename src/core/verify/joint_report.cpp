#include "verify/joint_report.hpp"

#include "verify/external_inconsistency.hpp"
#include "verify/verify_text.hpp"

namespace orve {

JointReport joint_report(DiagnosticReport& report, const AppState& state, char letter) {
    return {report, loaded_name(state.kb.rule.name), loaded_name(state.kb.constraint.name),
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

} // namespace orve
