#include "data/SchoolDigits.h"

#include <cctype>

namespace orrimar {

SchoolDigits::SchoolDigits(std::string_view line, int lineNo) : Line(lineNo), digits_(line) {
    for (char& c : digits_)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '\0';
}

char SchoolDigits::At(int position) const {
    if (position < 1 || static_cast<size_t>(position) > digits_.size()) return '\0';
    return digits_[static_cast<size_t>(position) - 1];
}

}  // namespace orrimar
