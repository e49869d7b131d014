#include "models/known_arguments.hpp"

#include "askables/list_helpers.hpp"

namespace orve {

namespace {

void report_non_askable(const std::string& base_name, const Names& names, Dialogs& ui) {
    const std::string list = bracket_list(names);
    ui.msg_append("Non-askable arguments declared as 'known_arguments()' in model base " +
                  base_name + ".\nThe following arguments are non- askable: \n" + list +
                  "Proceed to the option 'Model Base/'Model Base Editing',\n"
                  "load the faulty base and remove the faults.");
    ui.note("Non-askable arguments declared as 'known_arguments()",
            "The following non-askable arguments declared as 'known_arguments()'\n" + list +
                "\nProceed to the option 'Model Base/'Model Base Editing',"
                "\nload the faulty bases and remove the faults");
}

} // namespace

bool testowanie_dopytywalnosci_argumentow(ModelBase& base, const AskableLists& lists, Dialogs& ui) {
    if (!base.name) {
        return true;
    }
    Names declared;
    for (const auto& known : base.arguments_known) {
        declared.push_back(known.name);
    }
    const Names non_askable =
        roznica_zbiorow(declared, lists.lista_argumentow_dopytywalnych.value_or(Names{}));
    if (non_askable.empty()) {
        return true;
    }
    report_non_askable(base.name->name, non_askable, ui);
    base.arguments_known.clear();
    base.basic.clear();
    base.name.reset();
    return false;
}

} // namespace orve
