// The pick list's buttons, the same in both faces.
#pragma once

#include <string>

#include "model/Models.h"

namespace orrimar {

// SLIST1's buttons.
// The message OK gives, or "" when the window may close.
std::string PickListOkCheck(const PickListModel& list);
void PickListCancel(PickListModel& list);
void PickListAll(PickListModel& list);
void PickListNone(PickListModel& list);
void PickListMatchMark(PickListModel& list, const std::string& text);

}  // namespace orrimar
