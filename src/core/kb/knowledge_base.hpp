// In-memory tables of the six base kinds. Every table keeps the clauses in file
// order; consumers iterate in that order.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orve {

using Names = std::vector<std::string>;
using Numbers = std::vector<int>;

enum class BaseKind { Rule, Model, Constraint, Advice, Graphics, Sound };

struct Rule {
    int number = 0;
    std::string conclusion;
    Names conditions;
    int fourth = 0; // kept as read; nothing interprets it
};

struct ModelB {
    int number = 0;
    std::string go_ahead;
    std::string result;
    std::string argument1;
    std::string operation;
    std::string argument2;
    int semaphor = 0;
};

struct ModelE {
    int number = 0;
    std::string go_ahead;
    std::string result;
    std::string operation;
    Names arguments;
    int semaphor = 0;
};

struct ModelLin {
    int number = 0;
    std::string go_ahead;
    std::string result;
    Names coefficients;
    Names variables;
    int semaphor = 0;
};

struct ModelPoly {
    int number = 0;
    std::string go_ahead;
    std::string result;
    std::string variable;
    Names coefficients;
    Numbers powers;
    int semaphor = 0;
};

struct ArgumentKnown {
    std::string name;
    double value = 0.0;
};

struct Constraint {
    int number = 0;
    Names conditions;
};

// `advice`, `graphics` and `sounds` clauses.
struct MediaClause {
    int number = 0;
    std::string file;
};

// File name and full path of a loaded base; a base counts as loaded while its
// name record exists.
struct BaseName {
    std::string name;      // `nazwa_..`: the file name without its folder
    std::string full_path; // `nazwa_.._pelna`
};

struct RuleBase {
    std::vector<Rule> rules;
    Names facts;
    std::optional<BaseName> name; // `nazwa_re`, `nazwa_re_pelna`
};

struct ModelBase {
    std::vector<ModelB> basic;
    std::vector<ModelE> extended;
    std::vector<ModelLin> linear;
    std::vector<ModelPoly> polynomial;
    Names m_facts;
    std::vector<ArgumentKnown> arguments_known;
    std::vector<Names> exclusive_models;
    std::optional<BaseName> name; // `nazwa_mo`, `nazwa_mo_pelna`
};

struct ConstraintBase {
    std::vector<Constraint> constraints;
    std::optional<BaseName> name; // `nazwa_og`, `nazwa_og_pelna`
};

// Advice, Graphics and Sound Bases share one shape.
struct MediaBase {
    std::vector<MediaClause> clauses;
    std::optional<BaseName> name;
    std::string folder; // `sciezka`, `sciezka1`, `sciezka2`
};

struct KnowledgeBaseSet {
    RuleBase rule;
    ModelBase model;
    ConstraintBase constraint;
    MediaBase advice;
    MediaBase graphics;
    MediaBase sound;
};

} // namespace orve
