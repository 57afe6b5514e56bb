// The statistics window plays what it is asked on a thread of its own: its
// charts and table give the figures the same question gives the core, and
// Cancel ends a long run at once, showing nothing of it.
#include <QtCharts>

#include "DesktopTest.h"
#include "batch/Batch.h"
#include "stats/StatsOutput.h"

class StatsWindowTest : public DesktopTest {
    Q_OBJECT

  public:
    StatsWindowTest() : DesktopTest(5) {}

  private:
    // Waits, the window's loop running, until the run has ended.
    static bool Ended(StatsWindowModel& m, int ms) {
        return QTest::qWaitFor([&] { return m.Now() != StatsWindowModel::State::Running; }, ms);
    }

  private slots:
    void initTestCase() {
        Start();
        QVERIFY(LoadSampleData("Imperial", "Imperial Navy"));
    }

    void aSmallRunShowsTheFiguresTheCoreCounts() {
        StatsWindowModel model(g);
        StatsDialog dialog(nullptr, model);
        dialog.show();
        // The main window's race and service are the ones asked about.
        QCOMPARE(dialog.findChild<QComboBox*>("statsRace")->currentText(),
                 Q(g.windows.RaceList.Current()->Display));
        QCOMPARE(dialog.findChild<QComboBox*>("statsService")->currentText(),
                 QString("Imperial Navy"));
        dialog.findChild<QSpinBox*>("statsCount")->setValue(200);
        QTest::mouseClick(Button(&dialog, "statsRun"), Qt::LeftButton);
        QVERIFY(Ended(model, 60000));
        QCOMPARE(model.Now(), StatsWindowModel::State::Done);
        QVERIFY(Button(&dialog, "statsSave")->isEnabled());

        BatchOptions asked;
        std::tie(asked.DataDir, asked.Race, asked.Service, asked.Count, asked.Seed) =
            std::tuple(g.session.DataLoc, g.windows.RaceList.Current()->Key,
                       g.windows.ServiceList.Current()->Key, 200, 1);
        StatsRun expected;
        QCOMPARE(QString::fromStdString(PlayStats(asked, expected)), QString());
        QCOMPARE(expected.Groups.size(), size_t{1});
        const GroupSummary& s = expected.Groups[0];
        QVERIFY(s.Ranks.Labels.size() > 1);

        QChart* rank = dialog.findChild<QChartView*>("rankChart")->chart();
        const auto* series = qobject_cast<QAbstractBarSeries*>(rank->series().at(0));
        const auto* names = qobject_cast<QBarCategoryAxis*>(rank->axes(Qt::Vertical).at(0));
        QVERIFY(series && names);
        const QBarSet* bars = series->barSets().at(0);
        QCOMPARE(bars->count(), static_cast<int>(s.Ranks.Counts.size()));
        // Bars lying down are drawn from the bottom up: the first rank last.
        for (int k = 0; k < bars->count(); ++k) {
            const size_t at = s.Ranks.Counts.size() - 1 - static_cast<size_t>(k);
            QCOMPARE(names->at(k), Q(s.Ranks.Labels[at]));
            QCOMPARE(bars->at(k), 100.0 * static_cast<double>(s.Ranks.Counts[at]) /
                                      static_cast<double>(s.Finished));
        }
        const auto* table = dialog.findChild<QTableWidget*>("statsTable");
        QVERIFY(table->rowCount() >= static_cast<int>(s.Figures.size()));
        for (int r = 0; r < static_cast<int>(s.Figures.size()); ++r) {
            const Figure& f = s.Figures[static_cast<size_t>(r)];
            QCOMPARE(table->item(r, 1)->text(), Q(f.Name));
            QCOMPARE(table->item(r, 2)->text(), Q(FigureText(f)));
        }
    }

    void cancelEndsALongRunAtOnce() {
        StatsWindowModel model(g);
        StatsDialog dialog(nullptr, model);
        dialog.show();
        // A million careers of every service: far more than the test waits for.
        model.SelectService(0);
        model.SetCount(MaxBatchCount);
        dialog.Render();
        QTest::mouseClick(Button(&dialog, "statsRun"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] { return dialog.findChild<QLabel*>("statsStatus")->text().startsWith("Played "); },
            30000));
        QVERIFY(!Button(&dialog, "statsRun")->isEnabled());
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(Button(&dialog, "statsCancel"), Qt::LeftButton);
        QVERIFY(Ended(model, 5000));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(model.Now(), StatsWindowModel::State::Cancelled);
        QVERIFY(!Button(&dialog, "statsSave")->isEnabled());
        QCOMPARE(dialog.findChild<QTableWidget*>("statsTable")->rowCount(), 0);
        QVERIFY(Button(&dialog, "statsRun")->isEnabled());
    }
};

QTEST_MAIN(StatsWindowTest)
#include "StatsWindowTest.moc"
