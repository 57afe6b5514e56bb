// School files (a history line and six skill lines) as a career reads
// them: found in the data folder without regard to case and read whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orrimar {

struct Game;

struct SchoolFileRead {
    std::optional<std::string> Path;                // nothing: not in the folder
    std::optional<std::vector<std::string>> Lines;  // nothing: could not be read
};

// Read afresh each time, so a file the player edits between two careers
// counts; a batch, whose folder is settled, reads each file once.
SchoolFileRead ReadSchoolFile(Game& g, const std::string& name);

}  // namespace orrimar
