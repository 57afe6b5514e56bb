// The plain-text transfer file (.trg) written beside a resume when the
// _ZIP environment variable is set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text/Files.h"

namespace orrimar {

struct Game;
struct CareerPart;

// The file's 126 lines for the character as it stands.
std::vector<std::string> TrgFileLines(Game& g);

// Beside the resume, named after the character; a character without a
// usable name takes the resume's own file name, so no earlier character's
// transfer file is overwritten.
std::string TrgFilePath(const CareerPart& career, const std::string& resumePath);

// The file beside the resume at `resumePath`, when _ZIP has a value.
std::optional<FileText> TrgFile(Game& g, const std::string& resumePath);

}  // namespace orrimar
