// Batch generation: many finished characters without a question, each
// written as a resume, with an index page linking them all.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace orrimar {

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
};

// What one character of a batch came to, for the index page and checks.
struct BatchCharacter {
    std::string Name, Race, Service, Branch, File;
    int Terms = 0;
    uint64_t Seed = 0;
};

// Runs the batch; progress and problems go to `log`. Returns the exit
// status: 0 when every character was written, 1 otherwise.
int RunBatch(const BatchOptions& options, std::ostream& log);

}  // namespace orrimar
