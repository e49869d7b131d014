#include "model_verify/model_inconsistency_analysis.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_operations.hpp"
#include "verify/conclusion_graph.hpp"

#include <algorithm>
#include <set>
#include <utility>

namespace orve {

namespace {

void analyse_arithmetical(const ModelBase& base, ModelFindings& findings, TestProgress& progress) {
    const auto lists = lista_argumentow_modelu_arytmetycznego(base);
    NestingGraph graph(lists);
    const auto total = static_cast<long long>(lists.size());
    for (std::size_t i = 0; i < lists.size(); ++i) {
        progress.reach(static_cast<long long>(i), total);
        const ModelArguments& model = lists[i];
        if (contains(model.arguments, model.result)) {
            findings.model_arytmetyczny_sprzeczny.push_back({model.number, model.result});
            findings.model_aryt_sprzeczny = true;
            continue;
        }
        if (auto chain = graph.indirect_chain(i)) {
            findings.model_arytmetyczny_sprzeczny_gleboko.push_back(
                {model.number, std::move(*chain), model.result});
            findings.model_sprzeczny_gleboko = true;
        }
    }
}

// A model is recorded once however often it is met.
class RelationalRecords {
  public:
    explicit RelationalRecords(ModelFindings& findings) : findings_(findings) {}

    void add(int number, const std::string& conclusion) {
        if (seen_.emplace(number, conclusion).second) {
            findings_.model_relacyjny_sprzeczny.push_back({number, conclusion});
        }
        findings_.model_rela_sprzeczny = true;
    }

  private:
    ModelFindings& findings_;
    std::set<std::pair<int, std::string>> seen_;
};

void analyse_relational(const ModelBase& base, ModelFindings& findings) {
    RelationalRecords records(findings);
    for (const auto& m : base.basic) {
        if (is_relation(m.operation) && m.result == m.go_ahead) {
            records.add(m.number, m.result);
        }
    }
    for (const auto& m : base.extended) {
        if (is_interval_relation(m.operation) && m.result == m.go_ahead) {
            records.add(m.number, m.result);
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

NestingGraph::NestingGraph(const std::vector<ModelArguments>& lists) : lists_(lists) {
    for (const ModelArguments& list : lists) {
        result_ids_.push_back(id_of(list.result));
        std::vector<int> arguments;
        for (const auto& name : list.arguments) {
            arguments.push_back(id_of(name));
        }
        argument_ids_.push_back(std::move(arguments));
    }
    by_name_.resize(ids_.size());
    std::vector<std::vector<int>> successors(ids_.size());
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const auto result = static_cast<std::size_t>(result_ids_[i]);
        by_name_[result].push_back(i);
        auto& next = successors[result];
        next.insert(next.end(), argument_ids_[i].begin(), argument_ids_[i].end());
    }
    component_ = strongly_connected_components(successors);
    std::vector<int> sizes(ids_.size(), 0);
    for (const int component : component_) {
        ++sizes[static_cast<std::size_t>(component)];
    }
    cyclic_.assign(ids_.size(), false);
    for (std::size_t name = 0; name < successors.size(); ++name) {
        const auto component = static_cast<std::size_t>(component_[name]);
        const auto& next = successors[name];
        const bool loop = std::find(next.begin(), next.end(), static_cast<int>(name)) != next.end();
        cyclic_[component] = cyclic_[component] || loop || sizes[component] > 1;
    }
    met_.assign(ids_.size(), 0);
}

int NestingGraph::id_of(const std::string& name) {
    return ids_.emplace(name, static_cast<int>(ids_.size())).first->second;
}

bool NestingGraph::uses(std::size_t list, int name) const {
    const auto& arguments = argument_ids_[list];
    return std::find(arguments.begin(), arguments.end(), name) != arguments.end();
}

// The first model other than the examined one that computes `name` and whose
// arguments do (or do not) include the examined model's result.
const ModelArguments* NestingGraph::first_nested(const ModelArguments& examined, int result,
                                                 int name, bool with_result) const {
    for (const std::size_t candidate : by_name_[static_cast<std::size_t>(name)]) {
        if (lists_[candidate].number != examined.number && uses(candidate, result) == with_result) {
            return &lists_[candidate];
        }
    }
    return nullptr;
}

// Every nesting followed adds a name not met before, and the names come from
// the finite set of model results, so the search always ends.
std::optional<Numbers> NestingGraph::indirect_chain(std::size_t examined) {
    const ModelArguments& model = lists_[examined];
    const int result = result_ids_[examined];
    const int component = component_[static_cast<std::size_t>(result)];
    if (!cyclic_[static_cast<std::size_t>(component)]) {
        return std::nullopt;
    }
    ++search_;
    met_[static_cast<std::size_t>(result)] = search_;
    Numbers chain{model.number}; // the examined model first, reversed at the end
    const std::vector<int>* arguments = &argument_ids_[examined];
    const Names* names = &model.arguments;
    std::size_t i = 0;
    while (i < arguments->size()) {
        const int name = (*arguments)[i];
        const auto slot = static_cast<std::size_t>(name);
        if (met_[slot] != search_ && !text_to_real((*names)[i])) {
            if (const ModelArguments* nested = first_nested(model, result, name, false)) {
                if (component_[slot] != component) {
                    return std::nullopt; // nothing beyond leads back to the result
                }
                // Follow this nesting only; the rest of the list is dropped.
                chain.push_back(nested->number);
                met_[slot] = search_;
                const auto list = static_cast<std::size_t>(nested - lists_.data());
                arguments = &argument_ids_[list];
                names = &nested->arguments;
                i = 0;
                continue;
            }
        }
        if (const ModelArguments* closing = first_nested(model, result, name, true)) {
            chain.push_back(closing->number);
            std::reverse(chain.begin(), chain.end());
            return chain;
        }
        ++i;
    }
    return std::nullopt;
}

std::optional<Numbers> indirect_chain(const std::vector<ModelArguments>& lists,
                                      std::size_t examined) {
    return NestingGraph(lists).indirect_chain(examined);
}

void examine_model_inconsistency(const ModelBase& base, ModelFindings& findings,
                                 TestProgress& progress) {
    findings.model_arytmetyczny_sprzeczny.clear();
    findings.model_arytmetyczny_sprzeczny_gleboko.clear();
    findings.model_relacyjny_sprzeczny.clear();
    findings.model_aryt_sprzeczny = false;
    findings.model_sprzeczny_gleboko = false;
    findings.model_rela_sprzeczny = false;
    analyse_arithmetical(base, findings, progress);
    analyse_relational(base, findings);
}

} // namespace orve
