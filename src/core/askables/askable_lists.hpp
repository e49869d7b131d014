// Askable conditions of the Rule Base: the records, their determination at loading,
// the declared-facts check and the general askable list.
#pragma once

#include "askables/sorted_names.hpp"
#include "kb/knowledge_base.hpp"
#include "report/dialogs.hpp"

#include <optional>
#include <string>

namespace orve {

struct AskableLists {
    // Recorded by wyznacz_warunki_dopytywalne for the caller's use; the load
    // step leaves them empty, as nothing reads them from the loaded state.
    Names lista_warunkow;
    Names lista_wnioskow_regul;
    Names lista_warunkow_dopytywalnych;
    SortedNames dopytywalny; // askability test of flattening and chaining
    // Present only while a Model Base is loaded.
    std::optional<Names> lista_wszystkich_dopytywalnych_dla_wyswietlania;
    std::optional<Names> lista_argumentow_dopytywalnych;
    std::optional<Names> lista_warunkow_i_argumentow_dopytywalnych;
    std::optional<Names> lista_wnioskow_modeli;
    // The Model Base's own name lists, present while a Model Base is loaded.
    std::optional<Names> lista_argumentow_modeli;
    std::optional<Names> lista_wynikow_modeli;
    std::optional<Names> lista_warunkow_stosowania;
    std::optional<Names> lista_wszystkich_zmiennych_logicznych;

    bool is_askable(const std::string& name) const { return dopytywalny.count(name) != 0; }
};

// `wyznacz_warunki_dopytywalne`: records the condition and conclusion lists and
// returns the unsorted askable conditions.
Names wyznacz_warunki_dopytywalne(const RuleBase& rules, AskableLists& lists);

// Determines, sorts and records the askable conditions of the Rule Base
// without writing them; empties the condition and conclusion lists.
void determine_askable_conditions(const RuleBase& rules, AskableLists& lists);

// The Rule Base load step: determines, sorts, records and writes the askable
// conditions of the Rule Base named `base_name`. Returns the declared facts
// that are not askable, found on the way, for reject_faulty_facts.
Names record_askable_conditions(const RuleBase& rules, const std::string& base_name,
                                AskableLists& lists, Dialogs& ui);

// The declared-facts verdict on `faulty`, the facts that are not askable: true
// when there is none; otherwise reports them, clears the facts, rules and Rule
// Base name and returns false.
bool reject_faulty_facts(const Names& faulty, RuleBase& rules, AskableLists& lists, Dialogs& ui);

// `testowanie_dopytywalnosci_faktow`: reject_faulty_facts on the declared facts
// that are not askable in the rules as they are.
bool testowanie_dopytywalnosci_faktow(RuleBase& rules, AskableLists& lists, Dialogs& ui);

// The general askable list used by chaining (`ogolna_lista_dopytywalnych`).
const Names& ogolna_lista_dopytywalnych(const AskableLists& lists);

} // namespace orve
