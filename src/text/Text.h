// The small text rules used everywhere: numbers read from text, the
// "printed as a number" form, case-insensitive comparisons, padding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrimar {

inline const std::string CrLf = "\r\n";

// The numeric value of a text: leading blanks skipped, an optional sign,
// digits (blanks between digits skipped) and an optional decimal fraction;
// reading stops at the first other character; no number gives 0.
double Val(std::string_view text);
// The same reading, with nothing for a text that holds no number at all.
std::optional<double> LeadingNumber(std::string_view text);
// Val brought to the nearest integer, halves to even; clamped to the range
// of the 32-bit fields so a hostile file cannot overflow a count.
int32_t ValInt(std::string_view text);

// Characters from 1-based position `start` on ("" when past the end).
std::string Mid(std::string_view text, size_t start);
std::string Mid(std::string_view text, size_t start, size_t length);
std::string Left(std::string_view text, size_t length);

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
// Trim without a copy: a view into `text`.
inline std::string_view TrimView(std::string_view text) {
    // Most texts are kept trimmed: those are given back unsearched.
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return text;
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}
// Nothing but blanks (or nothing at all): what Trim would leave empty.
inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Letter case is folded for A-Z only, whatever the user's locale: the rules
// compare names the same way on every machine, and fast. Inline, as the
// rules compare service types and names on every event.
inline char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}
inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool Contains(std::string_view text, std::string_view part);
bool ContainsNoCase(std::string_view text, std::string_view part);

// Writes `prefix` then `number` into `text` unless it holds them already:
// for texts settled on every event, which then neither build nor copy.
void SetNumberText(std::string& text, std::string_view prefix, int number);

// Cut or pad with blanks to exactly `width` characters.
std::string Fit(std::string_view text, size_t width);

// A number as the rules print it: a leading blank for zero and positive
// values, the minus sign otherwise, then one trailing blank (" 7 ", "-2 ").
std::string PrintNumber(long long value);
// The same without the trailing blank (" 7", "-2"), as joined into texts.
std::string StrNumber(long long value);
// "#,###,##0": thousands separated by commas.
std::string FormatThousands(long long value);
// Shortest decimal form of a number (6.57 -> "6.57", 1 -> "1").
std::string DecimalText(double value);

// Splits one text at every occurrence of `separator`.
std::vector<std::string> Split(std::string_view text, char separator);

// Comma-delimited items of one line, as a data reader takes them: blanks
// around an item dropped, a quoted item taken up to its closing quote.
std::vector<std::string> DelimitedItems(std::string_view line);

}  // namespace orrimar
