// A data problem the rules meet in play (an assignment no table matches, a
// cascade no file defines): said to the player as always, and kept, so a
// batch, which shows nothing, can report it.
#pragma once

#include <string>

#include "model/Game.h"

namespace orrimar {

inline void DataProblemMet(Game& g, const std::string& text, MsgIcon icon = MsgIcon::None) {
    g.career.ProblemsMet.push_back(text);
    g.ui.Message(text, g.session.AppTitle, icon);
}

}  // namespace orrimar
