// One golden case: a session of orve-cli run in-process on the case's input
// lines, in a fresh temporary copy of the case's folder tree.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace orve::golden {

// Stands for the temporary run folder wherever its path is written, so that
// transcripts and files are the same on every run.
inline const std::string kRunFolder = "<run>";

// Files by their path relative to the run folder ("BASES/boiler-case.RPT").
using FileMap = std::map<std::string, std::string>;

// What a session produced.
struct SessionResult {
    int status = 0;
    std::string transcript; // everything the terminal app wrote, echoed answers included
    FileMap written_files;  // files the session created or changed
};

// Runs the case stored in `case_folder`; `examples` is the bundled example
// folder, the tree of cases that have no `tree` folder of their own.
// Throws std::runtime_error when the case folder is incomplete.
SessionResult run_case(const std::filesystem::path& case_folder,
                       const std::filesystem::path& examples);

// The exit status the case expects: its `status` file, 0 without one.
int expected_status(const std::filesystem::path& case_folder);

// Every regular file below `root` by its relative path, with its contents.
FileMap read_tree(const std::filesystem::path& root);

} // namespace orve::golden
