#include "batch/Crew.h"

#include <algorithm>

#include "text/Text.h"

namespace orrimar {

std::optional<std::vector<CrewPart>> ParseCrew(std::string_view text, int most,
                                               std::string& problem) {
    std::vector<CrewPart> crew;
    long total = 0;
    for (size_t from = 0;;) {
        const size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view part = text.substr(from, comma - from);
        const size_t colon = part.rfind(':');
        const auto at = [&](size_t offset) {
            return "at character " + std::to_string(from + offset + 1) + ": ";
        };
        if (colon == std::string_view::npos) {
            problem = at(part.size()) + "\":\" and a count expected (such as Navy:2)";
            return std::nullopt;
        }
        CrewPart member{Trim(part.substr(0, colon)), 0};
        if (member.Service.empty()) {
            problem = at(0) + "a service name expected before \":\"";
            return std::nullopt;
        }
        const std::string count = Trim(part.substr(colon + 1));
        if (count.empty() || count.size() > 7 ||
            count.find_first_not_of("0123456789") != std::string::npos || std::stoi(count) < 1) {
            problem = at(colon + 1) + "a count of 1 or more expected";
            return std::nullopt;
        }
        member.Count = std::stoi(count);
        total += member.Count;
        if (total > most) {
            problem = at(colon + 1) + "a crew of at most " + std::to_string(most) + " characters";
            return std::nullopt;
        }
        crew.push_back(std::move(member));
        if (comma == text.size()) return crew;
        from = comma + 1;
    }
}

}  // namespace orrimar
