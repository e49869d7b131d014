// Time of the verification tests on generated bases of a few thousand rules with
// shallow nesting: top rules that use intermediate conclusions, each concluded
// by one or two rules over askable conditions, and a Constraint Base of small
// groups of askable conditions.
#include "state/verify_findings.hpp"
#include "verify/flattening.hpp"
#include "verify/joint_inconsistency.hpp"
#include "verify/joint_redundancy_detection.hpp"
#include "verify/redundancy.hpp"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace orve;

struct Shape {
    int askables = 400;
    int intermediates = 600;
    int tops = 40; // about 60 top rules share each conclusion
    int top_rules = 2400;
    int constraints = 60;
    int redundant_every = 10; // every tenth top rule gets a copy with one more condition
    int grouped = 30;         // constraints that get a redundant group of rules
};

std::string askable_name(std::size_t i) {
    return "a" + std::to_string(i);
}

struct Bases {
    KnowledgeBaseSet kb;
    AskableLists askables;
};

// A fixed seed keeps every run on the same base.
Bases generate(const Shape& shape) {
    std::mt19937 random(20240611U);
    const auto pick = [&random](int count) {
        return static_cast<std::size_t>(std::uniform_int_distribution<int>(0, count - 1)(random));
    };
    Bases bases;
    auto& rules = bases.kb.rule.rules;
    int number = 1;
    for (int m = 0; m < shape.intermediates; ++m) {
        const int alternatives = 1 + m % 2;
        for (int alt = 0; alt < alternatives; ++alt) {
            rules.push_back(
                {number++,
                 "m" + std::to_string(m),
                 {askable_name(pick(shape.askables)), askable_name(pick(shape.askables))},
                 0});
        }
    }
    for (int t = 0; t < shape.top_rules; ++t) {
        Rule top{number++,
                 "t" + std::to_string(pick(shape.tops)),
                 {"m" + std::to_string(pick(shape.intermediates)),
                  "m" + std::to_string(pick(shape.intermediates)),
                  askable_name(pick(shape.askables)), askable_name(pick(shape.askables))},
                 0};
        if (t % shape.redundant_every == 0) {
            Rule wider = top;
            wider.number = number++;
            wider.conditions.push_back(askable_name(pick(shape.askables)));
            rules.push_back(std::move(wider));
        }
        rules.push_back(std::move(top));
    }
    // Rules that differ only in the conditions of one constraint.
    for (int c = 0; c < shape.grouped; ++c) {
        const std::size_t first = static_cast<std::size_t>(c) * 3;
        const std::string shared = "m" + std::to_string(pick(shape.intermediates));
        for (std::size_t member = first; member < first + 3; ++member) {
            rules.push_back({number++, "g" + std::to_string(c), {shared, askable_name(member)}, 0});
        }
    }
    bases.kb.rule.name = BaseName{"RUbench.EEB", "RUbench.EEB"};
    std::vector<std::string> askables;
    for (int i = 0; i < shape.askables; ++i) {
        askables.push_back(askable_name(static_cast<std::size_t>(i)));
    }
    bases.askables.dopytywalny.insert(askables.begin(), askables.end());
    for (int c = 0; c < shape.constraints; ++c) {
        const std::size_t first = static_cast<std::size_t>(c) * 3;
        bases.kb.constraint.constraints.push_back(
            {c + 1, {askable_name(first), askable_name(first + 1), askable_name(first + 2)}});
    }
    bases.kb.constraint.name = BaseName{"CObench.EEB", "CObench.EEB"};
    return bases;
}

const Bases& bench_bases() {
    static const Bases bases = generate(Shape{});
    return bases;
}

void flattening_all(benchmark::State& state) {
    const Bases& bases = bench_bases();
    std::size_t versions = 0;
    for (auto _ : state) {
        const FlatteningIndex index(bases.kb.rule, bases.askables);
        versions = 0;
        for (std::size_t rule = 0; rule < index.rules().size(); ++rule) {
            flatten_ids(index, index.rule_conditions(rule), [&versions](const FlatView&) {
                ++versions;
                return true;
            });
        }
    }
    state.counters["rules"] = static_cast<double>(bases.kb.rule.rules.size());
    state.counters["versions"] = static_cast<double>(versions);
}

void redundancy(benchmark::State& state) {
    const Bases& bases = bench_bases();
    std::size_t pairs = 0;
    for (auto _ : state) {
        Findings findings;
        wyznacz_nadmiar(bases.kb.rule, bases.askables, findings);
        pairs = findings.reguly_nadmiarowe_n1.size();
    }
    state.counters["pairs"] = static_cast<double>(pairs);
}

void joint_inconsistency(benchmark::State& state) {
    const Bases& bases = bench_bases();
    std::size_t records = 0;
    for (auto _ : state) {
        Findings findings;
        wyznacz_sprzecznosc_2(bases.kb, bases.askables, findings);
        records = findings.sprzecznosc_2_wszystko.size();
    }
    state.counters["records"] = static_cast<double>(records);
}

void joint_redundancy(benchmark::State& state) {
    const Bases& bases = bench_bases();
    std::size_t groups = 0;
    for (auto _ : state) {
        Findings findings;
        wyznacz_nadmiar_2(bases.kb, bases.askables, findings);
        groups = findings.reguly_nadmiarowe_n2.size();
    }
    state.counters["groups"] = static_cast<double>(groups);
}

BENCHMARK(flattening_all)->Unit(benchmark::kMillisecond);
BENCHMARK(redundancy)->Unit(benchmark::kMillisecond);
BENCHMARK(joint_inconsistency)->Unit(benchmark::kMillisecond);
BENCHMARK(joint_redundancy)->Unit(benchmark::kMillisecond);

} // namespace
