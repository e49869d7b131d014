#include "models/explanation_checks.hpp"

#include <algorithm>

namespace orve {

namespace {

bool listed(const std::optional<Names>& list, const std::string& name) {
    return list && std::find(list->begin(), list->end(), name) != list->end();
}

} // namespace

bool testuj_ocena_wniosku(double rating, ReportWriter& out) {
    if (rating >= 0.0 && rating <= 10.0) {
        return true;
    }
    // The text is in code page 1250, like every text of the bases.
    out.pisz("B\xB3\xB9"
             "d! Ocena musi by\xE6 zawarta w przedziale 0 - 10");
    out.piszcr();
    return false;
}

bool testuj_relacje(const std::string& name, const AskableLists& lists) {
    return listed(lists.lista_argumentow_dopytywalnych, name) ||
           listed(lists.lista_wnioskow_modeli, name);
}

} // namespace orve
