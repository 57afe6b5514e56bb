// A mixed crew asked with --crew "Navy:2,Scout:1": how many characters of
// each service one batch makes, in that order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrimar {

struct CrewPart {
    std::string Service;  // part of a service's name, as --service takes it
    int Count = 0;
};

// The parts, or nothing with `problem` naming the fault and its position
// (1 = the first character). At most `most` characters in all.
std::optional<std::vector<CrewPart>> ParseCrew(std::string_view text, int most,
                                               std::string& problem);

}  // namespace orrimar
