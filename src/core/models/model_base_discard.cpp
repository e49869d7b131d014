#include "models/model_base_discard.hpp"

namespace orve {

void discard_model_base(ModelBase& base) {
    base.basic.clear();
    base.extended.clear();
    base.linear.clear();
    base.polynomial.clear();
    base.arguments_known.clear();
    base.name.reset();
}

void discard_model_base(ModelBase& base, AskableLists& lists) {
    discard_model_base(base);
    lists.lista_argumentow_dopytywalnych.reset();
    lists.lista_warunkow_i_argumentow_dopytywalnych.reset();
    lists.lista_wnioskow_modeli.reset();
    lists.lista_argumentow_modeli.reset();
    lists.lista_wynikow_modeli.reset();
    lists.lista_warunkow_stosowania.reset();
}

} // namespace orve
