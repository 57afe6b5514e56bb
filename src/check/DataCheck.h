// Checks a whole data folder with the program's own loaders and collects
// every problem found, so players can test the files they edit.
#pragma once

#include <string>
#include <vector>

#include "data/Service.h"

namespace orrimar {

// Errors first, in the order found, then the warnings (startup/Lint.h)
// file by file.
std::vector<DataProblem> CheckDataFolder(const std::string& folder);
// The exit status of a check: 1 for any error, or with `strict` for any
// warning; 0 otherwise.
int CheckStatus(const std::vector<DataProblem>& problems, bool strict);
// The data files of the folder saved as UTF-8 (read as Latin-1).
std::vector<std::string> Utf8DataFiles(const std::string& folder);

}  // namespace orrimar
