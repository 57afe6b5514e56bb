#include "batch/AutoUi.h"

#include "ask/PickList.h"
#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

void AutoUi::Message(const std::string& text, const std::string&, MsgIcon) {
    Messages.push_back(text);
}

int AutoUi::PickOne(PickChoices choices, const std::string& title) {
    if (choices.empty()) return 0;
    if (!game) return 1;
    // Through the rules' dice, as every throw: explained, and from the
    // batch's list of throws when it has one (the same draw otherwise).
    ThrowFor(*game, "a choice: ", title);
    return RollDice(*game, 1, static_cast<int>(choices.size()));
}

void AutoUi::PickList(Game&, PickListModel& list) {
    PickListCancel(list);
}

int AutoUi::ChooseSkillTable(Game&, SkillTableChooserModel&) {
    return 0;  // the dice choose
}

std::string AutoUi::AskTerm(Game& g) {
    const auto& w = g.windows.TermWindow;
    std::string answer = "1";
    if (w.Button[1].Caption == "Re-enlist") {
        const int served = g.career.Character.CurTerm - 1;
        answer = g.career.ReenlistFailed || served >= TargetTerms ? "3" : "1";
    } else if (w.Button[1].Caption == "Financial table") {
        answer = w.Button[3].Visible ? "3" : w.Button[1].Visible ? "1" : "2";
    } else {
        for (int k = 1; k <= TermWindowModel::Buttons; ++k) {
            if (w.Button[k].Visible) {
                answer = std::to_string(k);
                break;
            }
        }
    }
    return answer;
}

void AutoUi::RunMainWindow(Game& g) {
    g.windows.Form1.Accepted = true;
}

}  // namespace orrimar
