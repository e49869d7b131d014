#include "kb/model_lookup.hpp"

namespace orve {

namespace {

template <typename Model, typename Map>
void index_by_result(const std::vector<Model>& models, Map& map) {
    for (std::size_t i = 0; i < models.size(); ++i) {
        map[models[i].result].push_back(i);
    }
}

} // namespace

ModelLookup::ModelLookup(const ModelBase& base) {
    index_by_result(base.basic, basic_);
    index_by_result(base.extended, extended_);
    index_by_result(base.linear, linear_);
    index_by_result(base.polynomial, polynomial_);
}

const ModelPositions& ModelLookup::of(const Map& map, const std::string& name) {
    static const ModelPositions none;
    const auto found = map.find(name);
    return found == map.end() ? none : found->second;
}

} // namespace orve
