// The logic of the choice dialogs, shared by both faces; what the rules
// ask through them is in ask/Questions.h.
#pragma once

#include <string>
#include <vector>

#include "ask/PickList.h"
#include "ask/Questions.h"
#include "model/Models.h"

namespace orrimar {

struct Game;

// Form2: the panel shown while the pointer is over table button k.
std::string SkillTableHoverText(const Game& g, int button);

// SLIST4's F5 stamp: two blanks, "dd/mmm/yyyy hh:nn" and ": ".
std::string DateTimeStamp();
// Words wrapped to `width` characters, as the viewer prints them.
std::vector<std::string> WrapWords(const std::string& text, size_t width);

// The term window's "Message log": numbered lines of the log.
void ShowMessageLog(Game& g);

}  // namespace orrimar
