// The desktop's statistics window: it asks what to play, shows the run's
// progress with Cancel while the careers are played on a thread of their
// own, then draws the figures as charts and lists them in a table. What it
// shows comes from the core (ui/StatsWindow.h).
#pragma once

#include <QDialog>

#include "ui/StatsWindow.h"

class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QTimer;

namespace orrimar {

class StatsDialog : public QDialog {
    Q_OBJECT
  public:
    StatsDialog(QWidget* parent, StatsWindowModel& model);
    void Render();

  protected:
    // Closing stops a run under way.
    void reject() override;

  private:
    template <typename F>
    void Act(F&& action);
    // The charts and table of the group chosen, and the outcomes of all.
    void ShowResults();
    void ShowGroup(int group);

    StatsWindowModel& m_;
    bool rendering_ = false;
    int shownFor_ = -1;  // the state whose results are on show
    QComboBox* race_;
    QComboBox* service_;
    QSpinBox* count_;
    QPushButton* run_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* status_;
    QComboBox* group_;
    QTabWidget* tabs_;
    QChartView* charts_[4];
    QChartView* outcomes_;
    QTableWidget* table_;
    QPushButton* save_;
    QTimer* timer_;
};

}  // namespace orrimar
