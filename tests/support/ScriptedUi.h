// Test doubles: a Ui that answers from a queue and records what it was
// shown, and dice that throw the faces they are given.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Dice.h"
#include "model/Ui.h"

namespace orrimar {

struct ScriptExhausted : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptedDice : public Dice {
  public:
    void Push(std::initializer_list<int> faces) { faces_.insert(faces_.end(), faces); }
    void Push(int face) { faces_.push_back(face); }
    int Roll(int sides) override;
    size_t Left() const { return faces_.size(); }
    // With a fallback, an empty queue throws seeded random faces instead of
    // failing: for set-up steps whose throws a test does not care about.
    void SetFallback(bool on) { fallback_ = on; }
    int Thrown() const { return thrown_; }

  private:
    std::deque<int> faces_;
    int thrown_ = 0;
    bool fallback_ = false;
    SeededDice random_{12345};
};

// Each question takes the next answer of the script:
//  YesNo "Y"/"N"; InputText the text ("<cancel>" cancels); PickOne, AskTerm,
//  ChooseSkillTable a number (0 or "" closes); PickList the item numbers
//  (1-based, in list order) separated by blanks, or "<cancel>";
//  OpenFileDialog/SaveFileDialog a path ("<cancel>" cancels); ViewText "OK"/"Cancel".
class ScriptedUi : public Ui {
  public:
    struct Shown {
        std::string Kind;  // "message", "yesno", "input", "pickone", ...
        std::string Text;
        std::string Title;
    };

    void Answer(std::initializer_list<std::string> answers) {
        answers_.insert(answers_.end(), answers);
    }
    void Answer(const std::string& answer) { answers_.push_back(answer); }
    size_t AnswersLeft() const { return answers_.size(); }

    std::vector<Shown> shown;
    std::vector<std::string> messages;  // message texts only, in order
    std::vector<std::string> editorOpened;
    std::vector<std::string> pagesOpened;
    int termAsks = 0;
    // Called for each main-window visit; without one, the visit ends the program.
    std::function<void(Game&)> onMainWindow;

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
    void OpenPage(const std::string& path) override { pagesOpened.push_back(path); }
    // Recorded as shown ("preview", the page, the name); answers nothing.
    void PreviewPage(const std::string& html, const std::string& name) override {
        shown.push_back({"preview", html, name});
    }
    void PreviewCards(const std::string& html, const std::vector<std::string>&,
                      const std::string& name) override {
        shown.push_back({"preview", html, name});
    }
    void OpenInEditor(const std::string& path) override { editorOpened.push_back(path); }
    void Beep() override {}
    void ShowSplash(const GameState&) override {}
    void HideSplash() override {}
    void Refresh(const GameState&) override {}

    bool SawMessage(const std::string& part) const;

  private:
    std::string Next(const std::string& what);
    std::deque<std::string> answers_;
};

}  // namespace orrimar
