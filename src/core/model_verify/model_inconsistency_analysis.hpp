// The analysis behind the Model Base inconsistency test: arithmetical models
// that need their own result and relational models concluding their own
// go-ahead condition.
#pragma once

#include "kb/knowledge_base.hpp"
#include "state/model_findings.hpp"
#include "verify/test_progress.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orve {

// One record of `lista_argumentow_modelu_arytmetycznego`: an arithmetical
// model with the names (and literals) it computes its result from.
struct ModelArguments {
    int number = 0;
    std::string result;
    Names arguments;
};

// The argument lists of the arithmetical models: two-argument basic models,
// arithmetical extended models, linear and polynomial models, in that order.
std::vector<ModelArguments> lista_argumentow_modelu_arytmetycznego(const ModelBase& base);

// The argument lists seen as a graph over names (a result points to its
// arguments), with the lookups the search for indirect inconsistencies needs.
// A model can only need its own result when that result lies on a cycle of
// the graph, and the search cannot come back to the result once it has
// followed a nesting out of the result's strongly connected component; so
// the search looks at cycles only and costs nothing on long acyclic chains.
class NestingGraph {
  public:
    explicit NestingGraph(const std::vector<ModelArguments>& lists);

    // The search for the examined model's result in the models nested in its
    // arguments. Only the first argument that leads into a nesting free of
    // the result is followed; the rest of that list is not looked at. The
    // chain runs from the model in which the result was found to the
    // examined model.
    std::optional<Numbers> indirect_chain(std::size_t examined);

  private:
    int id_of(const std::string& name);
    const ModelArguments* first_nested(const ModelArguments& examined, int result, int name,
                                       bool with_result) const;
    bool uses(std::size_t list, int name) const;

    const std::vector<ModelArguments>& lists_;
    std::unordered_map<std::string, int> ids_;
    std::vector<int> result_ids_;                   // per list
    std::vector<std::vector<int>> argument_ids_;    // per list, in list order
    std::vector<std::vector<std::size_t>> by_name_; // lists computing each name, table order
    std::vector<int> component_;
    std::vector<bool> cyclic_;  // per component: holds a cycle
    std::vector<unsigned> met_; // search number that met each name
    unsigned search_ = 0;
};

// The same search on its own, for one model.
std::optional<Numbers> indirect_chain(const std::vector<ModelArguments>& lists,
                                      std::size_t examined);

// Forgets the previous inconsistency findings and
// records the direct, indirect and relational ones of `base`. Each
// arithmetical model is a step of `progress`.
void examine_model_inconsistency(const ModelBase& base, ModelFindings& findings,
                                 TestProgress& progress = no_progress());

} // namespace orve
