// A Ui that answers by itself, for batch generation. A batch turns automatic
// generation on, so the questions that can answer themselves (ask/Question.h)
// do so before they reach a face; this policy answers the rest:
// - yes/no questions: No (psionic testing declined, a skill over 6 kept);
// - text input: the proposed text; pick-one: a throw of the dice;
// - the skill-table chooser: a throw of the dice;
// - end of term: re-enlist until the target term is done or re-enlistment
//   fails, then muster out;
// - mustering out: "Take 3 cash" (the cash and material rolls), else the
//   first table shown;
// - any other term-window question (a bad wound, a court martial): button 1.
// Messages are kept, not shown; a page preview shows nothing.
#pragma once

#include <string>
#include <vector>

#include "batch/SilentUi.h"

namespace orrimar {

class AutoUi : public SilentUi {
  public:
    int TargetTerms = 7;
    std::vector<std::string> Messages;

    void Message(const std::string& text, const std::string& title, MsgIcon icon) override;
    bool YesNo(const std::string&, const std::string&, bool, MsgIcon) override { return false; }
    std::string InputText(const std::string&, const std::string&,
                          const std::string& defaultText) override {
        return defaultText;
    }
    int PickOne(PickChoices choices, const std::string& title) override;
    void PickList(Game& g, PickListModel& list) override;
    int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) override;
    bool ViewText(TextViewerModel&) override { return true; }
    std::string AskTerm(Game& g) override;
    void RunMainWindow(Game& g) override;

    // Set by the batch before each character: its dice for the answers
    // that are thrown.
    Game* game = nullptr;
};

}  // namespace orrimar
