// A count and its noun as a batch's messages and pages say them.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

// In the singular for one: "1 character", "3 characters".
inline std::string CountOf(long long count, std::string_view noun) {
    std::string text = std::to_string(count) + " ";
    text += noun;
    if (count != 1) text += "s";
    return text;
}

}  // namespace orrimar
