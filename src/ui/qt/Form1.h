// Form1, the main window: race, service and branch, the rolled
// characteristics with their gauges, and the menus.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QMenu;
class QAction;

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
    QAction* testPlan_;
};

}  // namespace orrimar
