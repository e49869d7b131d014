// All state of a running program, passed by reference; there are no globals.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "kb/model_lookup.hpp"
#include "report/dialogs.hpp"
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

    // `blad`: a base file stopped on a syntax error. Set by the load procedure
    // when the reader reports one; cleared only by the next Rule Base loading.
    // While it stands, every load that ends without completing (a cancelled
    // dialogue included) repeats the repair instructions of a faulty base.
    bool blad = false;
    // `jestem_tu`: a base file is being read. Set just before the read, cleared
    // once the file has been read to its end or refused as unreadable. Still set
    // when the load gives up, it means the read stopped without a syntax error
    // (empty lines), and the load writes the empty-lines repair texts.
    bool jestem_tu = false;
    // The file (an absolute path) and the place of the syntax error the last
    // load of a base stopped on; the base editor opens that file there.
    std::string syntax_error_file;
    TextPlace syntax_error_place;
    // `duplikat_nazwy_mo`: the name of a Model Base read but refused as
    // inconsistent. Set by the Model Base inconsistency check, which forgets
    // the base's own name; read by the Model Base inconsistency report, which
    // names the base by it, and by the load, which then gives no empty-lines
    // texts. Cleared by every Model Base and Rule Base loading.
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
