// Detection of joint rule-constraint inconsistencies, the offer after loading a
// Constraint Base and the information step.
#include "verify/joint_inconsistency.hpp"

#include "verify/external_inconsistency.hpp"
#include "verify/flat_versions.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"
#include "verify/joint_report.hpp"
#include "verify/test_offer.hpp"
#include "verify/verify_text.hpp"

#include <map>
#include <optional>
#include <set>

namespace orve {

namespace {

// The constraints on interned names: where each name occurs and how often.
class ConstraintIndex {
  public:
    ConstraintIndex(const FlatteningIndex& index, const std::vector<Constraint>& constraints)
        : members_(constraints.size()) {
        for (std::size_t c = 0; c < constraints.size(); ++c) {
            for (const auto& name : constraints[c].conditions) {
                const NameId id = index.id_of(name);
                members_[c].insert(id);
                auto& places = occurrences_[id];
                if (places.empty() || places.back().first != c) {
                    places.emplace_back(c, 0);
                }
                ++places.back().second;
            }
        }
    }

    // (constraint, occurrences of the name in it), in table order.
    const std::vector<std::pair<std::size_t, int>>& places(NameId name) const {
        static const std::vector<std::pair<std::size_t, int>> none;
        const auto it = occurrences_.find(name);
        return it == occurrences_.end() ? none : it->second;
    }

    bool member(std::size_t constraint, NameId name) const {
        return members_[constraint].count(name) != 0;
    }

  private:
    std::vector<std::set<NameId>> members_;
    std::map<NameId, std::vector<std::pair<std::size_t, int>>> occurrences_;
};

// Identity of a kept version, for "unless exactly that record is there".
std::string version_key(const FlattenedRule& version) {
    return std::to_string(version.number) + '\n' + version.conclusion + '\n' +
           join_names(version.conditions, std::string(1, '\0')) + '\n' +
           join_numbers(version.rules_used, ",");
}

// `testuj_2`: every pair of conditions of the version that one constraint holds,
// once for every occurrence of the earlier condition in the constraint.
class VersionTester {
  public:
    VersionTester(const FlatteningIndex& index, const std::vector<Constraint>& constraints,
                  Findings& findings)
        : index_(index), constraints_(constraints), places_(index, constraints),
          findings_(findings) {
        for (const auto& version : findings.regula_splaszczona_s2) {
            kept_.insert(version_key(version));
        }
    }

    void test(std::size_t rule, const FlatView& view) {
        const auto& f = view.conditions;
        std::optional<FlattenedRule> version;
        for (std::size_t i = 0; i < f.size(); ++i) {
            for (const auto& [c, count] : places_.places(f[i])) {
                for (std::size_t j = i + 1; j < f.size(); ++j) {
                    if (!places_.member(c, f[j])) {
                        continue;
                    }
                    if (!version) {
                        version = kept(rule, view);
                    }
                    for (int k = 0; k < count; ++k) {
                        record(*version, constraints_[c]);
                    }
                }
            }
        }
    }

  private:
    FlattenedRule kept(std::size_t rule, const FlatView& view) const {
        const Rule& r = index_.rules()[rule];
        return {r.number, r.conclusion, index_.names_of(view.conditions),
                applied_without_zeros(view.applied)};
    }

    void record(const FlattenedRule& version, const Constraint& constraint) {
        findings_.sprzecznosc_2_wszystko.push_back(
            {version, constraint.number, constraint.conditions});
        if (kept_.insert(version_key(version)).second) {
            findings_.regula_splaszczona_s2.push_back(version);
        }
    }

    const FlatteningIndex& index_;
    const std::vector<Constraint>& constraints_;
    ConstraintIndex places_;
    Findings& findings_;
    std::set<std::string> kept_;
};

void write_lines(Dialogs& ui, std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        ui.msg_append(line);
    }
}

std::string offer_text(const std::string& rules, const std::string& constraints) {
    return " Elementary Exact Rule Base\n    " + rules +
           "\nand Elementary Exact Constraint Base\n    " + constraints +
           "\nmay be tested for joint inconsistencies.\n" +
           "\nThis test may take a lot of time for large and \nheavily nested rule bases." +
           "\nFor routine uses of the rule- and constraint bases \nthe test should be bypassed." +
           "\nKeep in mind that joint rule- and constraint base \ninconsistencies do not lead to "
           "infinite loops;" +
           "\nrules jointly inconsistent are just bypassed in the " +
           "\nchaining process and this is perhaps not what the \nrule base designer intended "
           "to achieve." +
           "\n\nDo you wish to test for joint inconsistencies?";
}

const char* const kTitle = "Diagnostic Report on joint rule-constraint inconsistencies";

void inform_consistent(Dialogs& ui, const std::string& rules, const std::string& constraints) {
    ui.msg_append("  Rule Base:           " + rules + "\n  and Constraint Base: " + constraints +
                  "\n  are not jointly inconsistent.\n");
    ui.note(kTitle, "Elementary Exact Rule Base\n   " + rules +
                        "\nand Elementary Exact Constraint Base\n   " + constraints +
                        "\nare not jointly inconsistent!");
}

// Without a type name the line and the note that name it are left out.
void inform_inconsistent(AppState& state, Dialogs& ui, const std::string& rules,
                         const std::string& constraints) {
    const auto type = finding_type_name(state.rozszerzenie, 'I', 2);
    ui.msg_append("\n Rule Base:           " + rules + "\n and Constraint Base: " + constraints +
                  "\n");
    if (type) {
        ui.msg_append(" are " + *type + "-inconsistent.\n\n");
    }
    write_lines(ui, {" You may run a diagnostic check revealing the nature of \n",
                     " inconsistency.\n", " For this enter the option: \n",
                     " 'Constraint Base/Diagnosing Joint Inconsistencies'\n\n",
                     " where a detailed message highlighting the nature \n",
                     " of inconsistencies is to be found.\n\n"});
    if (type) {
        ui.note(kTitle, "Elementary Exact Rule Base\n    " + rules +
                            "\nand Elementary Exact Constraint Base\n    " + constraints +
                            "\nare jointly " + *type + "-inconsistent.\n" +
                            "\nYou may run a diagnostic check revealing" +
                            "\nthe nature of inconsistency. " + "For this enter the option:" +
                            "\n   'Exact Constraint Base\n     Diagnosing Joint Inconsistencies'" +
                            "\nwhere a detailed message highlighting the nature " +
                            "\nof inconsistencies is to be found.");
    }
    set_command(state, ui, 10097, true);
}

} // namespace

bool wyznacz_sprzecznosc_2(const KnowledgeBaseSet& kb, const AskableLists& askables,
                           Findings& findings, TestProgress& progress) {
    const FlatteningIndex index(kb.rule, askables);
    VersionTester tester(index, kb.constraint.constraints, findings);
    const auto total = static_cast<long long>(index.rules().size());
    for (std::size_t rule = 0; rule < index.rules().size(); ++rule) {
        progress.reach(static_cast<long long>(rule), total);
        flatten_ids(index, index.rule_conditions(rule), [&](const FlatView& view) {
            progress.tick();
            tester.test(rule, view);
            return true;
        });
    }
    findings.joint_inconsistency_found = !findings.sprzecznosc_2_wszystko.empty();
    return !findings.joint_inconsistency_found;
}

bool testuj_sprzecznosc_2(AppState& state, Dialogs& ui) {
    const JointNames names = joint_names(state, 'I');
    return offer_test(ui,
                      std::string("The Rule Base and Constraint Base may be tested for\n"
                                  "joint inconsistencies.\n") +
                          kJointTestUse +
                          "Keep in mind that joint rule- and constraint base inconsistencies\n"
                          "do not lead to infinite loops; however, rules jointly inconsistent\n"
                          "are just bypassed in the chaining process and this is perhaps not\n"
                          "what the rule base designer intended to achieve.\n\n",
                      offer_text(names.rules, names.constraints),
                      [&] { return informuj_sprzecznosc_2(state, ui); });
}

bool informuj_sprzecznosc_2(AppState& state, Dialogs& ui) {
    if (state.findings.externally_inconsistent()) {
        return false;
    }
    const JointNames names = joint_names(state, 'I');
    const std::string& rules = names.rules;
    const std::string& constraints = names.constraints;
    ui.msg_append("  Rule Base:           " + rules + "\n  and Constraint Base: " + constraints +
                  "\n  are tested for joint inconsistencies\n\n");
    bool consistent = false;
    if (!run_cancellable(
            ui, kJointInconsistencyTestTitle,
            [&](TestProgress& progress) {
                consistent =
                    wyznacz_sprzecznosc_2(state.kb, state.askables, state.findings, progress);
            },
            state.findings)) {
        return true;
    }
    if (consistent) {
        inform_consistent(ui, rules, constraints);
        return true;
    }
    inform_inconsistent(state, ui, rules, constraints);
    return false;
}

} // namespace orve
