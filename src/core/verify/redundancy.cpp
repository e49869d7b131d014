// Detection of redundant rules, the offer after loading and the information step.
#include "verify/redundancy.hpp"

#include "verify/external_inconsistency.hpp"
#include "verify/flat_versions.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"
#include "verify/test_offer.hpp"
#include "verify/verify_text.hpp"

#include <set>

namespace orve {

namespace {

// Counts the conditions two versions share; a version never names a
// condition twice, so the count tells inclusion in either direction.
class SharedCounter {
  public:
    explicit SharedCounter(std::size_t names) : mark_(names, 0) {}

    std::size_t shared(const std::vector<NameId>& a, const std::vector<NameId>& b) {
        ++stamp_;
        for (const NameId name : b) {
            mark_[static_cast<std::size_t>(name)] = stamp_;
        }
        std::size_t count = 0;
        for (const NameId name : a) {
            count += mark_[static_cast<std::size_t>(name)] == stamp_ ? 1U : 0U;
        }
        return count;
    }

  private:
    std::vector<unsigned> mark_;
    unsigned stamp_ = 0;
};

FlattenedRule kept_version(const FlatteningIndex& index, std::size_t rule,
                           const FlatVersion& version) {
    const Rule& r = index.rules()[rule];
    return {r.number, r.conclusion, index.names_of(version.conditions), version.used};
}

// Compares every version of one rule with every version of another.
void compare_pair(FlatVersionCache& cache, SharedCounter& counter, std::size_t first,
                  std::size_t second, Findings& findings, TestProgress& progress) {
    const FlatteningIndex& index = cache.index();
    const auto& firsts = cache.versions(first);
    const auto& seconds = cache.versions(second);
    for (const FlatVersion& v1 : firsts) {
        for (const FlatVersion& v2 : seconds) {
            progress.tick();
            const std::size_t shared = counter.shared(v1.conditions, v2.conditions);
            if (shared != v1.conditions.size() && shared != v2.conditions.size()) {
                continue;
            }
            findings.reguly_nadmiarowe_n1.emplace_back(index.rules()[first].number,
                                                       index.rules()[second].number);
            findings.jest_nadmiar = true;
            findings.para_splaszczona_n1.push_back(
                {kept_version(index, first, v1), kept_version(index, second, v2)});
        }
    }
}

const char* const kOfferLines =
    " may be tested for redundancies.\n"
    "This test may take a lot of time for large and heavily nested rule bases. \n\n"
    "This test should be used while developing or modifying rule bases.\n"
    "For routine uses of the rule base the test should be bypassed.\n\n";

std::string offer_text(const std::string& name) {
    return "Elementary Exact Rule Base\n   " + name + "\nmay be tested for redundancies.\n" +
           "\nThis test may take a lot of time for \nlarge and heavily nested rule bases. \n" +
           "This test should be performed while \ndeveloping or modifying rule bases." +
           "\nFor routine uses of the rule base \nthe test should be bypassed." +
           "\n\nDo you wish to test the rule base \nfor redundancies?";
}

void inform_none(AppState& state, Dialogs& ui, const std::string& name) {
    ui.msg_append("The rule base " + name + " has no redundant rules!\n");
    ui.note("Result of rule redundancy test",
            "Elementary Exact Rule Base\n   " + name + "\nhas no redundant rules!");
    set_command(state, ui, 10072, false);
}

// Without a type name (an extension other than ".EEB") the line and the note
// that name it are left out.
void inform_found(AppState& state, Dialogs& ui, const std::string& name) {
    const auto type = finding_type_name(state.rozszerzenie, 'R', 1);
    if (type) {
        ui.msg_append(" The  Rule Base  " + name + " contains " + " redundant rules of type " +
                      *type + ".\n\n");
    }
    ui.msg_append(" You may use the loaded rule base for chaining, because redundant\n"
                  " rules do not cause chaining to break down. However, it may increase\n"
                  " the time necessary for performing the chaining and - what's perhaps\n"
                  " more important - make conditions depend upon an unnecessarily large\n"
                  " number of conditions.\n"
                  " Therefore it is advised to remove redundancies.\n\n"
                  " For this  proceed to the Main Menu\n"
                  " option:\n\n"
                  " 'Exact Rule Base /Diagnosing Redundancies'\n\n"
                  " where a detailed message highlighting the nature of rule redundancies\n"
                  " is to be found.\n\n");
    if (type) {
        ui.note("Attention:",
                "Elementary Exact Rule Base\n   " + name + "\ncontains redundant rules of type " +
                    *type + ".\n" +
                    "\nYou may use the loaded rule base for chaining, \nbecause redundant rules do "
                    "not cause chaining to \nbreak down. However, it may increase the time "
                    "\nnecessary  for performing the chaining and \n- what's perhaps more "
                    "important - " +
                    "\nmake conclusions depend upon an \nunnecessarily large number of "
                    "conditions.\nTherefore it is advised to remove redundancies. \nFor this  "
                    "proceed to the option \n   'Exact Rule Base\n     Diagnosing Redundancies'" +
                    " where a  \ndetailed message highlighting \nthe nature of rule redundancies "
                    "is to be found.");
    }
    for (const int id : {10072, 10065, 10066, 10067, 10074, 10090, 10100, 10112}) {
        set_command(state, ui, id, true);
    }
    set_command(state, ui, 10097, false);
    set_command(state, ui, 10098, false);
}

} // namespace

bool wyznacz_nadmiar(const RuleBase& rules, const AskableLists& askables, Findings& findings,
                     TestProgress& progress) {
    const FlatteningIndex index(rules, askables);
    FlatVersionCache cache(index, progress);
    SharedCounter counter(index.name_count());
    std::set<std::pair<int, int>> recorded;
    const auto seen = [&recorded](int a, int b) {
        return recorded.count({a, b}) != 0 || recorded.count({b, a}) != 0;
    };
    for (const auto& pair : findings.reguly_nadmiarowe_n1) {
        recorded.insert(pair);
    }
    const auto total = static_cast<long long>(index.rules().size());
    for (std::size_t first = 0; first < index.rules().size(); ++first) {
        progress.reach(static_cast<long long>(first), total);
        const int n1 = index.rules()[first].number;
        // A pair met again in reverse order is skipped when recorded and finds
        // nothing new otherwise, inclusion either way being symmetric: only
        // pairs in table order are compared.
        for (const std::size_t second : index.concluding(index.rule_conclusion(first))) {
            const int n2 = index.rules()[second].number;
            if (second <= first || n1 == n2 || seen(n1, n2)) {
                continue;
            }
            const std::size_t before = findings.reguly_nadmiarowe_n1.size();
            compare_pair(cache, counter, first, second, findings, progress);
            if (findings.reguly_nadmiarowe_n1.size() != before) {
                recorded.insert({n1, n2});
            }
        }
    }
    return findings.reguly_nadmiarowe_n1.empty();
}

void testuj_nadmiar_1(AppState& state, Dialogs& ui) {
    const std::string name = loaded_name(state.kb.rule.name);
    offer_test(ui, "The loaded rule base " + name + kOfferLines, offer_text(name),
               [&] { return informuj_nadmiar(state, ui); });
}

bool informuj_nadmiar(AppState& state, Dialogs& ui) {
    if (state.findings.externally_inconsistent()) {
        return false;
    }
    const std::string name = loaded_name(state.kb.rule.name);
    bool none = false;
    if (state.findings.reguly_nadmiarowe_n1.empty() &&
        !run_cancellable(
            ui, kRedundancyTestTitle,
            [&](TestProgress& progress) {
                none = wyznacz_nadmiar(state.kb.rule, state.askables, state.findings, progress);
            },
            state.findings)) {
        return true;
    }
    if (none) {
        inform_none(state, ui, name);
    } else {
        inform_found(state, ui, name);
    }
    return true;
}

} // namespace orve
