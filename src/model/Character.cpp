#include "model/Character.h"

#include <cctype>
#include <cstring>

namespace orrimar {

std::string HexDigit(int value) {
    if (value <= 0) return "0";
    if (value > 32) return "-99";
    return std::string(1, ExtHexDigits[value - 1]);
}

int ExtHexValue(char digit) {
    char up = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    if (up == '\0') return -99;
    const char* pos = std::strchr(ExtHexDigits, up);
    return pos ? static_cast<int>(pos - ExtHexDigits) + 1 : -99;
}

}  // namespace orrimar
