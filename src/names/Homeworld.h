#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orrimar {

struct Game;

// The homeworld profile text of a finished character.
std::string MakeHomeworld(Game& g, int layout);

// A homeworld profile as codes: the starport's letter and, for each other
// step, the place of its word in that step's table, lowest first (size:
// 0 Asteroid, 1 Small, 2 Medium, 3 Large; HomeworldWords lists them all).
struct HomeworldCodes {
    std::string Starport;
    int Size = 0, Atmosphere = 0, Hydrographics = 0, Population = 0, Law = 0, Tech = 0;
    // One code, as a world's profile is written: starport, size,
    // atmosphere, hydrographics, population, law, "-", tech ("A23213-4").
    std::string Profile() const;
};

// The words of each step after the starport, lowest first.
inline constexpr std::array<std::array<const char*, 5>, 6> HomeworldWords = {{
    {"Asteroid", "Small", "Medium", "Large"},
    {"Vacuum", "Thin", "Standard", "Dense", "Exotic"},
    {"Desert", "Dry", "Wet", "Waterworld"},
    {"Low", "Mod", "High"},
    {"No", "Low", "Mod", "High", "Extreme"},
    {"Pre-inustrial", "Industrial", "Pre-Stellar", "Average Stellar", "High Stellar"},
}};

// The codes of a profile in the one-line form MakeHomeworld writes;
// nothing for any other text (one written by hand, an empty one).
std::optional<HomeworldCodes> ReadHomeworld(std::string_view text);

}  // namespace orrimar
