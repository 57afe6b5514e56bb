// The terminal face: every question printed with numbered answers and read
// from an input stream, so a whole session can be scripted.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/Ui.h"
#include "ui/Menus.h"

namespace orrimar {

// The exit status when the input ends while a question waits for its answer.
constexpr int EndOfInputStatus = 3;

class ConsoleUi : public Ui {
  public:
    ConsoleUi(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
    // --yes: an existing file is replaced without asking.
    void AssumeYes(bool yes) { assumeYes_ = yes; }
    // The terminal's size, and whether long output waits for a key after
    // each screenful (only for a person at a terminal, never for a script).
    void SetScreen(int columns, int lines, bool paging) {
        columns_ = columns > 0 ? static_cast<size_t>(columns) : 80;
        lines_ = lines > 0 ? static_cast<size_t>(lines) : 24;
        paging_ = paging;
    }

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
    // The sheet as the preview shows a page: the terminal prints no pages.
    void PreviewCards(const std::string& html, const std::vector<std::string>&,
                      const std::string& name) override {
        PreviewPage(html, name);
    }
    void OpenInEditor(const std::string& path) override;
    void Beep() override;
    void ShowSplash(const GameState& g) override;
    void HideSplash() override {}
    // Prints the events logged since the last print, so they stand above
    // the next question rather than wait for the next term-window prompt.
    void Refresh(const GameState& g) override;

  private:
    // Reads one line; the end of input ends the program with
    // EndOfInputStatus, saying which question was waiting.
    std::string ReadLine();
    // Names the question now asked, for that message.
    void Asking(const std::string& question);
    // Asks for a number 1..count (0 allowed when `allowZero`), again on a wrong answer.
    int AskNumber(int count, bool allowZero, const std::string& zeroMeaning = "");
    // Prints `text` wrapped to the terminal's width, and a line end.
    void Say(const std::string& text);
    void PrintTitle(const std::string& title);
    // Lists a main-window list under `title` and asks for an entry; -1 when
    // it is empty.
    int ChooseEntry(const ChoiceList& list, const std::string& title, const char* what);
    // The main menu's entries the terminal does its own way.
    void RunMainMenuEntry(Game& g, MenuAction action);
    void ChooseVilaniLevel(Game& g);
    void ChooseOptionSet(Game& g);
    // "Show...": the listings, numbered.
    void ChooseListing(Game& g);
    // Show > Statistics: asks what to play, prints the figures' table and
    // offers to save the report (ConsoleStats.cpp).
    void ShowStatistics(Game& g);
    void PrintTermWindow(Game& g);
    // The term window's messages not yet printed.
    void PrintNewLog(const GameState& g);
    // The term window's question and its numbered buttons.
    void PrintTermQuestion(Game& g);
    // Lines printed a screenful at a time when paging, else all at once.
    void PrintPaged(const std::vector<std::string>& lines);
    // Numbered entries (1..n, `current` marked) in columns to the width.
    void PrintNumbered(const std::vector<std::string>& texts, int current);

    std::istream& in_;
    std::ostream& out_;
    size_t logShown_ = 0;  // how much of the message log is already printed
    std::string asked_;    // the question waiting for an answer
    bool assumeYes_ = false;
    size_t columns_ = 80;
    size_t lines_ = 24;
    bool paging_ = false;
    std::vector<std::string> tableCaptions_;  // the skill tables offered last
};

}  // namespace orrimar
