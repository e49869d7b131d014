// The offer of the joint rule-constraint redundancy test after loading a
// Constraint Base, and its information step.
#include "verify/joint_redundancy.hpp"
#include "verify/joint_redundancy_detection.hpp"

#include "verify/external_inconsistency.hpp"
#include "verify/joint_report.hpp"
#include "verify/test_offer.hpp"
#include "verify/verify_text.hpp"

namespace orve {

namespace {

std::string offer_text(const std::string& rules, const std::string& constraints) {
    return "Elementary Exact Rule Base\n     " + rules +
           "\nand Elementary Exact Constraint Base\n     " + constraints +
           "\nmay be tested for joint redundancies. \n\nThis test may take a lot of time for "
           "large and \nheavily nested rule bases." +
           "\nTherefore it should be applied while developing or \nmodifying rule bases." +
           "\nFor routine uses of the rule- and constraint bases \nthe test should be bypassed." +
           "\n\nDo you wish to diagnose the rule and constraint \nbase for joint redundancies?";
}

// Without a type name (an extension other than ".EEB") the texts that name it
// are left out.
void inform_none(Dialogs& ui, const std::string& rules, const std::string& constraints,
                 const std::optional<std::string>& type) {
    ui.msg_append("  Rule Base:           " + rules + "\n  and Constraint Base: " + constraints +
                  "\n");
    if (!type) {
        return;
    }
    ui.msg_append("  have no joint redundancies of type " + *type + ".");
    ui.note("Result of testing joint redundancies",
            "Elementary Exact Rule Base\n     " + rules +
                "\nand Elementary Exact Constraint Base\n     " + constraints +
                "\nhave no joint redundancies of type " + *type + ".");
}

void inform_found(AppState& state, Dialogs& ui, const std::string& rules,
                  const std::string& constraints, const std::optional<std::string>& type) {
    ui.msg_append("\n Rule Base:           " + rules + "\n and Constraint Base: " + constraints +
                  "\n");
    if (type) {
        ui.msg_append(" contain redundancy of type " + *type + ".\n\n");
    }
    ui.msg_append(" You may use the loaded bases for chaining, because redundant\n"
                  " rules do not cause chaining to break down. However, it may increase\n"
                  " the time necessary for performing the chaining and - what's perhaps\n"
                  " more important - make conclusions depend upon an unnecessarily large\n"
                  " number of conditions.\n"
                  " Therefore it is advised to remove redundancies.\n\n"
                  " For this  proceed to the option:\n"
                  " 'Constraint Base/Diagnosing Joint Redundancies'\n\n"
                  " where a detailed message highlighting the nature of redundancies\n"
                  " is to be found.\n\n");
    if (type) {
        ui.note("Joint redundancies found",
                "Elementary Exact Rule Base\n   " + rules +
                    "\nand Elementary Exact Constraint Base\n   " + constraints +
                    "\ncontain redundancy of type " + *type +
                    ". \n\nYou may use the loaded bases for chaining, because \n" +
                    "redundant rules do not cause chaining to break down.\n" +
                    "However, it may increase the time necessary for" +
                    "\nperforming the chaining and - what's perhaps" +
                    "\nmore important - make conclusions depend upon an " +
                    "unnecessarily large number of conditions. \n\nTherefore it is advised to "
                    "remove redundancies." +
                    "\nFor this  proceed  to the option:" +
                    "\n   'Exact Constraint Base\n     Diagnosing Joint Redundancies'" +
                    "\nwhere a detailed message highlighting the nature \nof redundancies is to "
                    "be found.");
    }
    set_command(state, ui, 10098, true);
}

} // namespace

bool testuj_nadmiar_2(AppState& state, Dialogs& ui) {
    const JointNames names = joint_names(state, 'R');
    return offer_test(ui,
                      std::string("The Rule Base and Constraint Base may be tested for joint  "
                                  "redundancies.\n") +
                          kJointTestUse,
                      offer_text(names.rules, names.constraints),
                      [&] { return informuj_nadmiar_2(state, ui); });
}

bool informuj_nadmiar_2(AppState& state, Dialogs& ui) {
    if (state.findings.externally_inconsistent()) {
        return false;
    }
    const auto [rules, constraints, type] = joint_names(state, 'R');
    if (state.findings.reguly_nadmiarowe_n2.empty()) {
        ui.msg_append("  Rule base:           " + rules + "\n  and Constraint Base: " +
                      constraints + "\n  are tested for  joint redundancies.\n\n");
        bool none = false;
        if (!run_cancellable(
                ui, kJointRedundancyTestTitle,
                [&](TestProgress& progress) {
                    none = wyznacz_nadmiar_2(state.kb, state.askables, state.findings, progress);
                },
                state.findings)) {
            return true;
        }
        if (none) {
            inform_none(ui, rules, constraints, type);
            return true;
        }
    }
    inform_found(state, ui, rules, constraints, type);
    return false;
}

} // namespace orve
