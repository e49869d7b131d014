#include "kb/load_texts.hpp"

namespace orve {

namespace {

// Repair lines of fallback a: `enter` names the menu entry to enter.
std::vector<std::string> repair(const std::string& enter, const std::string& base) {
    return {"Enter '" + enter + "',", "choose option '" + base + " Editing', ",
            "choose faulty base and remove error."};
}

// Lines of fallback b; `stop` is the end of the fifth line ("." or "").
std::vector<std::string> empty_lines(const std::string& enter, const std::string& base,
                                     const std::string& stop) {
    return {base + " error while reading base. ",
            base + " has empty lines!",
            "Enter '" + enter + "',",
            "choose option '" + base + " Editing', ",
            "choose faulty base and remove empty lines" + stop,
            "which are often found at the end of the base."};
}

// The note of fallback b shared by the Rule, Model, Graphics and Sound Bases.
std::string empty_lines_note(const std::string& enter, const std::string& base) {
    return base + " error while reading base. \n" + base + " has empty lines!\nEnter '" + enter +
           "',\nchoose option '" + base +
           " Editing', \nchoose faulty base and remove empty lines.,\nwhich are often found at the "
           "end of the base..";
}

LoadTexts rule_texts() {
    return {"Load Rule Base ",
            "Rule Base (RU*.EEB)",
            "RU*.EEB",
            "Ru*.EEB",
            "Rule base  ",
            "has been loaded!",
            "Elementary Exact Rule Base",
            "Successful  loading of Rule Base",
            repair("Rule Base", "Rule Base"),
            "Enter 'Exact Rule Base', \nchoose option 'Rule Base Editing',\nchoose faulty base and "
            "remove error.",
            "Error",
            empty_lines("Rule Base", "Rule Base", "."),
            empty_lines_note("Exact Rule Base", "Rule Base"),
            "Error"};
}

LoadTexts model_texts() {
    return {"Load Model Base",
            "Model Base (MO*.EEB)",
            "MO*.EEB",
            "MO*.EEB",
            "Model base ",
            "has been loaded!",
            "Elementary Exact Model Base",
            "Successful  loading of Model Base",
            repair("Exact Model Base", "Model Base"),
            "Enter 'Exact Model Base', \nchoose option 'Model Base Editing', \nchoose faulty base "
            "and remove error.",
            "Attention error!",
            empty_lines("Exact Model Base", "Model Base", "."),
            empty_lines_note("Exact Model Base", "Model Base"),
            "Error"};
}

LoadTexts constraint_texts() {
    return {"Load Constraint Base",
            "Constraint Base (Co*.EEB)",
            "Co*.EEB",
            "Co*.EEB",
            "Elementary Exact Constraint Base ",
            "has been loaded!",
            "Elementary Exact Constraint Base",
            "Successful  loading of Constraint Base",
            repair("Constraint Base", "Constraint Base"),
            "Enter 'Exact Constraint Base', \nchoose option 'Constraint Base Editing', \nchoose "
            "faulty base and remove error.",
            "Attention error!",
            empty_lines("Constraint Base", "Constraint Base", ""),
            "Constraint Base error while reading base.\nConstraint Base has empty lines!\nEnter "
            "'Exact Constraint Base',\nchoose option 'Constraint Base Editing'\nchoose faulty base "
            "and remove empty lines which are\noften found at the end of the base.",
            "Attention error!"};
}

LoadTexts advice_texts() {
    return {"Load Advice Base ",
            "Advice Base (AD*.EEB)",
            "AD*.EEB",
            "AD*.EEB",
            "Advice Base ",
            "has been loaded!",
            "Elementary Exact Advice Base",
            "Successful  loading of Advice Base!",
            repair("Exact Advice Base", "Advice Base"),
            "Enter 'Exact Advice Base', \nchoose option 'Advice Base Editing', \nchoose faulty "
            "base and remove error.",
            "Attention error!",
            empty_lines("Advice Base", "Advice Base", ""),
            "Advice Base error while reading base.\nAdvice Base has empty lines!\nEnter 'Exact "
            "Advice Base',\nchoose option 'Advice Base Editing'\nchoose faulty base and remove "
            "empty lines which \nare often found at the end of the base.",
            "Attention error!"};
}

LoadTexts media_texts(const std::string& base, const std::string& pattern,
                      const std::string& loaded_second) {
    return {"Load " + base + " ",
            base + " (" + pattern + ")",
            pattern,
            pattern,
            base + " ",
            loaded_second,
            base,
            "Successful  loading of " + base + "!",
            repair(base, base),
            "Enter '" + base + "', \nchoose option '" + base +
                " Editing', \nchoose faulty base and remove error.",
            "Attention error!",
            empty_lines(base, base, "."),
            empty_lines_note(base, base),
            "Error"};
}

} // namespace

const LoadTexts& load_texts(BaseKind kind) {
    static const LoadTexts rule = rule_texts();
    static const LoadTexts model = model_texts();
    static const LoadTexts constraint = constraint_texts();
    static const LoadTexts advice = advice_texts();
    static const LoadTexts graphics = media_texts("Graphics Base", "GR*.EEB", " has been loaded!");
    static const LoadTexts sound = media_texts("Sound Base", "So*.EEB", "has been loaded!");
    switch (kind) {
    case BaseKind::Rule:
        return rule;
    case BaseKind::Model:
        return model;
    case BaseKind::Constraint:
        return constraint;
    case BaseKind::Advice:
        return advice;
    case BaseKind::Graphics:
        return graphics;
    case BaseKind::Sound:
        break;
    }
    return sound;
}

} // namespace orve
