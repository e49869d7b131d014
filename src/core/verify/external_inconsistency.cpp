// Detection of external inconsistencies, the offer after loading and the
// information step.
#include "verify/external_inconsistency.hpp"

#include "verify/inconsistency_search.hpp"
#include "verify/test_offer.hpp"
#include "verify/verify_text.hpp"

#include <cctype>

namespace orve {

namespace {

const char* const kExternalTestTitle = "Testing external inconsistencies";

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string offer_text(const std::string& name) {
    return "Elementary Exact Rule Base\n   " + name +
           "\nmay be tested for external inconsistencies.\n" +
           "\nThis test may take a lot of time for \nlarge and heavily nested rule bases. \n" +
           "This test should be performed while \ndeveloping or modifying rule bases." +
           "\nFor routine uses of the rule base \nthe test should be bypassed." +
           "\nRemember that external inconsistencies \nmay break down the chaining process." +
           "\n\nDo you wish to test the rule base \nfor external inconsistencies?";
}

// Without a type name (an extension other than ".EEB") the lines and the note
// that would name the type are left out.
void inform_consistent(const std::string& name, const std::optional<std::string>& type,
                       Dialogs& ui) {
    ui.msg_append(" The loaded rule base" + name + "\n");
    if (type) {
        ui.msg_append(" is not externally " + *type + " inconsistent. ");
        ui.note("Information on inconsistency", "Elementary Exact Rule Base\n   " + name +
                                                    "\nis not externally " + *type +
                                                    " inconsistent.");
    }
}

void inform_inconsistent(const std::string& name, const std::optional<std::string>& type,
                         Dialogs& ui) {
    ui.msg_append(" The loaded rule base " + name +
                  " contains at least one external inconsistency \n");
    if (type) {
        ui.msg_append(" of type " + *type + ".\n\n");
    }
    ui.msg_append(" The loaded rule base may be only edited, but not used for chaining.\n"
                  " Neither is it possible to load the corresponding constraint base.\n"
                  " You may however run a diagnostic check revealing the nature of \n"
                  " inconsistency.\n"
                  " For this  proceed with the loaded rule base and enter the Main Menu\n"
                  " option: 'Rule Base /Diagnosing External Inconsistencies'\n\n"
                  " where a detailed message highlighting the nature of inconsistencies\n"
                  " is to be found.\n\n");
    if (type) {
        ui.note("Information on inconsistency",
                "Elementary Exact Rule Base\n   " + name +
                    "\ncontains at least one external inconsistency \nof type  " + *type +
                    ".\n\nThe loaded rule base may be only edited, \nbut not used for chaining." +
                    "\nNeither is it possible to load the corresponding \nconstraint, model or "
                    "advice base." +
                    "\nYou may however run a diagnostic check \nrevealing the nature of  "
                    "inconsistency." +
                    "\nFor this  enter the option \n   'Exact Rule Base\n     Diagnosing "
                    "External Inconsistencies'" +
                    "\nwhere a detailed message highlighting the nature \nof inconsistencies is "
                    "to be found.");
    }
}

} // namespace

std::optional<std::string> finding_type_name(const std::string& rozszerzenie, char letter,
                                             int digit) {
    if (upper(rozszerzenie) != ".EEB") {
        return std::nullopt;
    }
    return std::string(1, letter) + "EE" + std::to_string(digit);
}

void badaj_sprzecznosc_1z(const RuleBase& rules, Findings& findings, TestProgress& progress) {
    findings.sprzecznosc_1z.reset();
    search_inconsistencies(rules.rules, findings, {}, progress);
    findings.sprzecznosc_1z = !findings.reguly_sprzeczne.empty();
}

bool testuj_sprzecznosc_1z(AppState& state, Dialogs& ui) {
    const std::string name = loaded_name(state.kb.rule.name);
    return offer_test(ui,
                      "The loaded rule base " + name +
                          " may be tested for external inconsistencies.\n"
                          "This test may take a lot of time for large and heavily nested rule "
                          "bases. \n\n"
                          "This test should be used while developing or modifying rule bases.\n"
                          "For routine uses of the rule base the test should be bypassed.\n"
                          "Remember that external inconsistencies may break down the chaining "
                          "process.\n",
                      offer_text(name), [&] { return informuj_sprzecznosc_1z(state, ui); });
}

bool informuj_sprzecznosc_1z(AppState& state, Dialogs& ui) {
    // A standing "YES" verdict is kept until the next Rule Base loading.
    if (!state.findings.externally_inconsistent() &&
        !run_cancellable(
            ui, kExternalTestTitle,
            [&](TestProgress& progress) {
                badaj_sprzecznosc_1z(state.kb.rule, state.findings, progress);
            },
            state.findings)) {
        return true;
    }
    const std::string name = loaded_name(state.kb.rule.name);
    const auto type = finding_type_name(state.rozszerzenie, 'I', 1);
    if (!state.findings.externally_inconsistent()) {
        inform_consistent(name, type, ui);
        return true;
    }
    inform_inconsistent(name, type, ui);
    set_command(state, ui, 10071, true);
    return false;
}

} // namespace orve
