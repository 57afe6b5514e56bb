// What the fuzz targets share: splitting an input into lines or files, a
// scratch folder, and the sample data loaded once as the program loads it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "batch/AutoUi.h"
#include "model/Game.h"

namespace orrimar::fuzz {

// A check of a target failed: the input broke a rule the program keeps.
// libFuzzer's entry turns it into a crash it keeps the input of; the
// regression test into the failure of the one input that ran it, so one
// bad input never hides the results of the others.
struct CheckFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void Fail(const std::string& what);

// The lines of a file's text as the program reads a file: split at LF, a
// CR before it dropped; a final line end makes no extra line.
std::vector<std::string> Lines(std::string_view text);

// An input holding several files: a line "==> NAME" starts the file NAME;
// text before the first such line is a file without a name.
inline constexpr std::string_view FileMarker = "==> ";
struct InputFile {
    std::string Name;
    std::string Text;
};
std::vector<InputFile> SplitFiles(std::string_view data);

// A stable number drawn from an input, to seed the dice with.
uint64_t Hash(std::string_view data);

// A folder of this process under the temporary folder, ending in "/",
// made on first use and removed when the process ends.
const std::string& ScratchFolder();
void WriteText(const std::string& path, std::string_view text);

std::string SampleData();  // ending in "/"

// The sample data as the program loads it at start-up. Every game of a
// process shares one answering Ui and one seeded Dice, so a copy of this
// game, after Begin, is a freshly started program:
//   Game g = SampleGame();
//   Begin(g, Hash(data));
const Game& SampleGame();
AutoUi& SharedUi();
void Begin(Game& g, uint64_t seed, int terms = 2);

// Selects the race, service and branch (each index taken modulo its list),
// rolls the characteristics and plays the whole career as a batch does,
// then names the character. False when a file is refused or the career
// does not finish; fails when a finished record breaks its tables.
bool PlayCareerOf(Game& g, uint64_t race, uint64_t service, uint64_t branch);

}  // namespace orrimar::fuzz
