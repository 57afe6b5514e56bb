// The plain-text transfer file (.trg) written beside a resume when the
// _ZIP environment variable is set.
#pragma once

#include <string>
#include <vector>

#include "startup/Files.h"

namespace orrimar {

struct Game;
struct CareerPart;

// The file's 126 lines for the character as it stands.
std::vector<std::string> TrgFileLines(Game& g);

// Beside the resume, named after the character; a character without a
// usable name takes the resume's own file name, so no earlier character's
// transfer file is overwritten.
std::string TrgFilePath(const CareerPart& g, const std::string& resumePath);

// Writes the file when _ZIP has a value. Returns an empty text on success
// (or when not enabled), else what failed.
std::string WriteTrgFile(Game& g, const std::string& resumePath,
                         FileWriter write = WriteFileAtomic);

}  // namespace orrimar
