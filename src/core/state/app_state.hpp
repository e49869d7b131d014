// All state of a running program, passed by reference; there are no globals.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "kb/model_lookup.hpp"
#include "report/report_writer.hpp"
#include "state/commands.hpp"
#include "state/model_findings.hpp"
#include "state/verify_findings.hpp"
#include "state/working_memory.hpp"

#include <string>

namespace orve {

struct AppState {
    KnowledgeBaseSet kb;
    AskableLists askables;
    Findings findings;
    ModelFindings model_findings;
    ReportBuffer report;
    WorkingMemory memory;
    CommandStates commands;

    std::string wyroznik;     // knowledge-base name taken from the Rule Base file name
    std::string rozszerzenie; // the rest of that file name, e.g. ".EEB"
    std::string opis;         // path of the abstract file

    // Load-error markers.
    bool blad = false;
    bool jestem_tu = false;
    std::string duplikat_nazwy_mo;

    std::string main_title;

    // The models by result while a forward chaining loop runs (the bases do
    // not change meanwhile); evaluation finds the models through it.
    const ModelLookup* model_lookup = nullptr;
};

// Enables or disables a command and tells the front end when the state changed.
class Dialogs;
void set_command(AppState& state, Dialogs& ui, int id, bool enabled);
// Sets the main window's title and tells the front end.
void set_main_title(AppState& state, Dialogs& ui, const std::string& title);

} // namespace orve
