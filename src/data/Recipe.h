// What it takes to make a character again: the data it was made from, its
// seed, and every answer given during its career, in order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/Character.h"

namespace orrimar {

// A hash of the data folder's rule files, whole and file by file, so a
// changed folder can be named file by file.
struct DataFingerprint {
    std::string Hash;                          // SHA-256 in hex, over every file
    std::map<std::string, std::string> Files;  // file name -> its own, short
    std::string Short() const { return Hash.substr(0, 12); }
};

struct CareerRecipe {
    enum class Kind { None, Interactive, Batch };
    Kind Made = Kind::None;
    bool Seeded = false;  // false: the dice had no seed to record
    uint64_t Seed = 0;
    DataFingerprint Data;
    std::string CommandLine;

    // Interactive: the lists' keys, the character as accepted, and what the
    // windows held that the career reads.
    std::string RaceKey, ServiceKey, BranchKey;
    CharacterRecord Start;
    std::string Settings;  // options, preferred skills, own dice (SettingsText)
    int VilaniLevel = 0;
    std::string HandEntered;
    // Each question's kind and answer, in the order asked.
    std::vector<std::pair<std::string, std::string>> Answers;
    // The totals thrown by hand or read from a list, in order.
    std::vector<int> Throws;

    // Batch: what was asked for; character n of a batch keeps its own seed.
    std::string WantedRace, WantedService, WantedBranch;
    int Terms = 0;
    int Number = 0;
};

}  // namespace orrimar
