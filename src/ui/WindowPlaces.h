// Where the main and term windows stood when last closed, kept between runs
// in a small file of the settings folder, one line a window:
//   Form3=120,80,900,700,0      (left, top, width, height, maximized)
// A missing or broken file, or a broken line, only means that window opens
// where it always did.
#pragma once

#include <optional>
#include <string>

namespace orrimar {

inline constexpr const char* WindowPlacesFileName = "orrimar-windows.ini";

struct WindowPlace {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
    bool operator==(const WindowPlace&) const = default;
};

// The place recorded for `window` in `folder` (ending in its separator).
std::optional<WindowPlace> ReadWindowPlace(const std::string& folder, const std::string& window);

// Records `window`'s place, keeping the other windows' lines, through an
// atomic write (the folder is made when missing). Returns an empty text on
// success, else what failed.
std::string WriteWindowPlace(const std::string& folder, const std::string& window,
                             const WindowPlace& place);

}  // namespace orrimar
