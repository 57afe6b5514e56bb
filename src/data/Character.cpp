#include "data/Character.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

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

void TermEntry::Log(size_t year, std::string_view text) {
    std::string& line = lines_[year];
    const size_t from = line.size();
    line += text;
    line += ' ';
    facts_[year].Note(line, from);
}

void TermEntry::SetLine(size_t year, std::string text) {
    lines_[year] = std::move(text);
    facts_[year] = {};
    facts_[year].Note(lines_[year], 0);
}

void TermEntry::Clear() {
    Title.clear();
    for (std::string& line : lines_) line.clear();
    facts_ = {};
}

TermLogList::TermLogList(const TermLogList& other)
    : terms_(other.terms_.begin(), other.terms_.begin() + static_cast<std::ptrdiff_t>(other.used_)),
      used_(other.used_) {}

TermLogList& TermLogList::operator=(const TermLogList& other) {
    if (this == &other) return *this;
    if (terms_.size() < other.used_) terms_.resize(other.used_);
    // Assigned in place, the texts keep their room.
    for (size_t t = 0; t < other.used_; ++t) terms_[t] = other.terms_[t];
    for (size_t t = other.used_; t < used_; ++t) terms_[t].Clear();
    used_ = other.used_;
    return *this;
}

TermLogList::TermLogList(TermLogList&& other) noexcept
    : terms_(std::move(other.terms_)), used_(std::exchange(other.used_, 0)) {}

TermLogList& TermLogList::operator=(TermLogList&& other) noexcept {
    if (this == &other) return *this;
    terms_ = std::move(other.terms_);
    used_ = std::exchange(other.used_, 0);
    other.terms_.clear();
    return *this;
}

TermEntry& TermLogList::operator[](size_t term) {
    term = Within(term);
    if (term >= terms_.size()) terms_.resize(term + 1);
    used_ = std::max(used_, term + 1);
    return terms_[term];
}

const TermEntry& TermLogList::operator[](size_t term) const {
    term = Within(term);
    return term < used_ ? terms_[term] : EmptyTerm();
}

bool TermLogList::operator==(const TermLogList& other) const {
    const size_t longer = std::max(used_, other.used_);
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
