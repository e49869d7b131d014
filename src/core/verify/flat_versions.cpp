#include "verify/flat_versions.hpp"

#include "verify/flattening.hpp"

#include <algorithm>
#include <iterator>

namespace orve {

Numbers applied_without_zeros(const std::vector<int>& applied) {
    Numbers shown;
    std::copy_if(applied.begin(), applied.end(), std::back_inserter(shown),
                 [](int number) { return number != 0; });
    return shown;
}

Numbers rules_used_for_display(const Numbers& rules_used) {
    Numbers applied(rules_used.rbegin(), rules_used.rend());
    return applied_without_zeros(applied);
}

const std::vector<FlatVersion>& FlatVersionCache::versions(std::size_t rule) {
    if (done_[rule] == 0) {
        auto& found = versions_[rule];
        flatten_ids(index_, index_.rule_conditions(rule), [this, &found](const FlatView& view) {
            progress_.tick();
            found.push_back({view.conditions, applied_without_zeros(view.applied)});
            return true;
        });
        done_[rule] = 1;
    }
    return versions_[rule];
}

} // namespace orve
