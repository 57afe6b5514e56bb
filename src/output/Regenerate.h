// Making a saved character again from the seed and answers its resume or
// JSON file records, and saying what differs.
#pragma once

#include <iosfwd>
#include <string>

namespace orrimar {

// Rebuilds the character of `file` with the data folder `dataDir` (empty:
// the one in the settings file), reports to `out` whether it comes out the
// same (and to `err` why it cannot be made), and writes it to `outPath`
// when given (".json": its document, else its resume). Returns the exit
// status: 0 when the character is the same, 1 otherwise.
int RegenerateCharacter(const std::string& file, const std::string& dataDir,
                        const std::string& outPath, std::ostream& out, std::ostream& err);

}  // namespace orrimar
