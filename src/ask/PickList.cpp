#include "ask/PickList.h"

#include <algorithm>

#include "text/Text.h"

namespace orrimar {

std::string PickListOkCheck(const PickListModel& list) {
    const long c = std::count(list.Selected.begin(), list.Selected.end(), true);
    if (c == 0) return "No items selected";
    if (c > Val(list.MaxText)) return "Too many items selected; limit is " + list.MaxText;
    if (c < Val(list.MinText)) return "Too few items selected; minimum is " + list.MinText;
    return "";
}

void PickListCancel(PickListModel& list) {
    PickListNone(list);
}

void PickListAll(PickListModel& list) {
    std::fill(list.Selected.begin(), list.Selected.end(), true);
}

void PickListNone(PickListModel& list) {
    std::fill(list.Selected.begin(), list.Selected.end(), false);
    list.Current = -1;
}

void PickListMatchMark(PickListModel& list, const std::string& text) {
    if (text.empty()) return;
    for (size_t i = 0; i < list.Items.size(); ++i) {
        if (ContainsNoCase(list.Items[i].Text, text)) list.Selected[i] = true;
    }
}

}  // namespace orrimar
