#include "model_verify/model_inconsistency_analysis.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_operations.hpp"

#include <algorithm>
#include <set>

namespace orve {

namespace {

// The first model other than the examined one that computes `name` and whose
// arguments do (or do not) include the examined model's result.
const ModelArguments* first_nested(const std::vector<ModelArguments>& lists,
                                   const ModelArguments& examined, const std::string& name,
                                   bool with_result) {
    for (const auto& candidate : lists) {
        if (candidate.number != examined.number && candidate.result == name &&
            contains(candidate.arguments, examined.result) == with_result) {
            return &candidate;
        }
    }
    return nullptr;
}

void analyse_arithmetical(const ModelBase& base, ModelFindings& findings) {
    const auto lists = lista_argumentow_modelu_arytmetycznego(base);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const ModelArguments& model = lists[i];
        if (contains(model.arguments, model.result)) {
            findings.model_arytmetyczny_sprzeczny.push_back({model.number, model.result});
            findings.model_aryt_sprzeczny = true;
            continue;
        }
        if (auto chain = indirect_chain(lists, i)) {
            findings.model_arytmetyczny_sprzeczny_gleboko.push_back(
                {model.number, std::move(*chain), model.result});
            findings.model_sprzeczny_gleboko = true;
        }
    }
}

void record_relational(int number, const std::string& conclusion, ModelFindings& findings) {
    const RelationalModelInconsistency record{number, conclusion};
    auto& records = findings.model_relacyjny_sprzeczny;
    if (std::find(records.begin(), records.end(), record) == records.end()) {
        records.push_back(record);
    }
    findings.model_rela_sprzeczny = true;
}

void analyse_relational(const ModelBase& base, ModelFindings& findings) {
    for (const auto& m : base.basic) {
        if (is_relation(m.operation) && m.result == m.go_ahead) {
            record_relational(m.number, m.result, findings);
        }
    }
    for (const auto& m : base.extended) {
        if (is_interval_relation(m.operation) && m.result == m.go_ahead) {
            record_relational(m.number, m.result, findings);
        }
    }
}

} // namespace

std::vector<ModelArguments> lista_argumentow_modelu_arytmetycznego(const ModelBase& base) {
    std::vector<ModelArguments> lists;
    for (const auto& m : base.basic) {
        if (is_two_argument_operation(m.operation)) {
            lists.push_back({m.number, m.result, {m.argument1, m.argument2}});
        }
    }
    for (const auto& m : base.extended) {
        if (is_extended_arithmetic(m.operation)) {
            lists.push_back({m.number, m.result, m.arguments});
        }
    }
    for (const auto& m : base.linear) {
        Names arguments = m.coefficients;
        arguments.insert(arguments.end(), m.variables.begin(), m.variables.end());
        lists.push_back({m.number, m.result, std::move(arguments)});
    }
    for (const auto& m : base.polynomial) {
        Names arguments = m.coefficients;
        arguments.push_back(m.variable);
        lists.push_back({m.number, m.result, std::move(arguments)});
    }
    return lists;
}

// Every nesting followed adds a name not met before, and the names come from
// the finite set of model results, so the search always ends.
std::optional<Numbers> indirect_chain(const std::vector<ModelArguments>& lists,
                                      std::size_t examined) {
    const ModelArguments& model = lists[examined];
    Numbers chain{model.number};
    std::set<std::string> met{model.result};
    const Names* arguments = &model.arguments;
    std::size_t i = 0;
    while (i < arguments->size()) {
        const std::string& name = (*arguments)[i];
        if (!text_to_real(name) && met.count(name) == 0) {
            if (const ModelArguments* nested = first_nested(lists, model, name, false)) {
                // Follow this nesting only; the rest of the list is dropped.
                chain.insert(chain.begin(), nested->number);
                met.insert(name);
                arguments = &nested->arguments;
                i = 0;
                continue;
            }
        }
        if (const ModelArguments* closing = first_nested(lists, model, name, true)) {
            chain.insert(chain.begin(), closing->number);
            return chain;
        }
        ++i;
    }
    return std::nullopt;
}

void examine_model_inconsistency(const ModelBase& base, ModelFindings& findings) {
    findings.model_arytmetyczny_sprzeczny.clear();
    findings.model_arytmetyczny_sprzeczny_gleboko.clear();
    findings.model_relacyjny_sprzeczny.clear();
    findings.model_aryt_sprzeczny = false;
    findings.model_sprzeczny_gleboko = false;
    findings.model_rela_sprzeczny = false;
    analyse_arithmetical(base, findings);
    analyse_relational(base, findings);
}

} // namespace orve
