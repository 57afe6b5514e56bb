// Making a saved character again from the seed and answers its resume or
// JSON file records, and saying what differs.
#pragma once

#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "data/Recipe.h"

namespace orrimar {

struct Game;

// Plays an interactive career again from its recipe with the data folder
// `dataDir` (ending in the separator) and hands the finished game to `use`;
// the name and homeworld are taken from `recorded`, the character as saved.
// With `explain`, the game handed on has its throws explained.
// Returns "" or why the career cannot be played again.
std::string ReplayCareer(const CareerRecipe& recipe, const nlohmann::ordered_json& recorded,
                         const std::string& dataDir, const std::function<void(Game&)>& use,
                         bool explain = false);

// Where two careers' explained throws (the documents' "explained") first
// differ: "" when they agree, else a line naming the throw, its term and
// year and what each made of it.
std::string PartingThrow(const nlohmann::ordered_json& recorded,
                         const nlohmann::ordered_json& remade);

// Rebuilds the character of `file` with the data folder `dataDir` (empty:
// the one in the settings file), reports to `out` whether it comes out the
// same (and to `err` why it cannot be made), and writes it to `outPath`
// when given (".json": its document, else its resume). Returns the exit
// status: 0 when the character is the same, 1 otherwise.
int RegenerateCharacter(const std::string& file, const std::string& dataDir,
                        const std::string& outPath, std::ostream& out, std::ostream& err);

}  // namespace orrimar
