// Every place orve-cli prints a base's text shows a base written in code page
// 1250 converted, and one written in UTF-8 as it is.
#include "support/temp_tree.hpp"
#include "terminal_dialogs.hpp"

#include <cstdlib>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

const std::string kCp1250 = "pompa \xBF\xF3\xB3ta";
const std::string kUtf8 = "pompa żółta";

struct Place {
    const char* name;
    const char* answers; // lines the dialogue reads
    std::function<void(TerminalDialogs&, const std::string&)> show;
};

RecordBrowser browser_of(const std::string& text) {
    return {"Rules", "", "", "Rule number", {1}, {}, {{{"Conclusion", {text}, false}}}};
}

TEST(BaseTextDisplay, EveryPlaceShowsBothEncodingsAsUtf8) {
    const std::vector<Place> places = {
        {"message window", "", [](auto& ui, auto& t) { ui.msg_append(t + "\n"); }},
        {"note", "", [](auto& ui, auto& t) { ui.note(t, t); }},
        {"question", "y\n", [](auto& ui, auto& t) { ui.yes_no(t, t); }},
        {"buttons", "1\n",
         [](auto& ui, auto& t) {
             ui.ask(t, t, {"&Yes", t});
         }},
        {"text window", "", [](auto& ui, auto& t) { ui.show_text(t, t); }},
        {"dialogue", "", [](auto& ui, auto& t) { ui.show_headed_text(t, t, t); }},
        {"askables", "", [](auto& ui, auto& t) { ui.show_list(t, {t}); }},
        {"sections", "",
         [](auto& ui, auto& t) {
             ui.show_sections(t, {{t, {t}}});
         }},
        {"pick a fact", "1\n",
         [](auto& ui, auto& t) {
             ui.pick_fact({t, t, {t}});
         }},
        {"pick facts", "1\n",
         [](auto& ui, auto& t) {
             ui.pick_facts({t, t, {t}});
         }},
        {"pick line", "1\n",
         [](auto& ui, auto& t) {
             ui.pick_line({t, t, {t}});
         }},
        {"message list", "", [](auto& ui, auto& t) { ui.message_list(t, {t}); }},
        {"argument value", "1\n", [](auto& ui, auto& t) { ui.argument_value(t); }},
        {"text input", "\n", [](auto& ui, auto& t) { ui.get_text(t, t, t); }},
        {"choice", "1\n",
         [](auto& ui, auto& t) {
             ui.radio_choice({t, t, t, t, 1});
         }},
        {"record browser", "1\n\n", [](auto& ui, auto& t) { ui.browse_records(browser_of(t)); }},
        {"main title", "", [](auto& ui, auto& t) { ui.set_main_title(t); }},
    };
    for (const Place& place : places) {
        for (const std::string& bytes : {kCp1250, kUtf8}) {
            SCOPED_TRACE(std::string(place.name) + (bytes == kUtf8 ? " (UTF-8)" : " (1250)"));
            std::istringstream in(place.answers);
            std::ostringstream out;
            TerminalDialogs ui(in, out, true);
            place.show(ui, bytes);
            ui.io().flush();
            EXPECT_NE(out.str().find(kUtf8), std::string::npos) << out.str();
            EXPECT_EQ(out.str().find('\xBF'), std::string::npos) << out.str();
        }
    }
}

// Edits the copy like a person: records what the editor showed and adds "ł".
struct Requests : EditorRequests {
    std::vector<std::string> closed;
    bool save(const std::string&) override { return true; }
    bool save_as(const std::string&) override { return true; }
    bool close(const std::string& text) override {
        closed.push_back(text);
        return true;
    }
};

TEST(BaseTextDisplay, TheEditorCopyIsUtf8AndComesBackInTheBasesEncoding) {
    const test::TempTree tree;
    const std::string seen = tree.path("seen").string();
    const std::string script =
        tree.write("edit.sh", "cp \"$1\" '" + seen + "'; printf '\\305\\202' >> \"$1\"\n").string();
    const std::string command = "sh " + script;
    const char* old = std::getenv("VISUAL");
    const std::string saved = old != nullptr ? old : "";
    setenv("VISUAL", command.c_str(), 1);
    struct Case {
        std::string text;
        std::string edited; // what the requests receive
    };
    const std::vector<Case> cases = {
        {kCp1250 + "\n", kCp1250 + "\n\xB3"},
        {kUtf8 + "\n", kUtf8 + "\nł"},
        // A byte the code page leaves unassigned: edited as it is.
        {"x\x81\n", "x\x81\nł"},
    };
    for (const Case& c : cases) {
        std::istringstream in;
        std::ostringstream out;
        TerminalDialogs ui(in, out, false);
        Requests requests;
        ui.edit_text("Editing", tree.path("RUx.EEB").string(), c.text, requests);
        EXPECT_EQ(requests.closed, std::vector<std::string>{c.edited});
        if (c.text != "x\x81\n") {
            EXPECT_EQ(test::read_file(seen), kUtf8 + "\n");
        }
    }
    old != nullptr ? setenv("VISUAL", saved.c_str(), 1) : unsetenv("VISUAL");
}

} // namespace
} // namespace orve::cli
