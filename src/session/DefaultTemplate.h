#pragma once

#include <string>
#include <vector>

namespace orrimar {

// The sample resume template written into templates/ when it is missing.
std::vector<std::string> DefaultTemplateLines();

}  // namespace orrimar
