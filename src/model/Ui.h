// How the engine asks the user. Every operation blocks until answered,
// like a modal dialog; each face (desktop, terminal, tests) implements it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Models.h"

namespace orrimar {

struct Game;
struct GameState;

// Thrown to end the program in an orderly way ("Exit", a wrong data folder,
// the end of a terminal's input). main() catches it and exits with `Code`.
struct ProgramExit {
    int Code = 0;
};

// Asked before the term window ends the program: the character in it would
// be gone.
inline constexpr const char* ExitCareerQuestion = "Exit and lose this character?";
// Asked instead once the character was saved: nothing is lost.
inline constexpr const char* ExitSavedQuestion = "Exit Orrimar? The character is saved.";

using PickChoices = std::span<const std::string_view>;

// A face draws from the game and answers. A call that only draws gets a
// const view; a window that offers actions of its own (the options from the
// term window or the skill-table chooser, a message from a dialog) is
// handed the game to forward them into the application, never to change
// the rules or the career itself.
class Ui {
  public:
    virtual ~Ui() = default;

    virtual void Message(const std::string& text, const std::string& title, MsgIcon icon) = 0;
    virtual bool YesNo(const std::string& text, const std::string& title, bool defaultYes,
                       MsgIcon icon) = 0;
    // Cancel gives an empty text.
    virtual std::string InputText(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) = 0;
    // The button-choice window: 1..n for the choice, 0 when closed. The
    // choices are views for the call only: a face keeps its own copies.
    virtual int PickOne(PickChoices choices, const std::string& title) = 0;
    // SLIST1: the face fills Selected/Current; Cancel leaves none selected.
    virtual void PickList(Game& g, PickListModel& list) = 0;
    // Form2: the chosen table button 1..10, or 0 to let the dice choose
    // ("Select for me, please!", or the window closed): the rules throw
    // them, so a recorded career throws them again.
    virtual int ChooseSkillTable(Game& g, SkillTableChooserModel& chooser) = 0;
    // SLIST4: true for OK, false for Cancel; the text may have been edited.
    virtual bool ViewText(TextViewerModel& viewer) = 0;

    // Form3: show (modeless) and refresh from g.windows.TermWindow.
    virtual void ShowTermWindow(Game& g) = 0;
    // Form3's answer buttons: "1".."5", or "" when the window was closed;
    // the engine keeps the answer.
    virtual std::string AskTerm(Game& g) = 0;
    // Form1, modal until "Accept" (g.windows.Form1.Accepted).
    virtual void RunMainWindow(Game& g) = 0;
    // Form4, Form5, Form6 and the About window.
    virtual void ShowOptions(Game& g) = 0;
    virtual void ShowPreferredSkills(Game& g) = 0;
    virtual void ShowSaveOptionSet(Game& g) = 0;
    virtual void ShowAbout(Game& g) = 0;

    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
    virtual void OpenPage(const std::string& path) = 0;
    // Shows a finished page (HTML in Latin-1) to read, print or save as PDF;
    // `name` is the PDF's proposed file name without extension, possibly
    // empty. Asks for no name and writes nothing unless the user saves.
    virtual void PreviewPage(const std::string& html, const std::string& name) = 0;
    // The same for a sheet of cards (`cards`: each one's HTML, from `html`),
    // printed several to a page and none split across pages.
    virtual void PreviewCards(const std::string& html, const std::vector<std::string>& cards,
                              const std::string& name) = 0;
    virtual void OpenInEditor(const std::string& path) = 0;
    virtual void Beep() = 0;
    virtual void ShowSplash(const GameState& g) = 0;
    virtual void HideSplash() = 0;
    // Lets the interface repaint after an explicit step.
    virtual void Refresh(const GameState& g) = 0;
    // Whether the face draws the term window's view (a batch does not, so
    // the view is never built for it).
    virtual bool ShowsViews() const { return true; }
};

}  // namespace orrimar
