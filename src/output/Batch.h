// Batch generation: many finished characters without a question, each
// written as a resume, with an index page linking them all.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace orrimar {

struct Game;

// The most characters one batch makes, and the most terms it serves (the
// record holds a hundred).
constexpr int MaxBatchCount = 1000000;
constexpr int MaxBatchTerms = 99;
// The most threads a batch runs on.
constexpr int MaxBatchJobs = 64;

struct BatchOptions {
    int Count = 1;
    std::string OutDir;   // where the pages go; empty writes none
    uint64_t Seed = 0;    // character n uses Seed + n - 1
    std::string DataDir;  // empty: the folder recorded in the settings file
    std::string Race;     // part of a display text or a file name; empty: random
    std::string Service;
    std::string Branch;
    int Terms = 7;             // re-enlist until this many terms are served
    std::string TemplatePath;  // empty: the built-in layout
    bool WritePages = true;
    // Threads making characters; the output is the same for any number.
    int Jobs = 1;
};

// What one character of a batch came to, for the index page and checks.
struct BatchCharacter {
    std::string Name, Race, Service, Branch, File;
    int Terms = 0;
    uint64_t Seed = 0;
    uint64_t Draws = 0;   // dice thrown for this character
    std::string Problem;  // empty when the record kept within its tables
};

// The page of character n of a batch: "0001-NAME.htm".
std::string BatchPageName(int n, const std::string& name);

// What is wrong with a finished character's record, or "" when every field
// stays within its table's bounds.
std::string CheckWithinTables(const Game& g);

// Runs the batch; progress and problems go to `log`. Returns the exit
// status: 0 when every character was written, 1 otherwise.
// `results`, when given, receives every generated character.
int RunBatch(const BatchOptions& options, std::ostream& log,
             std::vector<BatchCharacter>* results = nullptr);

}  // namespace orrimar
