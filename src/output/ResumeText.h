// The texts both resume layouts and the transfer file are built from.
// They are raw: HTML writers escape them where they put them on a page.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orrimar {

struct Game;
struct CareerPart;

// Text made safe to stand inside HTML markup or an attribute value.
std::string HtmlEscape(std::string_view text);
// The same added to the end of `out`.
void AppendHtmlEscaped(std::string& out, std::string_view text);

// A file-name stem: upper case, only A-Z, 0-9 and "-", at most 8 characters.
std::string SafeFileName(std::string_view text);

// Benefits, caste, homeworld, Vilani blood, the latent psionic rating (a
// 2D6 throw the first time, kept with the character) and the hand-entered
// mark.
std::string CharacterNotes(Game& g);

// "Name-level" entries joined by ", ", highest level first.
std::string SkillText(const CareerPart& career);

// The decorations the character holds: the wound award, then the three
// classes the service awards, each with its count.
std::vector<std::pair<std::string, int>> MedalEntries(const Game& g);
// Each entry as name, " x", count and a blank, joined.
std::string MedalText(const Game& g);

// The captions of the options 1..10 that are on, each followed by a blank.
std::string SwitchesText(const CareerPart& career);

// The rank index kept inside the rank table, and its code and name.
int RankIndex(const CareerPart& career);
std::string RankCodeText(const Game& g);  // four characters, blank-padded
std::string RankNameText(const Game& g);

// One term of the history as both layouts print it: the year lines run
// over the whole term for finished terms and up to the current year for
// the current one.
struct HistoryTerm {
    int Term = 0;
    std::string Title;
    std::vector<std::string> Years;  // year y at index y-1
};
std::vector<HistoryTerm> HistoryTerms(const Game& g);

// The "|HISTORY|" value: one table, with a line end only after its opening tag.
std::string HistoryTableHtml(const Game& g);

}  // namespace orrimar
