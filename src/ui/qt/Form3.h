// Form3, the term window: the character's data, skills and history, the
// message log and the six answer buttons.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "model/Models.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QEventLoop;
class QGridLayout;
class QMenuBar;
class QVBoxLayout;
class QDialog;

namespace orrimar {

struct Game;

class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(Game& g);
    void Render();
    // Shows the buttons and waits for one: "1".."5". Throws ProgramExit
    // when the user chose to end the program meanwhile.
    std::string Ask();
    // Presses answer button k (1..5) as a click (or its digit) does.
    void Press(int k);
    // "Exit entire program" and the close box: asks before the character
    // in the window is lost.
    void RequestExit();
    // "Explain...": a window beside this one showing the throws of the year
    // selected in the history list (the latest year's when none is).
    void ShowExplain();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The window's parts, top to bottom.
    void AddMenus(QMenuBar* menuBar);
    void AddCharacterData(QVBoxLayout* outer);
    void AddSkillsAndHistory(QVBoxLayout* outer);
    void AddEvents(QVBoxLayout* outer);
    QGridLayout* AnswerButtons();
    void AddDigitKeys();
    void RenderExplain();
    Game& g_;
    QDialog* explain_ = nullptr;
    QPlainTextEdit* explainText_ = nullptr;
    std::array<QLabel*, 7> labels_{};
    QListWidget* skills_;
    QListWidget* history_;
    QPlainTextEdit* log_;
    std::array<QPushButton*, TermWindowModel::Buttons + 1> buttons_{};
    std::array<QLabel*, TermWindowModel::Buttons + 1> keys_{};  // the digit beside each button
    QEventLoop* waiting_ = nullptr;
    bool exitRequested_ = false;
};

}  // namespace orrimar
