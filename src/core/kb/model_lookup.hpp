// The models of a Model Base found by the name they compute or conclude, so
// that following a long chain of models costs no scan of the whole base at
// every link.
#pragma once

#include "kb/knowledge_base.hpp"

#include <cstddef>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace orve {

// Positions in a model table, in table order.
using ModelPositions = std::vector<std::size_t>;

class ModelLookup {
  public:
    explicit ModelLookup(const ModelBase& base);

    // The models of each kind whose result (or conclusion) is the name.
    const ModelPositions& basic(const std::string& name) const { return of(basic_, name); }
    const ModelPositions& extended(const std::string& name) const { return of(extended_, name); }
    const ModelPositions& linear(const std::string& name) const { return of(linear_, name); }
    const ModelPositions& polynomial(const std::string& name) const {
        return of(polynomial_, name);
    }

  private:
    using Map = std::unordered_map<std::string, ModelPositions>;
    static const ModelPositions& of(const Map& map, const std::string& name);

    Map basic_;
    Map extended_;
    Map linear_;
    Map polynomial_;
};

// The positions of the models of `models` whose result is the name: from the
// lookup when there is one, otherwise by going through the table.
template <typename Model>
ModelPositions with_result(const std::vector<Model>& models, const std::string& name,
                           const ModelLookup* lookup) {
    if (lookup != nullptr) {
        if constexpr (std::is_same_v<Model, ModelB>) {
            return lookup->basic(name);
        } else if constexpr (std::is_same_v<Model, ModelE>) {
            return lookup->extended(name);
        } else if constexpr (std::is_same_v<Model, ModelLin>) {
            return lookup->linear(name);
        } else {
            return lookup->polynomial(name);
        }
    }
    ModelPositions positions;
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (models[i].result == name) {
            positions.push_back(i);
        }
    }
    return positions;
}

} // namespace orve
