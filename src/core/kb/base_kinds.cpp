#include "kb/base_kinds.hpp"

#include "kb/base_schemas.hpp"

#include <array>
#include <cstddef>
#include <utility>

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
            "Rule Base error while reading base. \nRule Base has empty lines!\nEnter 'Exact Rule "
            "Base',\nchoose option 'Rule Base Editing', \nchoose faulty base and remove empty "
            "lines.,\nwhich are often found at the end of the base..",
            "Error"};
}

LoadTexts model_texts() {
    return {
        "Load Model Base",
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
        "Model Base error while reading base. \nModel Base has empty lines!\nEnter 'Exact Model "
        "Base',\nchoose option 'Model Base Editing', \nchoose faulty base and remove empty "
        "lines.,\nwhich are often found at the end of the base..",
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

LoadTexts graphics_texts() {
    return {"Load Graphics Base ",
            "Graphics Base (GR*.EEB)",
            "GR*.EEB",
            "GR*.EEB",
            "Graphics Base ",
            " has been loaded!",
            "Graphics Base",
            "Successful  loading of Graphics Base!",
            repair("Graphics Base", "Graphics Base"),
            "Enter 'Graphics Base', \nchoose option 'Graphics Base Editing', \nchoose faulty base "
            "and remove error.",
            "Attention error!",
            empty_lines("Graphics Base", "Graphics Base", "."),
            "Graphics Base error while reading base. \nGraphics Base has empty lines!\nEnter "
            "'Graphics Base',\nchoose option 'Graphics Base Editing', \nchoose faulty base and "
            "remove empty lines.,\nwhich are often found at the end of the base..",
            "Error"};
}

LoadTexts sound_texts() {
    return {"Load Sound Base ",
            "Sound Base (So*.EEB)",
            "So*.EEB",
            "So*.EEB",
            "Sound Base ",
            "has been loaded!",
            "Sound Base",
            "Successful  loading of Sound Base!",
            repair("Sound Base", "Sound Base"),
            "Enter 'Sound Base', \nchoose option 'Sound Base Editing', \nchoose faulty base and "
            "remove error.",
            "Attention error!",
            empty_lines("Sound Base", "Sound Base", "."),
            "Sound Base error while reading base. \nSound Base has empty lines!\nEnter 'Sound "
            "Base',\nchoose option 'Sound Base Editing', \nchoose faulty base and remove empty "
            "lines.,\nwhich are often found at the end of the base..",
            "Error"};
}

// An entry whose base is held in `member` of the set and filled by `fill`.
template <typename Base, typename Fill>
BaseKindInfo entry(const char* name, Base KnowledgeBaseSet::*member, ClauseSchema schema, Fill fill,
                   LoadTexts texts, std::optional<MediaFolderTexts> media = std::nullopt) {
    return {
        name,
        std::move(schema),
        [member, fill](Clause& c, KnowledgeBaseSet& kb) { fill(c, kb.*member); },
        [member](KnowledgeBaseSet& from, KnowledgeBaseSet& to) {
            to.*member = std::move(from.*member);
        },
        [member](KnowledgeBaseSet& kb) -> std::optional<BaseName>& { return (kb.*member).name; },
        std::move(texts),
        media};
}

// An Advice, Graphics or Sound Base entry: one clause type named `functor`.
BaseKindInfo media_entry(const char* name, MediaBase KnowledgeBaseSet::*member, const char* functor,
                         LoadTexts texts, MediaFolderTexts folder) {
    const auto fill = [functor](Clause& c, MediaBase& base) { fill_media(c, functor, base); };
    return entry(name, member, media_schema(functor), fill, std::move(texts), folder);
}

std::array<BaseKindInfo, std::size(kBaseKinds)> make_table() {
    using K = KnowledgeBaseSet;
    // In the order of BaseKind.
    return {entry("Rule Base", &K::rule, rule_schema(), fill_rule, rule_texts()),
            entry("Model Base", &K::model, model_schema(), fill_model, model_texts()),
            entry("Constraint Base", &K::constraint, constraint_schema(), fill_constraint,
                  constraint_texts()),
            media_entry("Advice Base", &K::advice, "advice", advice_texts(),
                        {"..\\ADVICES\\", ".HLP", "No subdirectory with advice Text Files for",
                         "Therefore the advice base can not be loaded.",
                         "Therefore the advice base can not be loaded."}),
            media_entry("Graphics Base", &K::graphics, "graphics", graphics_texts(),
                        {"..\\GRAPHICS\\", ".BMP", "No directory with Graphics Files for",
                         "Therefore the Graphics Base can not be loaded.",
                         "herefore the Graphics Base can not be loaded."}),
            media_entry("Sound Base", &K::sound, "sounds", sound_texts(),
                        {"..\\SOUNDS\\", ".WAV", "No directory with Sound Files for",
                         "Therefore the Sound Base can not be loaded.",
                         "herefore the Sound Base can not be loaded."})};
}

} // namespace

const BaseKindInfo& base_kind(BaseKind kind) {
    static const auto table = make_table();
    return table[static_cast<std::size_t>(kind)];
}

} // namespace orve
