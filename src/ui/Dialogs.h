// The logic of the choice dialogs, shared by both faces; what the rules
// ask through them is in ask/Questions.h.
#pragma once

#include <string>
#include <vector>

#include "ask/Models.h"
#include "ask/Questions.h"

namespace orrimar {

struct Game;

// SLIST1's buttons.
// The message OK gives, or "" when the window may close.
std::string PickListOkCheck(const PickListModel& list);
void PickListCancel(PickListModel& list);
void PickListAll(PickListModel& list);
void PickListNone(PickListModel& list);
void PickListMatchMark(PickListModel& list, const std::string& text);

// Form2: the panel shown while the pointer is over table button k.
std::string SkillTableHoverText(const Game& g, int button);

// SLIST4's F5 stamp: two blanks, "dd/mmm/yyyy hh:nn" and ": ".
std::string DateTimeStamp();
// Words wrapped to `width` characters, as the viewer prints them.
std::vector<std::string> WrapWords(const std::string& text, size_t width);

// The term window's "Message log": numbered lines of the log.
void ShowMessageLog(Game& g);

}  // namespace orrimar
