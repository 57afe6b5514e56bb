#include "text/Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace orrimar {

std::optional<double> LeadingNumber(std::string_view text) {
    size_t i = 0;
    const auto blank = [&] { return text[i] == ' ' || text[i] == '\t'; };
    while (i < text.size() && blank()) ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    bool digits = false;
    // Reads a run of digits, skipping blanks between them: the whole part,
    // or the fraction, where each digit is worth a tenth of the last (a
    // flag, not a zero scale: hundreds of decimals bring the scale to zero).
    const auto readDigits = [&](bool fraction) {
        double scale = 0.1;
        for (; i < text.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(text[i]))) {
                const int digit = text[i] - '0';
                if (fraction) {
                    value += digit * scale;
                    scale /= 10;
                } else {
                    value = value * 10 + digit;
                }
                digits = true;
            } else if (!blank()) {
                break;
            }
        }
    };
    readDigits(false);
    if (i < text.size() && text[i] == '.') {
        ++i;
        readDigits(true);
    }
    if (!digits) return std::nullopt;
    return sign * value;
}

double Val(std::string_view text) {
    return LeadingNumber(text).value_or(0);
}

int32_t ValInt(std::string_view text) {
    double v = std::nearbyint(Val(text));  // default rounding: halves to even
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

std::string Mid(std::string_view text, size_t start) {
    if (start < 1 || start > text.size()) return "";
    return std::string(text.substr(start - 1));
}

std::string Mid(std::string_view text, size_t start, size_t length) {
    if (start < 1 || start > text.size()) return "";
    return std::string(text.substr(start - 1, length));
}

std::string Left(std::string_view text, size_t length) {
    return std::string(text.substr(0, std::min(length, text.size())));
}

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string UCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Upper(c);
    return out;
}

std::string LCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Lower(c);
    return out;
}

std::string Trim(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string TrimRight(std::string_view text) {
    size_t e = text.find_last_not_of(' ');
    if (e == std::string_view::npos) return "";
    return std::string(text.substr(0, e + 1));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    if (part.size() > text.size()) return false;
    for (size_t at = 0; at + part.size() <= text.size(); ++at)
        if (EqualsNoCase(text.substr(at, part.size()), part)) return true;
    return false;
}

std::string Fit(std::string_view text, size_t width) {
    std::string out = Left(text, width);
    out.resize(width, ' ');
    return out;
}

std::string StrNumber(long long value) {
    return (value >= 0 ? " " : "") + std::to_string(value);
}

std::string PrintNumber(long long value) {
    return StrNumber(value) + " ";
}

void SetNumberText(std::string& text, std::string_view prefix, int number) {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    const std::string_view written(digits.data(), static_cast<size_t>(end - digits.data()));
    if (text.size() == prefix.size() + written.size() && StartsWith(text, prefix) &&
        std::string_view(text).substr(prefix.size()) == written)
        return;
    text.assign(prefix).append(written);
}

std::string FormatThousands(long long value) {
    const std::string digits = std::to_string(value);
    const size_t sign = value < 0 ? 1 : 0;
    const size_t count = digits.size() - sign;
    std::string out(digits, 0, sign);
    out.reserve(digits.size() + count / 3);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) out += ',';
        out += digits[sign + i];
    }
    return out;
}

std::string DecimalText(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", value);
    return buf;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t pos = text.find(separator, start);
        if (pos == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, pos - start));
        start = pos + 1;
    }
}

std::vector<std::string> DelimitedItems(std::string_view line) {
    std::vector<std::string> items;
    size_t i = 0;
    while (i <= line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        std::string item;
        if (i < line.size() && line[i] == '"') {
            size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) close = line.size();
            item = std::string(line.substr(i + 1, close - i - 1));
            i = close + 1;
            size_t comma = line.find(',', i);
            i = comma == std::string_view::npos ? line.size() + 1 : comma + 1;
        } else {
            size_t comma = line.find(',', i);
            if (comma == std::string_view::npos) {
                item = TrimRight(line.substr(std::min(i, line.size())));
                i = line.size() + 1;
            } else {
                item = TrimRight(line.substr(i, comma - i));
                i = comma + 1;
            }
        }
        items.push_back(item);
    }
    return items;
}

}  // namespace orrimar
