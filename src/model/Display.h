// The history log and the character display of the term window.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

struct Game;
struct WindowsPart;
struct CareerPart;
class YearFacts;

// The current year's history line (term and year kept within the log).
const std::string& CurrentYearLine(const CareerPart& career);
// The words the rules ask of the current year's line (see data/YearFacts.h).
const YearFacts& CurrentYearFacts(const CareerPart& career);
// Appends a text (and one blank) to the current year's history line, and
// writes it to the message log.
void AddHistory(Game& g, std::string_view text);
// The history, the skills, the character changed: the term window's view
// is out of date. ShowCharacter also logs the text (when not blank) and
// settles what the display settles on the record (hit points, the rank of
// race 8, the code of a merchant's rank 0).
void ShowHistory(WindowsPart& windows);
void ShowSkills(WindowsPart& windows);
void ShowCharacter(Game& g, std::string_view text);
// Builds the term window's character lines, skill list and history from the
// character when they are out of date; true when it built them. Faces call
// it (through the Ui every question passes) just before they draw, so a
// batch that draws nothing never builds them.
bool BuildTermView(Game& g);
// Money and material benefits, appended to the term window's prompt line.
void ShowMoney(Game& g);
// Empties the prompt line, hides the five answer buttons, empties the answer.
void ClearTermWindow(WindowsPart& windows);

}  // namespace orrimar
