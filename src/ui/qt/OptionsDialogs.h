// Form4 (options), Form5 (preferred skills) and Form6 (save option set) of
// the desktop face. Their logic lives in the core (ui/OptionsWindow.h).
#pragma once

#include <QDialog>
#include <array>

#include "ui/OptionsWindow.h"

class QCheckBox;
class QLabel;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orrimar {

struct Game;

// The window a nested dialog should stand over: the open modal one, if any.
QWidget* DialogParent(QWidget* fallback);

class Form4 : public QDialog {
    Q_OBJECT
  public:
    Form4(QWidget* parent, Game& g, OptionsWindowModel& model);
    void Render();

  protected:
    // The close box leaves as "Done" does, so the display follows the options.
    void reject() override;

  private:
    template <typename F>
    void Act(F&& action);

    Game& g_;
    OptionsWindowModel& m_;
    bool rendering_ = false;
    std::array<QCheckBox*, OptionsWindowModel::Boxes> boxes_{};
    QLabel* ranksCaption_;
    QListWidget* ranks_;
    QLabel* ranksNote_;
};

class Form5 : public QDialog {
    Q_OBJECT
  public:
    Form5(QWidget* parent, Game& g, PreferredSkillsModel& model);
    void Render();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    template <typename F>
    void Act(F&& action);

    Game& g_;
    PreferredSkillsModel& m_;
    bool rendering_ = false;
    QListWidget* list_;
    QGroupBox* panel_;
    QLineEdit* name_;
    QLineEdit* level_;
    QListWidget* suggestions_;
};

class Form6 : public QDialog {
    Q_OBJECT
  public:
    Form6(QWidget* parent, Game& g);
    void Render();

  private:
    Game& g_;
    std::array<QPushButton*, 5> slots_{};  // 1..4
};

}  // namespace orrimar
