#include "models/model_lists.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_operations.hpp"
#include "state/condition_names.hpp"

#include <algorithm>

namespace orve {

namespace {

void append(Names& to, const Names& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// A kind's variables without duplicates, numeric literals and "No condition".
Names variables_only(const Names& names) {
    Names kept;
    for (const auto& name : redukuj(names)) {
        if (name != no_condition_name && !text_to_real(name)) {
            kept.push_back(name);
        }
    }
    return kept;
}

template <typename Models, typename Collect>
void add_kind(std::vector<ModelKindNames>& records, const Models& models, Collect collect) {
    if (models.empty()) {
        return;
    }
    Names variables;
    Names results;
    for (const auto& model : models) {
        collect(model, variables);
        variables.push_back(model.go_ahead);
        results.push_back(model.result);
    }
    records.push_back({variables_only(variables), results});
}

// Each element followed by a line break.
std::string lines(const Names& names) {
    std::string text;
    for (const auto& name : names) {
        text += name + "\n";
    }
    return text;
}

} // namespace

Names model_argumenty(const ModelBase& base) {
    Names names;
    for (const auto& m : base.basic) {
        if (is_two_argument_operation(m.operation)) {
            append(names, {m.argument1, m.argument2});
        } else if (is_one_argument_function(m.operation) && m.argument2 == "0") {
            names.push_back(m.argument1);
        }
    }
    for (const auto& m : base.extended) {
        if (is_extended_arithmetic(m.operation)) {
            append(names, m.arguments);
        }
    }
    for (const auto& m : base.linear) {
        append(names, m.coefficients);
        append(names, m.variables);
    }
    for (const auto& m : base.polynomial) {
        names.push_back(m.variable);
        append(names, m.coefficients);
    }
    return names;
}

Names model_arytmetyczny(const ModelBase& base) {
    Names names;
    for (const auto& m : base.basic) {
        if (is_basic_arithmetic(m.operation)) {
            names.push_back(m.result);
        }
    }
    for (const auto& m : base.extended) {
        if (is_extended_arithmetic(m.operation)) {
            names.push_back(m.result);
        }
    }
    for (const auto& m : base.linear) {
        names.push_back(m.result);
    }
    for (const auto& m : base.polynomial) {
        names.push_back(m.result);
    }
    return names;
}

Names model_wszelaki(const ModelBase& base) {
    Names names;
    const auto add = [&](const auto& models) {
        for (const auto& m : models) {
            names.push_back(m.go_ahead);
        }
    };
    add(base.basic);
    add(base.extended);
    add(base.linear);
    add(base.polynomial);
    return names;
}

Names model_relacyjny(const ModelBase& base) {
    Names names;
    for (const auto& m : base.basic) {
        if (is_relation(m.operation)) {
            names.push_back(m.result);
        }
    }
    for (const auto& m : base.extended) {
        if (is_interval_relation(m.operation)) {
            names.push_back(m.result);
        }
    }
    return names;
}

std::vector<ModelKindNames> model_variables_and_results(const ModelBase& base) {
    std::vector<ModelKindNames> records;
    add_kind(records, base.basic, [](const ModelB& m, Names& v) {
        append(v, {m.argument1, m.argument2});
    });
    add_kind(records, base.extended, [](const ModelE& m, Names& v) { append(v, m.arguments); });
    add_kind(records, base.linear, [](const ModelLin& m, Names& v) {
        append(v, m.coefficients);
        append(v, m.variables);
    });
    add_kind(records, base.polynomial, [](const ModelPoly& m, Names& v) {
        v.push_back(m.variable);
        append(v, m.coefficients);
    });
    return records;
}

Names askable_model_arguments(const ModelBase& base, const RuleBase& rules) {
    Names variables;
    Names results;
    for (const auto& record : model_variables_and_results(base)) {
        append(variables, record.variables);
        append(results, record.results);
    }
    for (const auto& rule : rules.rules) {
        results.push_back(rule.conclusion);
    }
    return sortuj(roznica_zbiorow(redukuj(variables), results));
}

void rebuild_model_lists(const ModelBase& base, AskableLists& lists) {
    lists.lista_argumentow_modeli = redukuj(model_argumenty(base));
    lists.lista_wynikow_modeli = redukuj(model_arytmetyczny(base));
    lists.lista_warunkow_stosowania = redukuj(model_wszelaki(base));
    lists.lista_wnioskow_modeli = redukuj(model_relacyjny(base));
}

void wyznacz_dopytywalne_zmienne(const KnowledgeBaseSet& kb, AskableLists& lists) {
    lists.lista_argumentow_dopytywalnych = askable_model_arguments(kb.model, kb.rule);
}

void redukuj_warunki_dopytywalne(AskableLists& lists) {
    lists.lista_wszystkich_dopytywalnych_dla_wyswietlania =
        lists.lista_wnioskow_modeli
            ? roznica_zbiorow(lists.lista_warunkow_dopytywalnych, *lists.lista_wnioskow_modeli)
            : lists.lista_warunkow_dopytywalnych;
}

void wyznacz_warunki_i_argumenty_dopytywalne(const KnowledgeBaseSet& kb, AskableLists& lists,
                                             Dialogs& ui) {
    if (!kb.rule.name || !kb.model.name) {
        return;
    }
    const std::string& rule_base = kb.rule.name->name;
    const std::string& model_base = kb.model.name->name;
    const Names m = sortuj(redukuj(lists.lista_argumentow_dopytywalnych.value_or(Names{})));
    lists.lista_argumentow_dopytywalnych = m;
    ui.msg_append("\n\nAskable conditions and arguments for model base " + model_base + ":\n" +
                  lines(m));
    const Names r =
        sortuj(redukuj(lists.lista_wszystkich_dopytywalnych_dla_wyswietlania.value_or(Names{})));
    lists.lista_wszystkich_dopytywalnych_dla_wyswietlania = r;
    ui.msg_append("\n\nAskable conditions for rule base " + rule_base +
                  " while taking into account the model basei " + model_base + ":\n" + lines(r));
    Names joint = m;
    append(joint, r);
    const Names j = sortuj(redukuj(joint));
    lists.lista_warunkow_i_argumentow_dopytywalnych = j;
    ui.msg_append("\n\nAskable conditions for rule base " + rule_base + " and model base " +
                  model_base + ":\n" + lines(j) + "\n");
}

void model_base_askables(AppState& state, Dialogs& ui) {
    redukuj_warunki_dopytywalne(state.askables);
    wyznacz_dopytywalne_zmienne(state.kb, state.askables);
    wyznacz_warunki_i_argumenty_dopytywalne(state.kb, state.askables, ui);
}

} // namespace orve
