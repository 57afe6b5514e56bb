// What statistics count in a career that the record does not keep.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/Character.h"

namespace orrimar {

// The special-assignment tables and school files a career entered, in
// order, and what aging took from each characteristic.
struct CareerWatch {
    std::vector<std::string> Tables;
    std::vector<std::string> Schools;
    std::array<int, CharacterRecord::MaxStats + 1> AgingLoss{};
    void Clear() {
        Tables.clear();
        Schools.clear();
        AgingLoss.fill(0);
    }
};

}  // namespace orrimar
