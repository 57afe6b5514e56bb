// What the rules ask of a year's history: whether anything logged that
// year spoke of training, a route, a command post, a battle, ... Any text
// counts, an assignment named in a data file as much as a special's own
// line, so the words are noted as each text is logged and the rules read
// the note instead of searching the line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orrimar {

enum class YearWord : uint8_t {
    Training,
    Route,
    NoPosition,
    NoPositionLower,  // "No position", which a different skill-table test asks for
    Cmd,
    Staff,
    Posn,
    Raid,
    Battle,
    CtrIns,
    PoliceAction,
    Siege,
    CoinPlus,  // a Droyne's coin drawn in the year: "(+)" or "(-)"
    CoinMinus,
    Count,  // not a word: how many there are
};

inline constexpr std::array<std::string_view, static_cast<size_t>(YearWord::Count)> YearWordTexts{
    "Training", "Route",  "No Position", "No position",   "Cmd",   "Staff", "Posn",
    "Raid",     "Battle", "CtrIns",      "Police Action", "Siege", "(+)",   "(-)"};

inline std::string_view WordText(YearWord word) {
    return YearWordTexts[static_cast<size_t>(word)];
}

class YearFacts {
  public:
    bool Has(YearWord word) const { return (bits_ >> static_cast<unsigned>(word) & 1u) != 0; }
    // Notes the words of `line` that end at or past `from`, where the new
    // text begins: a word begun in the earlier text counts, as it does in
    // the whole line.
    void Note(std::string_view line, size_t from);
    bool operator==(const YearFacts&) const = default;

  private:
    uint16_t bits_ = 0;
};

}  // namespace orrimar
