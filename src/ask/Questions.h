// The questions the rules put through Ui with a rule of their own: the pick
// list and the term window's buttons (the button-choice window, which can
// answer itself, is a PickQuestion in ask/Question.h). The dialogs' other
// logic (ui/Dialogs.h) builds on these.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/Models.h"

namespace orrimar {

struct Game;

// SLIST1.
void PickListClear(PickListModel& list);
void PickListAdd(PickListModel& list, const std::string& text, int tag = 0);
// Opens the pick list on g.windows.Slist1 with the window's limit rule applied.
void ShowPickList(Game& g);
std::vector<TaggedItem> PickListSelection(const PickListModel& list);

// Sets up the term window's question and waits for an answer; an empty
// caption leaves its button hidden. A closed window, or an answer naming a
// button not shown, asks the same question again.
std::string AskTermButtons(Game& g, std::initializer_list<std::string_view> captions);

}  // namespace orrimar
