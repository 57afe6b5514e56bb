// A service's [SCHOOL] line, read once when the branch is loaded.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

// The character naming the school file of each throw (1-based), kept only
// where it is a letter or a digit so that a name made from it never leaves
// the data folder, and the line after "[SCHOOL]" (1-based; 0 without one).
class SchoolDigits {
  public:
    SchoolDigits() = default;
    explicit SchoolDigits(std::string_view line, int lineNo = 0);

    // The letter or digit at `position`; '\0' where the line has none.
    char At(int position) const;
    int Line = 0;

    bool operator==(const SchoolDigits&) const = default;

  private:
    std::string digits_;  // '\0' for a character that is neither
};

}  // namespace orrimar
