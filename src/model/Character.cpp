#include "model/Character.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace orrimar {

namespace {

const TermEntry& EmptyTerm() {
    static const TermEntry empty{};
    return empty;
}

// Term numbers past the last term the record holds stay on the last, as
// every caller already keeps within it.
size_t Within(size_t term) {
    return std::min(term, static_cast<size_t>(CharacterRecord::MaxTerm));
}

}  // namespace

TermEntry& TermLogList::operator[](size_t term) {
    term = Within(term);
    if (term >= terms_.size()) terms_.resize(term + 1);
    return terms_[term];
}

const TermEntry& TermLogList::operator[](size_t term) const {
    term = Within(term);
    return term < terms_.size() ? terms_[term] : EmptyTerm();
}

bool TermLogList::operator==(const TermLogList& other) const {
    const size_t longer = std::max(terms_.size(), other.terms_.size());
    for (size_t t = 0; t < longer; ++t)
        if ((*this)[t] != other[t]) return false;
    return true;
}

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
