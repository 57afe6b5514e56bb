#include "session/WindowPlaces.h"

#include <charconv>
#include <vector>

#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Far beyond any screen, near enough that sums of them cannot overflow.
constexpr int Farthest = 1000000;

std::optional<int> Whole(const std::string& text, int lo, int hi) {
    const std::string t = Trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size()) return std::nullopt;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

std::optional<WindowPlace> ParsePlace(const std::string& text) {
    const auto fields = Split(text, ',');
    if (fields.size() != 5) return std::nullopt;
    const auto x = Whole(fields[0], -Farthest, Farthest);
    const auto y = Whole(fields[1], -Farthest, Farthest);
    const auto w = Whole(fields[2], 1, Farthest);
    const auto h = Whole(fields[3], 1, Farthest);
    const auto maximized = Whole(fields[4], 0, 1);
    if (!x || !y || !w || !h || !maximized) return std::nullopt;
    return WindowPlace{*x, *y, *w, *h, *maximized == 1};
}

// The window's name from a line "Name=...", or "" when the line has none.
std::string KeyOf(const std::string& line) {
    const size_t eq = line.find('=');
    return eq == std::string::npos ? "" : Trim(line.substr(0, eq));
}

}  // namespace

std::string ReadPlacesText(const std::string& folder, const std::string& key) {
    const auto lines = ReadLines(folder + WindowPlacesFileName);
    if (!lines) return "";
    for (const auto& line : *lines) {
        if (EqualsNoCase(KeyOf(line), key)) return line.substr(line.find('=') + 1);
    }
    return "";
}

std::string WritePlacesText(const std::string& folder, const std::string& key,
                            const std::string& text) {
    // A line break would split the entry and break the lines after it.
    if (text.find_first_of("\r\n") != std::string::npos)
        return "A text with a line break cannot be kept in " + folder + WindowPlacesFileName + ".";
    std::vector<std::string> lines;
    if (const auto old = ReadLines(folder + WindowPlacesFileName)) {
        for (const auto& line : *old) {
            if (!IsBlank(line) && !EqualsNoCase(KeyOf(line), key)) lines.push_back(line);
        }
    }
    lines.push_back(key + "=" + text);
    MakeFolder(folder);
    return WriteFileAtomic(folder + WindowPlacesFileName, JoinLinesCrLf(lines));
}

std::optional<WindowPlace> ReadWindowPlace(const std::string& folder, const std::string& window) {
    const std::string text = ReadPlacesText(folder, window);
    if (text.empty()) return std::nullopt;
    return ParsePlace(text);
}

std::string WriteWindowPlace(const std::string& folder, const std::string& window,
                             const WindowPlace& place) {
    return WritePlacesText(folder, window,
                           std::to_string(place.X) + "," + std::to_string(place.Y) + "," +
                               std::to_string(place.Width) + "," + std::to_string(place.Height) +
                               "," + (place.Maximized ? "1" : "0"));
}

}  // namespace orrimar
