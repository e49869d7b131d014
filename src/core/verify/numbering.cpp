// Uniqueness of clause numbers in each base, checked right after loading.
#include "verify/numbering.hpp"

#include "verify/verify_text.hpp"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace orve {

namespace {

struct Message {
    std::string window;
    std::string title;
    std::string note;
};

Message rule_message(const std::string& name, const std::string& n) {
    return {"Rule Base " + name + " has \n" + "at least two rules having number " + n + ".\n" +
                "This may disturb the chaining process.\n"
                "Therefore no chaining is allowed with rules \n"
                "having non-unique numbers.\n\n"
                "Proceed to option 'Rule Base Activities/Rule Base Editing'\n"
                "and correct the rule numbering.\n\n",
            "Faulty Rule Base",
            "Elementary Exact Rule Base\n   " + name + "\nhas at least two rules having number " +
                n + ".\nThis may disturb the chaining process." +
                "\nTherefore no chaining is allowed with rules " + "\nhaving non-unique numbers." +
                "\nProceed to option\n   'Exact Rule Base\n   Rule Base Editing'" +
                "\nand correct the rule numbering."};
}

Message model_message(const std::string& name, const std::string& n) {
    return {"Model base " + name + " has \n" + "at least two models having number  " + n + ".\n" +
                "This may disturb the chaining process.\n"
                "Therefore no chaining is allowed with models\n"
                "having non-unique numbers.\n\n"
                "Proceed to option 'Model Base Activities/Model Base Editing'\n"
                "and correct the model numbering.\n\n",
            "Faulty Model Base",
            "Elementary Exact Model Base\n   " + name +
                "\n has at least two models having number " + n +
                ".\nThis may disturb the chaining process." +
                "\nTherefore no chaining is allowed with models " + "\nhaving non-unique numbers." +
                "\nProceed to option\n   Exact Model Base\n   Model Base Editing'" +
                "\nand correct the model numbering."};
}

Message constraint_message(const std::string& name, const std::string& n) {
    return {"Constraint base " + name + " has \n" + "at least two constraints having number  " + n +
                ".\n" +
                "This may disturb the chaining process.\n"
                "Therefore no chaining is allowed with constraints\n"
                "having non-unique numbers.\n\n"
                "Proceed to option 'Constraintl Base Activities/Constraintl Base Editing'\n"
                "and correct the constraint numbering.\n\n",
            "Faulty Constraint Base",
            "Elementary Exact Constraint Base\n   " + name +
                "\nhas at least two constraints having number " + n +
                ".\nThis may disturb the chaining process." +
                "\nTherefore no chaining is allowed with constraints " +
                "\nhaving non-unique numbers." +
                "\nProceed to option\n   'Exact Constraint Base\n   Constraint Base Editing'" +
                "\nand correct the constraint numbering."};
}

Message advice_message(const std::string& name, const std::string& n) {
    return {"Advice base " + name + " has \n" + "at least two advices having number  " + n + ".\n" +
                "This may disturb the explaining process.\n"
                "Therefore no chaining is allowed with advices\n"
                "having non-unique numbers.\n\n"
                "Proceed to option 'Advice Base Activities/Advice Base Editing'\n"
                "and correct the advice numbering.\n\n",
            "Faulty Advice Base",
            "Elementary Ecavt Advice Base\n   " + name +
                "\nhas at least two constraints having number " + n +
                ".\nThis may disturb the explaining process." +
                "\nTherefore no chaining is allowed with advices " +
                "\nhaving non-unique numbers." +
                "\nProceed to option\n   'Exact Advice Base\n   Advice Base Editing'" +
                "\nand correct the advice numbering."};
}

using MessageFn = Message (*)(const std::string&, const std::string&);

// `wszystkie_rozne`: the shared test and report of the four checks.
bool wszystkie_rozne(AppState& state, Dialogs& ui, BaseKind kind, const Numbers& numbers,
                     const std::optional<BaseName>& base, MessageFn message) {
    const auto repeated = first_repeated(numbers);
    if (!repeated) {
        return true;
    }
    const Message m = message(loaded_name(base), std::to_string(*repeated));
    ui.msg_append(m.window);
    ui.note(m.title, m.note);
    state.findings.rozne_numery.insert(kind);
    return false;
}

template <typename Clauses> void append_numbers(Numbers& numbers, const Clauses& clauses) {
    for (const auto& clause : clauses) {
        numbers.push_back(clause.number);
    }
}

// The first element whose number occurs more than once is the first
// occurrence of that number, so another one follows further on.
std::optional<int> first_with_count_above_one(const std::vector<int>& numbers,
                                              const auto& count_of) {
    for (const int number : numbers) {
        if (count_of(number) > 1) {
            return number;
        }
    }
    return std::nullopt;
}

// Counts saturate at 2: only "once" or "more than once" matters.
std::optional<int> first_repeated_dense(const std::vector<int>& numbers, int low,
                                        std::size_t span) {
    std::vector<std::uint8_t> counts(span, 0);
    const auto slot = [low](int number) {
        return static_cast<std::size_t>(static_cast<std::int64_t>(number) - low);
    };
    for (const int number : numbers) {
        std::uint8_t& count = counts[slot(number)];
        if (count < 2) {
            ++count;
        }
    }
    return first_with_count_above_one(numbers, [&](int number) { return counts[slot(number)]; });
}

std::optional<int> first_repeated_sparse(const std::vector<int>& numbers) {
    std::unordered_map<int, int> counts;
    counts.reserve(numbers.size());
    for (const int number : numbers) {
        ++counts[number];
    }
    return first_with_count_above_one(numbers, [&](int number) { return counts[number]; });
}

} // namespace

std::optional<int> first_repeated(const std::vector<int>& numbers) {
    if (numbers.empty()) {
        return std::nullopt;
    }
    const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(*high) - *low) + 1;
    // Numbers are usually dense, so a flat table of counts indexed from the
    // smallest one is linear and compact; scattered numbers use a hash map.
    if (span <= 4 * static_cast<std::uint64_t>(numbers.size()) + 64) {
        return first_repeated_dense(numbers, *low, static_cast<std::size_t>(span));
    }
    return first_repeated_sparse(numbers);
}

bool testuj_numery_regul(AppState& state, Dialogs& ui) {
    Numbers numbers;
    append_numbers(numbers, state.kb.rule.rules);
    return wszystkie_rozne(state, ui, BaseKind::Rule, numbers, state.kb.rule.name, rule_message);
}

bool testuj_numery_modeli(AppState& state, Dialogs& ui) {
    // Model numbers must be unique across all four model kinds together.
    const ModelBase& models = state.kb.model;
    Numbers numbers;
    append_numbers(numbers, models.basic);
    append_numbers(numbers, models.extended);
    append_numbers(numbers, models.linear);
    append_numbers(numbers, models.polynomial);
    return wszystkie_rozne(state, ui, BaseKind::Model, numbers, models.name, model_message);
}

bool testuj_numery_ograniczen(AppState& state, Dialogs& ui) {
    Numbers numbers;
    append_numbers(numbers, state.kb.constraint.constraints);
    return wszystkie_rozne(state, ui, BaseKind::Constraint, numbers, state.kb.constraint.name,
                           constraint_message);
}

bool testuj_numery_rad(AppState& state, Dialogs& ui) {
    Numbers numbers;
    append_numbers(numbers, state.kb.advice.clauses);
    return wszystkie_rozne(state, ui, BaseKind::Advice, numbers, state.kb.advice.name,
                           advice_message);
}

} // namespace orve
