// The desktop face's main window over the sample data, clicked for real.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "model/Dice.h"
#include "model/Game.h"
#include "startup/Cascades.h"
#include "startup/Main.h"
#include "ui/qt/Form1.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void racesListedAndBranchAccepted() {
        QtUi ui;
        SeededDice dice(7);
        Game g(ui, dice);
        SetAppTitle(g);
        FillTables(g);
        g.DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
        QVERIFY(LoadCascades(g).empty());
        QVERIFY(LoadCoyns(g).empty());
        ListRaces(g);

        bool checked = false;
        QTimer::singleShot(0, [&] {
            Form1* form = ui.MainWindow();
            QVERIFY(form);
            auto* races = form->findChild<QComboBox*>("Combo1");
            auto* services = form->findChild<QComboBox*>("Combo2");
            auto* branches = form->findChild<QComboBox*>("Combo3");
            auto* accept = form->findChild<QPushButton*>("Command3D3");
            QVERIFY(races && services && branches && accept);
            QVERIFY(races->count() >= 13);
            QVERIFY(!accept->isEnabled());
            QVERIFY(form->findChild<QLabel*>("Panel3D1")->text().contains(":"));

            emit services->activated(0);  // the first service of the first race
            QVERIFY(branches->count() >= 2);
            emit branches->activated(0);
            QVERIFY(accept->isEnabled());
            checked = true;
            QTest::mouseClick(accept, Qt::LeftButton);
        });
        ui.RunMainWindow(g);
        QVERIFY(checked);
        QVERIFY(g.Form1.Accepted);
        QVERIFY(!g.Service.BranchName.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
