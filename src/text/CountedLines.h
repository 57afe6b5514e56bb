// A table of text lines as a data file lists them: lines 1 to Count, at
// most N. The count is a number of its own, not text in the table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace orrimar {

template <size_t N>
struct CountedLines {
    static constexpr int Capacity = static_cast<int>(N);

    int Count = 0;
    std::array<std::string, N + 1> Lines{};  // [0] is not used: lines count from 1

    // The lines held, within the table whatever Count says.
    int Size() const { return std::clamp(Count, 0, Capacity); }
    const std::string& operator[](size_t i) const { return Lines[i]; }
    std::string& operator[](size_t i) { return Lines[i]; }
    bool operator==(const CountedLines&) const = default;
};

}  // namespace orrimar
