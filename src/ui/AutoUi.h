// A Ui that answers by itself, for batch generation. Its answer policy:
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

#include "ui/Ui.h"

namespace orrimar {

class AutoUi : public Ui {
  public:
    int TargetTerms = 7;
    std::vector<std::string> Messages;

    void Message(const std::string& text, const std::string& title, MsgIcon icon) override;
    bool YesNo(const std::string&, const std::string&, bool, MsgIcon) override { return false; }
    std::string InputText(const std::string&, const std::string&,
                          const std::string& defaultText) override {
        return defaultText;
    }
    int PickOne(const std::vector<std::string>& choices, const std::string& title) override;
    void PickList(Game& g, PickListModel& list) override;
    int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) override;
    bool ViewText(TextViewerModel&) override { return true; }
    void ShowTermWindow(Game&) override {}
    std::string AskTerm(Game& g) override;
    void RunMainWindow(Game& g) override;
    void ShowOptions(Game&) override {}
    void ShowPreferredSkills(Game&) override {}
    void ShowSaveOptionSet(Game&) override {}
    void ShowAbout(Game&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    void OpenPage(const std::string&) override {}
    void PreviewPage(const std::string&, const std::string&) override {}
    void OpenInEditor(const std::string&) override {}
    void Beep() override {}
    void ShowSplash(Game&) override {}
    void HideSplash() override {}
    void Refresh(Game&) override {}
    bool ShowsViews() const override { return false; }

    // Set by the batch before each character: its dice for the answers
    // that are thrown.
    Game* game = nullptr;
};

}  // namespace orrimar
