// orrimar-cli's command line: the words given, read into what the program
// was asked to do, and the text that says how to ask.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "batch/Batch.h"

namespace orrimar {

// What one run of orrimar-cli does.
enum class CliMode { Play, Check, Batch, Regenerate, Stats, Help, Version };

struct CliOptions {
    CliMode Mode = CliMode::Play;
    std::string DataDir;                 // --data; empty: each mode's own default
    std::vector<std::string> TestWords;  // the words left over, for the rules' tests
    std::string CheckDir;                // --check-data
    bool Strict = false;
    bool Seeded = false;       // --seed was given
    bool Counted = false;      // --count was given
    bool FormatGiven = false;  // --format was given
    bool AssumeYes = false;
    // What a batch, the statistics or an interactive session take of the
    // rest: seed, count, format, dice, filters, folders.
    BatchOptions Batch;
    std::string Regenerate;  // the file --regenerate names
    std::string Compare, Report;
};

struct ParsedCommandLine {
    CliOptions Options;
    // What is wrong with the command line (exit status 2), "" when nothing;
    // some errors are followed by the usage text.
    std::string Error;
    bool ErrorWithUsage = false;
};

// Reads the command line. --help and --version end the reading where they
// stand; the first error found is the one reported.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text --help prints.
void Usage(std::ostream& out);

}  // namespace orrimar
