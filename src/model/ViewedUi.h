// The Ui the engine asks through: every question goes on to the face, with
// the term window's view brought up to date first, so the face shows what
// the engine has just done before it waits for an answer. While a career
// is recorded, every answer is kept in order.
#pragma once

#include "model/Ui.h"

namespace orrimar {

class ViewedUi : public Ui {
  public:
    ViewedUi(Ui& face, Game& game) : face_(face), game_(game) {}
    Ui& Face() const { return face_; }

    void Message(const std::string& text, const std::string& title, MsgIcon icon) override;
    bool YesNo(const std::string& text, const std::string& title, bool defaultYes,
               MsgIcon icon) override;
    std::string InputText(const std::string& prompt, const std::string& title,
                          const std::string& defaultText) override;
    int PickOne(PickChoices choices, const std::string& title) override;
    void PickList(Game& g, PickListModel& list) override;
    int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) override;
    bool ViewText(TextViewerModel& viewer) override;
    void ShowTermWindow(Game& g) override;
    std::string AskTerm(Game& g) override;
    void RunMainWindow(Game& g) override;
    void ShowOptions(Game& g) override;
    void ShowPreferredSkills(Game& g) override;
    void ShowSaveOptionSet(Game& g) override;
    void ShowAbout(Game& g) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    void OpenPage(const std::string& path) override;
    void PreviewPage(const std::string& html, const std::string& name) override;
    void PreviewCards(const std::string& html, const std::vector<std::string>& cards,
                      const std::string& name) override;
    void OpenInEditor(const std::string& path) override;
    void Beep() override;
    void ShowSplash(const GameState& g) override;
    void HideSplash() override;
    void Refresh(const GameState& g) override;
    // Asked on every change to the character; a face's answer is its kind's
    // and never changes, so it is asked once.
    bool ShowsViews() const override {
        if (shows_ < 0) shows_ = face_.ShowsViews() ? 1 : 0;
        return shows_ == 1;
    }

  private:
    // Builds the view when it is out of date and lets the face redraw it.
    void BeforeQuestion();

    Ui& face_;
    Game& game_;
    mutable int shows_ = -1;
};

}  // namespace orrimar
