// A Ui that answers from a recorded career: each question takes the next
// recorded answer, which must be of the question's kind. It shows nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/Ui.h"

namespace orrimar {

// Ends a replay whose answers do not fit the questions asked.
struct ReplayStop {
    std::string Message;
};

class ReplayUi : public Ui {
  public:
    explicit ReplayUi(std::vector<std::pair<std::string, std::string>> answers)
        : answers_(std::move(answers)) {}
    // Answers not used yet.
    size_t Left() const { return answers_.size() - next_; }

    void Message(const std::string&, const std::string&, MsgIcon) override {}
    bool YesNo(const std::string& text, const std::string&, bool, MsgIcon) override;
    std::string InputText(const std::string& prompt, const std::string&,
                          const std::string&) override;
    int PickOne(const std::vector<std::string>& choices, const std::string& title) override;
    void PickList(Game& g, PickListModel& list) override;
    int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) override;
    bool ViewText(TextViewerModel& viewer) override;
    void ShowTermWindow(Game&) override {}
    std::string AskTerm(Game& g) override;
    void RunMainWindow(Game&) override;
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

    // Set before the career: the game whose settings a recorded change sets.
    Game* game = nullptr;

  private:
    // The next answer, which must be of `kind`; a recorded change of the
    // settings before it is made first.
    std::string Next(const std::string& kind, const std::string& question);

    std::vector<std::pair<std::string, std::string>> answers_;
    size_t next_ = 0;
};

}  // namespace orrimar
