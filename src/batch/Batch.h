// Batch generation: many finished characters without a question, each
// written as a resume, with an index page linking them all.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "batch/Crew.h"

namespace orrimar {

struct Game;

// The most characters one batch makes, and the most terms it serves (the
// record holds a hundred).
constexpr int MaxBatchCount = 1000000;
constexpr int MaxBatchTerms = 99;
// The most threads a batch runs on.
constexpr int MaxBatchJobs = 64;
// The most characters a search for those meeting --where tries by default.
constexpr int DefaultMaxTries = 1000000;

// What a batch writes: resumes, JSON documents (one file each), both, or
// JSON Lines (every character one line of one file, or standard output),
// text stat blocks (the same way), or CSV (one file).
enum class BatchFormat { Html, Json, Jsonl, Both, Text, Csv };

struct BatchOptions {
    int Count = 1;
    std::string OutDir;  // where the pages go; empty writes none; for JSON Lines
                         // the file, "-" for standard output
    BatchFormat Format = BatchFormat::Html;
    std::string DiceList;  // a file of totals every throw takes in turn; empty: seeded dice
    uint64_t Seed = 0;     // character n uses Seed + n - 1
    std::string DataDir;   // empty: the folder recorded in the settings file
    std::string Race;      // part of a display text or a file name; empty: random
    std::string Service;
    std::string Branch;
    int Terms = 7;             // re-enlist until this many terms are served
    std::string TemplatePath;  // empty: the built-in layout
    bool WritePages = true;
    // Threads making characters; the output is the same for any number.
    int Jobs = 1;
    // A folder holding an earlier batch: its files are removed first
    // (--yes); otherwise the batch is refused.
    bool ReplaceBatch = false;
    // Conditions (ParseWhere) a character must meet to be kept: characters
    // are made, seed after seed, until Count meet them or MaxTries were
    // made. Empty keeps every one.
    std::string Where;
    int MaxTries = DefaultMaxTries;
    // A mixed crew: so many characters of each service, in turn (Count and
    // Service give way to it).
    std::vector<CrewPart> Crew;
    // A line on `log` saying how far the batch is (for a terminal).
    bool Progress = false;
    // Each result keeps the size of every die thrown for it (for measuring).
    bool KeepDieSizes = false;
    // Every throw of each character explained on `log`, in the order made,
    // as the character is finished; its JSON carries them too.
    bool Explain = false;
};

// What one character of a batch came to, for the index page and checks.
struct BatchCharacter {
    std::string Name, Race, Service, Branch, File;
    int Terms = 0;
    uint64_t Seed = 0;
    uint64_t Draws = 0;         // dice thrown for this character
    std::vector<int> DieSizes;  // with BatchOptions::KeepDieSizes: every die's size, in order
    std::string Problem;        // empty when the record kept within its tables
    // The roster's columns.
    std::string RankCode, RankName, Upp, TopSkills, Benefits, Decorations;
    int RankSort = -1;  // where the rank stands (RankOrder); -1 for an unknown form
    std::string Block;  // the stat block, for the sheet of cards
    // Every characteristic and skill, as names and values (for CSV).
    std::vector<std::pair<std::string, int>> Stats, Skills;
    int Age = 0;
    int32_t Money = 0;
};

// The page of character n of a batch: "0001-NAME.htm" (or another extension).
std::string BatchPageName(int n, const std::string& name, const std::string& extension = "htm");

// What is wrong with a finished character's record, or "" when every field
// stays within its table's bounds.
std::string CheckWithinTables(const Game& g);

// Makes character n of a batch again (with `throws`, when its dice came
// from a list) and hands its game to `use`; "" or what went wrong.
std::string RemakeBatchCharacter(const BatchOptions& options, int n, const std::vector<int>& throws,
                                 const std::function<void(Game&)>& use);

// A race and a service a batch may draw, by key and by name.
struct BatchGroup {
    std::string RaceKey, ServiceKey, Race, Service;
};

// Plays characters of a batch without writing anything, for those who
// only count what they come to: first lists the race and service pairs
// `options` may draw (every service of each race when none is asked) and
// hands them to `chosen`, then plays characters 1..options.Count of each
// pair in turn, on options.Jobs threads, with the batch's answers and
// seeds. `setup` is called once for each thread's game (0..jobs-1) before
// any character; `each` on that thread for every character, with its
// group and number, and whether its career was finished (in no set order).
// A pair whose files the loaders refuse is left, saying why to `skip`.
// `stop`, when given and set, ends the play after the characters under way.
// Returns "" or what kept every character from being made.
std::string PlayBatchGroups(
    const BatchOptions& options, const std::function<void(const std::vector<BatchGroup>&)>& chosen,
    const std::function<void(int job, Game&)>& setup,
    const std::function<void(int job, size_t group, int n, bool finished, const Game&)>& each,
    const std::function<void(size_t group, const std::string&)>& skip,
    const std::atomic<bool>* stop = nullptr);

// Runs the batch; progress and problems go to `log`, and what the rules
// said while a character was made (data problems met in play) also to
// batch.log in the output folder. JSON Lines to standard output go to
// `lines`. Returns the exit status: 0 when every character was written, 1
// otherwise, 128 + the signal when BatchStopSignal stopped it (what was
// finished is indexed; a JSON Lines file is left as it was).
// `results`, when given, receives every generated character.
int RunBatch(const BatchOptions& options, std::ostream& log,
             std::vector<BatchCharacter>* results = nullptr, std::ostream* lines = nullptr);

}  // namespace orrimar
