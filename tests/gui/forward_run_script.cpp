#include "forward_run_script.hpp"

namespace orve::gui::test {

void script_forward_run(DialogScript& script) {
    // Rule Base: test for external inconsistencies, no redundancy test.
    script.choose_file("RUboiler.EEB").click("OK").click("Yes").click("OK").click("No").click("No");
    script.choose_file("COboiler.EEB").click("OK").click("No").click("No");
    script.choose_file("ADboiler.EEB").click("OK");
    script.choose_file("GRboiler.EEB").click("OK");
    script.choose_file("SOboiler.EEB").click("OK");
    // Forward chaining: abstract, detail, one label, query mode.
    script.click("Continue").radio("Low level of detail").click("YES");
    script.type("first consultation", "OK").click("NO").click("OK");
    script.radio("Querrying the user").click("Continue").click("No").click("No");
    script.pick({1}, "Continue").click("Yes").click("Continue");
    script.pick({0}, "Continue").click("Yes").click("Continue");
    // Advice, picture and sound of the fired rule.
    script.click("Yes").click("Continue").click("Yes").click("End").click("Yes");
    script.click("No").click("OK").click("Continue").click("Continue").click("OK");
    // Summary and report saved.
    script.click("YES").choose_file("boiler-case.txt").click("OK");
    script.click("Yes").choose_file("boiler-case.RPT").click("OK");
    script.click("Yes"); // closing the program
}

} // namespace orve::gui::test
