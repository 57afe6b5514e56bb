// Where the main and term windows stood when last closed, kept between runs
// in a small file of the settings folder, one line a window:
//   Form3=120,80,900,700,0      (left, top, width, height, maximized)
//   SaveFolder=/home/kira/characters/   (where the last save went)
//   SavedName=Kira Dovan|kira-final     (the character, and its file's name)
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

// A text kept in the same file under `key` ("SaveFolder"), "" when none;
// and recording it, keeping the other lines, as WriteWindowPlace does. A
// text holding a line break is not recorded.
inline constexpr const char* SaveFolderKey = "SaveFolder";
inline constexpr const char* SavedNameKey = "SavedName";
std::string ReadPlacesText(const std::string& folder, const std::string& key);
std::string WritePlacesText(const std::string& folder, const std::string& key,
                            const std::string& text);

}  // namespace orrimar
