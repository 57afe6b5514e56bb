// Checks a whole data folder with the program's own loaders and collects
// every problem found, so players can test the files they edit.
#pragma once

#include <string>
#include <vector>

#include "startup/Service.h"

namespace orrimar {

std::vector<DataProblem> CheckDataFolder(const std::string& folder);

}  // namespace orrimar
