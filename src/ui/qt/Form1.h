// Form1, the main window: race, service and branch, the rolled
// characteristics with their gauges, and the menus.
#pragma once

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

#include "ui/Menus.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QMenu;
class QAction;
class QFrame;
class QHBoxLayout;
class QMenuBar;
class QVBoxLayout;

namespace orrimar {

struct Game;

class Form1 : public QDialog {
    Q_OBJECT
  public:
    explicit Form1(Game& g);
    // Rebuilds every control from the model.
    void Render();
    bool ExitRequested() const { return exitRequested_; }
    void ClearExit() { exitRequested_ = false; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The window's parts, top to bottom.
    void AddMenus(QMenuBar* menuBar);
    void AddVilaniMenu(QMenu* menu);
    void AddShowMenu(QMenu* show);
    void AddHeading(QVBoxLayout* layout);
    void AddLists(QVBoxLayout* layout);
    void AddStatistics(QVBoxLayout* layout);
    QFrame* StatsSheet();
    QHBoxLayout* Vitals();
    void AddButtons(QVBoxLayout* layout);
    void FitOnScreen(QVBoxLayout* layout, QMenuBar* menuBar);
    // What a menu entry does here.
    void Run(MenuAction action);
    void Accept();
    template <typename F>
    void Act(F&& action);

    Game& g_;
    bool exitRequested_ = false;
    bool rendering_ = false;
    QComboBox* combo1_;
    QComboBox* combo2_;
    QComboBox* combo3_;
    std::array<QLabel*, 3> listLabels_{};
    QLabel* statsLabel_;
    QLabel* panel_;
    QLabel* hits_;
    QLabel* tlLabel_;
    QLabel* tl_;
    std::array<QProgressBar*, 11> gauges_{};
    QPushButton* accept_;
    QMenu* optionSets_;
    QMenu* vilani_;
    std::array<QAction*, 6> vilaniActions_{};
    // The entries offered only at times, and when.
    std::vector<std::pair<QAction*, bool (*)()>> offered_;
};

}  // namespace orrimar
