// The desktop face: the Ui operations as modal Qt dialogs.
#pragma once

#include <QString>
#include <memory>

#include "model/Ui.h"

class QWidget;
class QSplashScreen;

namespace orrimar {

class Form1;
class Form3;

class QtUi : public Ui {
  public:
    QtUi();
    ~QtUi() override;

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

    // The windows, for tests that click them.
    Form1* MainWindow() const { return form1_.get(); }
    Form3* TermWindow() const { return form3_.get(); }
    // The window dialogs should stand over.
    QWidget* Parent() const;

  private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<QSplashScreen> splash_;
};

// Qt text from the program's Latin-1 bytes, and back.
QString Q(const std::string& text);
std::string S(const QString& text);

// Runs a model action from a slot: an orderly end of the program thrown by
// the engine cannot cross Qt's event loop, so it ends the process here.
template <typename F>
void Guarded(F&& action);

}  // namespace orrimar

#include "ui/qt/QtUi.inl"
