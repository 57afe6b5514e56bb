// Recording a career as it is played, so it can be made again: the seed
// at "Accept", then every answer in order.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct PickListModel;

// At "Accept": a fresh seed for the dice, and the character, lists and
// settings the career starts from.
void BeginRecipe(Game& g);

// The options, preferred skills and "Roll my own dice" as one text, and
// setting them from it (false when the text cannot be read).
std::string SettingsText(const Game& g);
bool ApplySettingsText(Game& g, const std::string& text);

// Keeps an answer of kind `kind` ("yesno", "text", "pick", "list",
// "table", "view", "term") while a career is recorded; settings changed
// since the last answer are kept first, as a "settings" entry.
void RecordAnswer(Game& g, const std::string& kind, const std::string& answer);

// A pick list's answer as text ("2,5|3": the selected rows, then the
// current row), and back.
std::string PickListAnswer(const PickListModel& list);
bool ApplyPickListAnswer(PickListModel& list, const std::string& answer);

}  // namespace orrimar
