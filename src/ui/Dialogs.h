// The logic of the choice dialogs, shared by both faces.
#pragma once

#include <string>
#include <vector>

#include "ui/Models.h"

namespace orrimar {

struct Game;

// The button-choice window: splits `choices` at every "/", asks (or, with
// the one-call automatic switch set, throws for) one of them, and sets
// PickIndex and PickText. Returns PickIndex; 0 when the window was closed.
int PickOne(Game& g, const std::string& choices, const std::string& title);

// SLIST1.
void PickListClear(PickListModel& list);
void PickListAdd(PickListModel& list, const std::string& text, int tag = 0);
// The message OK gives, or "" when the window may close.
std::string PickListOkCheck(const PickListModel& list);
void PickListCancel(PickListModel& list);
void PickListAll(PickListModel& list);
void PickListNone(PickListModel& list);
void PickListMatchMark(PickListModel& list, const std::string& text);
// Opens the pick list on g.Slist1 with the window's limit rule applied.
void ShowPickList(Game& g);
std::vector<TaggedItem> PickListSelection(const PickListModel& list);

// Form2: the panel shown while the pointer is over table button k.
std::string SkillTableHoverText(const Game& g, int button);

// SLIST4's F5 stamp: two blanks, "dd/mmm/yyyy hh:nn" and ": ".
std::string DateTimeStamp();
// Words wrapped to `width` characters, as the viewer prints them.
std::vector<std::string> WrapWords(const std::string& text, size_t width);

// The term window's "Message log": numbered lines of the log.
void ShowMessageLog(Game& g);

}  // namespace orrimar
