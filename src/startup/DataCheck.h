// Checks a whole data folder with the program's own loaders and collects
// every problem found, so players can test the files they edit.
#pragma once

#include <string>
#include <vector>

#include "startup/Service.h"

namespace orrimar {

std::vector<DataProblem> CheckDataFolder(const std::string& folder);
// The data files of the folder saved as UTF-8 (read as Latin-1).
std::vector<std::string> Utf8DataFiles(const std::string& folder);

}  // namespace orrimar
