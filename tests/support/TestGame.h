// A game for one test: scripted answers and dice, a private settings
// folder (WINDIR) and helpers to build small data folders.
#pragma once

// What most test files use, included once here for all of them: the test
// framework and the common parts of the standard library.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/Game.h"
#include "support/ScriptedUi.h"

namespace orrimar {

// A fresh temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path() const { return path_.string() + "/"; }
    // Writes a file of lines ended by CR LF; returns its path.
    std::string Write(const std::string& name, const std::vector<std::string>& lines) const;
    std::string Read(const std::string& name) const;
    // Rewrites the file `name` (lines ended by CR LF) line by line with `edit`.
    void Edit(const std::string& name, const std::function<void(std::string&)>& edit) const;
    // The names in the folder (or its subfolder `sub`), sorted.
    std::vector<std::string> Names(const std::string& sub = "") const;

  private:
    std::filesystem::path path_;
};

// The sample data folder of the source tree, ending in "/".
// A shell command's exit status (-1 when it did not exit) and standard output.
struct ShellRun {
    int status = -1;
    std::string out;
};
ShellRun RunShell(const std::string& command);

// Headless Chromium with the flags this closed machine needs and a fresh
// profile in `profile`, ready for its last options; "" when not installed.
std::string HeadlessChromium(const std::string& profile);

std::string SampleDataDir();
// Copies the sample data's files into `dir`, for a test to spoil.
void CopySampleData(const TempDir& dir);

// Every race, service and branch a new character of the sample data can
// choose (branches opened only by transfer left out), as file names and
// branch keys, in the order of the files.
struct SampleCareer {
    std::string Race, Service, Branch;
};
std::vector<SampleCareer> SampleCareers();

struct TestGame {
    TestGame();
    ~TestGame();
    ScriptedUi ui;
    ScriptedDice dice;
    Game g;
    TempDir settings;  // WINDIR points here while the test runs
    // DataLoc, titles, tables, cascades and coins of `folder`, then the races.
    void LoadData(const std::string& folder);
    // Selects race, service and branch by display text (first containing it).
    void Pick(const std::string& race, const std::string& service = "",
              const std::string& branch = "");

  private:
    std::string oldWindir_;
    bool hadWindir_ = false;
};

}  // namespace orrimar
