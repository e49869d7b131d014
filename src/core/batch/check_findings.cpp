#include "batch/check_findings.hpp"

#include <algorithm>
#include <map>

namespace orve {

namespace {

using Labelled = std::vector<std::pair<std::string, Numbers>>;

CheckFinding finding(bool blocking, std::string kind, const std::string& base, Labelled numbers,
                     Names names = {}) {
    return {blocking, std::move(kind), base, std::move(numbers), std::move(names), {}};
}

template <typename Clause> void append_numbers(Numbers& numbers, const std::vector<Clause>& rows) {
    for (const auto& row : rows) {
        numbers.push_back(row.number);
    }
}

// The numbers a base's clauses use more than once, each once, in first order.
Numbers repeated(const Numbers& numbers) {
    std::map<int, int> count;
    for (const int n : numbers) {
        ++count[n];
    }
    Numbers twice;
    for (const int n : numbers) {
        if (count[n] > 1 && std::find(twice.begin(), twice.end(), n) == twice.end()) {
            twice.push_back(n);
        }
    }
    return twice;
}

Numbers clause_numbers(const KnowledgeBaseSet& kb, BaseKind kind) {
    Numbers numbers;
    switch (kind) {
    case BaseKind::Rule:
        append_numbers(numbers, kb.rule.rules);
        break;
    case BaseKind::Model:
        append_numbers(numbers, kb.model.basic);
        append_numbers(numbers, kb.model.extended);
        append_numbers(numbers, kb.model.linear);
        append_numbers(numbers, kb.model.polynomial);
        break;
    case BaseKind::Constraint:
        append_numbers(numbers, kb.constraint.constraints);
        break;
    default:
        append_numbers(numbers, kb.advice.clauses);
        break;
    }
    return numbers;
}

const char* number_label(BaseKind kind) {
    switch (kind) {
    case BaseKind::Rule:
        return "rules";
    case BaseKind::Model:
        return "models";
    case BaseKind::Constraint:
        return "constraints";
    default:
        return "clauses";
    }
}

void rule_findings(const Findings& f, const std::vector<Rule>& rules, const std::string& file,
                   std::vector<CheckFinding>& out) {
    for (const auto& record : f.reguly_sprzeczne) {
        out.push_back(finding(true, "external-inconsistency", file,
                              {{"rule", {record.a}}, {"chain", record.chain}}));
    }
    if (f.unlisted_inconsistencies.any()) {
        CheckFinding more = finding(true, "external-inconsistency-unlisted", file, {});
        more.text = (f.unlisted_inconsistencies.exact ? "" : "at least ") +
                    std::to_string(f.unlisted_inconsistencies.count) + " more not listed";
        out.push_back(more);
    }
    std::vector<std::pair<int, int>> pairs;
    for (const auto& pair : f.para_splaszczona_n1) {
        const std::pair<int, int> key{pair.first.number, pair.second.number};
        if (std::find(pairs.begin(), pairs.end(), key) == pairs.end()) {
            pairs.push_back(key);
            out.push_back(finding(false, "redundant-rules", file,
                                  {{"rules", {key.first, key.second}}}, {pair.first.conclusion}));
        }
    }
    for (const auto& single : f.pojedynczy_warunek) {
        // Findings describe the table as loaded; one changed since is skipped.
        if (single.index >= rules.size() || rules[single.index].conditions.size() != 1) {
            continue;
        }
        const Rule& rule = rules[single.index];
        out.push_back(finding(false, "single-condition-rule", file, {{"rule", {single.number}}},
                              {rule.conclusion, rule.conditions.front()}));
    }
}

void model_findings(const AppState& state, const std::string& file,
                    std::vector<CheckFinding>& out) {
    const ModelFindings& m = state.model_findings;
    for (const auto& model : m.model_arytmetyczny_sprzeczny) {
        out.push_back(finding(true, "model-inconsistency", file, {{"model", {model.number}}},
                              {model.result}));
    }
    for (const auto& model : m.model_arytmetyczny_sprzeczny_gleboko) {
        out.push_back(finding(true, "model-inconsistency", file,
                              {{"model", {model.number}}, {"chain", model.chain}}, {model.result}));
    }
    for (const auto& model : m.model_relacyjny_sprzeczny) {
        out.push_back(finding(true, "model-inconsistency", file, {{"model", {model.number}}},
                              {model.conclusion}));
    }
    for (const auto& joint : m.modele_i_reguly_sprzeczne) {
        out.push_back(finding(true, "joint-model-rule-inconsistency", file,
                              {{"model", {joint.model}},
                               {"rule", {joint.rule}},
                               {"rules-used", joint.rules_used},
                               {"models", joint.model_chain}}));
    }
    for (const auto& model : m.model_tautologiczny) {
        out.push_back(finding(false, "tautological-model", file, {{"model", {model.number}}},
                              {model.replaced, model.replacing}));
    }
}

void constraint_findings(const Findings& f, const std::string& file,
                         std::vector<CheckFinding>& out) {
    for (const auto& conflict : f.sprzecznosc_2_wszystko) {
        out.push_back(finding(false, "joint-inconsistency", file,
                              {{"rule", {conflict.version.number}},
                               {"rules-used", conflict.version.rules_used},
                               {"constraint", {conflict.constraint}}},
                              conflict.constraint_conditions));
    }
    for (const auto& group : f.reguly_nadmiarowe_n2) {
        out.push_back(finding(false, "joint-redundancy", file,
                              {{"rules", group.rules}, {"constraint", {group.constraint}}}));
    }
}

// Whether a note only says that something went well, or points to a report
// of findings that are already listed on their own.
bool left_out(const CollectedNote& note) {
    for (const char* part :
         {"has been loaded", "has no ", "have no ", "is not externally", "are not jointly"}) {
        if (note.text.find(part) != std::string::npos) {
            return true;
        }
    }
    for (const char* title :
         {"Successful", "Advice", "Information on inconsistency", "Diagnostic Report on"}) {
        if (note.title.rfind(title, 0) == 0) {
            return true;
        }
    }
    return false;
}

// A note's text on one line: line breaks become " / ", runs of blanks one blank.
std::string one_line(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r';
        if (c == '\n') {
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            line += line.empty() ? "" : " / ";
        } else if (!blank || (!line.empty() && line.back() != ' ')) {
            line += blank ? ' ' : c;
        }
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '/')) {
        line.pop_back();
    }
    return line;
}

} // namespace

std::vector<CheckFinding> recorded_findings(const AppState& state, BaseKind kind,
                                            const std::string& file) {
    std::vector<CheckFinding> out;
    if (state.findings.rozne_numery.count(kind) != 0) {
        out.push_back(finding(true, "repeated-numbers", file,
                              {{number_label(kind), repeated(clause_numbers(state.kb, kind))}}));
    }
    switch (kind) {
    case BaseKind::Rule:
        rule_findings(state.findings, state.kb.rule.rules, file, out);
        break;
    case BaseKind::Model:
        model_findings(state, file, out);
        break;
    case BaseKind::Constraint:
        constraint_findings(state.findings, file, out);
        break;
    default:
        break;
    }
    return out;
}

std::vector<CheckFinding> note_findings(const std::vector<CollectedNote>& notes,
                                        const std::string& file) {
    std::vector<CheckFinding> out;
    for (const auto& note : notes) {
        if (!left_out(note)) {
            CheckFinding found = finding(false, "note", file, {});
            const std::string title = one_line(note.title);
            const bool colon = !title.empty() && title.back() == ':';
            found.text = title + (colon ? " " : ": ") + one_line(note.text);
            out.push_back(found);
        }
    }
    return out;
}

std::vector<CheckFinding> anomaly_findings(const std::vector<Anomaly>& anomalies,
                                           const std::string& file) {
    std::vector<CheckFinding> out;
    for (const auto& anomaly : anomalies) {
        Labelled numbers;
        if (!anomaly.rules.empty()) {
            numbers.emplace_back("rules", anomaly.rules);
        }
        if (!anomaly.constraints.empty()) {
            numbers.emplace_back("constraints", anomaly.constraints);
        }
        out.push_back(
            finding(false, anomaly_kind_token(anomaly.kind), file, numbers, anomaly.names));
    }
    return out;
}

} // namespace orve
