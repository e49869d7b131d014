// Findings of the Model Base tests made at loading, read later by the
// diagnostic reports and by the bars on chaining.
#pragma once

#include "kb/knowledge_base.hpp"

#include <string>
#include <vector>

namespace orve {

// An arithmetical model whose result is among its own arguments
// (`model_arytmetyczny_sprzeczny`).
struct DirectModelInconsistency {
    int number = 0;
    std::string result;
    bool operator==(const DirectModelInconsistency&) const = default;
};

// An arithmetical model whose result comes back through nested models
// (`model_arytmetyczny_sprzeczny_gleboko`): the chain starts with the nested
// model in which the result was found and ends with the model itself.
struct IndirectModelInconsistency {
    int number = 0;
    Numbers chain;
    std::string result;
    bool operator==(const IndirectModelInconsistency&) const = default;
};

// A relational model concluding its own go-ahead condition
// (`model_relacyjny_sprzeczny`).
struct RelationalModelInconsistency {
    int number = 0;
    std::string conclusion;
    bool operator==(const RelationalModelInconsistency&) const = default;
};

// A relational model and a rule that are jointly circular
// (`modele_i_reguly_sprzeczne`): the rules used by the flattened version and
// the models met while expanding it.
struct JointModelRuleInconsistency {
    int model = 0;
    int rule = 0;
    Numbers rules_used;
    Numbers model_chain;
    bool operator==(const JointModelRuleInconsistency&) const = default;
};

// A basic model that only renames a variable (`model_tautologiczny`).
struct TautologicalModel {
    int number = 0;
    std::string replaced;
    std::string replacing;
    bool operator==(const TautologicalModel&) const = default;
};

struct ModelFindings {
    std::vector<DirectModelInconsistency> model_arytmetyczny_sprzeczny;
    std::vector<IndirectModelInconsistency> model_arytmetyczny_sprzeczny_gleboko;
    std::vector<RelationalModelInconsistency> model_relacyjny_sprzeczny;
    // The three inconsistency flags are set by the Model Base inconsistency
    // check of Model Base loading and cleared by the next Model Base loading.
    // Any of them refuses the Model Base (it stays only for the report) and
    // bars chaining; each one decides which sections the report writes.

    // `model_aryt_sprzeczny`: an arithmetical model has its result among its
    // own arguments. Decides the direct section and the report's advice to edit
    // the base, and leaves out the "no inconsistent arithmetical models" line.
    bool model_aryt_sprzeczny = false;
    // `model_sprzeczny_gleboko`: an arithmetical model gets its result back
    // through nested models. Decides the indirect section and, like the direct
    // flag, the advice to edit the base.
    bool model_sprzeczny_gleboko = false;
    // `model_rela_sprzeczny`: a relational model concludes its own go-ahead
    // condition. Decides the relational section, which then gives the advice to
    // edit the base in place of the arithmetical one.
    bool model_rela_sprzeczny = false;

    // Joint model-rule records; the verdict is `Findings::sprzecznosc_mr`.
    std::vector<JointModelRuleInconsistency> modele_i_reguly_sprzeczne;

    std::vector<TautologicalModel> model_tautologiczny;

    // True when the Model Base inconsistency test found anything.
    bool inconsistent() const {
        return model_aryt_sprzeczny || model_sprzeczny_gleboko || model_rela_sprzeczny;
    }
};

} // namespace orve
