// The history log and the character display of the term window.
#pragma once

#include <string>

namespace orrimar {

struct Game;

// The current year's history line (term and year kept within the log).
const std::string& CurrentYearLine(const Game& g);
// Appends a text (and one blank) to the current year's history line, and
// writes it to the message log.
void AddHistory(Game& g, const std::string& text);
void ShowHistory(Game& g);
void ShowSkills(Game& g);
// Logs the text (when not blank) and rebuilds every character field.
void ShowCharacter(Game& g, const std::string& text);
// Money and material benefits, appended to the term window's prompt line.
void ShowMoney(Game& g);
// Empties the prompt line, hides the five answer buttons, empties the answer.
void ClearTermWindow(Game& g);

}  // namespace orrimar
