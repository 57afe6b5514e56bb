#include "ask/Questions.h"

#include <algorithm>

#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

void PickListClear(PickListModel& list) {
    list.Items.clear();
    list.Selected.clear();
    list.Current = -1;
}

void PickListAdd(PickListModel& list, const std::string& text, int tag) {
    // The list shows its items sorted by text.
    auto at = std::upper_bound(
        list.Items.begin(), list.Items.end(), text,
        [](const std::string& t, const TaggedItem& item) { return t < item.Text; });
    size_t pos = at - list.Items.begin();
    list.Items.insert(at, {text, tag});
    list.Selected.insert(list.Selected.begin() + pos, false);
}

void ShowPickList(Game& g) {
    auto& list = g.windows.Slist1;
    if (Val(list.MaxText) < 1) list.MaxText = "1";
    if (Val(list.MinText) < 1) list.MinText = "1";
    list.Selected.resize(list.Items.size(), false);
    // The only entry is the choice: it opens selected, so OK takes it.
    if (list.Items.size() == 1) {
        list.Selected[0] = true;
        list.Current = 0;
    }
    g.ui.PickList(g, list);
}

std::vector<TaggedItem> PickListSelection(const PickListModel& list) {
    std::vector<TaggedItem> out;
    for (size_t i = 0; i < list.Items.size(); ++i) {
        if (i < list.Selected.size() && list.Selected[i]) out.push_back(list.Items[i]);
    }
    return out;
}

std::string AskTermButtons(Game& g, std::initializer_list<std::string_view> captions) {
    while (true) {
        int k = 0;
        for (const std::string_view caption : captions) {
            if (++k > TermWindowModel::Buttons) break;
            TermButton& button = g.windows.TermWindow.Button[k];
            button.Caption.assign(caption);
            button.Visible = !caption.empty();
        }
        std::string answer = g.ui.AskTerm(g);
        if (answer.size() == 1 && answer[0] >= '1' && answer[0] < '1' + TermWindowModel::Buttons &&
            g.windows.TermWindow.Button[answer[0] - '0'].Visible)
            return answer;
    }
}

}  // namespace orrimar
