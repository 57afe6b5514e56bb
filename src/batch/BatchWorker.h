// Making one character of a batch: each thread's game, with its own
// answers, dice and data, and what one character comes to.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/AutoUi.h"
#include "batch/Batch.h"
#include "model/Dice.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Files.h"

namespace orrimar {

struct ChoiceList;
struct ThrowList;
struct WhereExpr;

// One thread's game: its own answers, dice and data, so characters made on
// several threads come out as they do on one.
struct BatchWorker {
    AutoUi ui;
    SeededDice dice{0};
    Game g{ui, dice};
    std::array<int16_t, CharacterRecord::MaxOptions + 1> options0{};
    // Whether a result gets the roster's columns: only what is written or
    // handed back needs them, and sorting the skills costs a tenth of a
    // character.
    bool describe = true;
    // What a character may be drawn from: the races the wanted name picks
    // that offer what else was asked, and when a service or branch was
    // asked, each race's services (by race) that offer it. One pool for
    // each part of a crew.
    struct Pool {
        std::vector<int> races;
        std::vector<std::vector<int>> services;
    };
    std::vector<Pool> pools;
    // With --explain: the throws of the character being made, and their lines.
    ThrowLog throws;
    std::string explained;
};

// The entries a wanted name picks: those whose display text or key it
// equals (any case), else those holding it, else none; every entry when
// nothing is wanted.
std::vector<int> PickedEntries(const ChoiceList& list, const std::string& wanted);

// Loads the data folder into a worker, its throws from `throws` when given;
// "" or what went wrong.
std::string PrepareWorker(BatchWorker& w, const BatchOptions& options, const ThrowList* throws);

// What became of a character. Stop: no character of the batch can be made;
// Unmatched: made, but not meeting --where; nothing is written of it.
enum class BatchOutcome { Made, Failed, Stop, Unmatched };

// Character n, as crew member `slot` asks and kept only when it meets
// `where` (if given), with the data problems the rules met while it was made
// added to `notes`, and the files it writes to `files`, not yet written;
// `message` says why it was not made, `line` is what it adds to a stream of
// JSON Lines or stat blocks.
BatchOutcome MakeBatchCharacter(BatchWorker& w, const BatchOptions& options, size_t slot,
                                const WhereExpr* where, const std::string& outDir, int n,
                                BatchCharacter& result, std::string& message, std::string& line,
                                std::vector<std::string>& notes, std::vector<FileText>& files);

}  // namespace orrimar
