// The main and term windows clicked for real (offscreen).
#include <QtTest>
#include <QtWidgets>

#include "career/Driver.h"
#include "model/Display.h"
#include "model/Game.h"
#include "startup/Cascades.h"
#include "startup/Main.h"
#include "startup/Race.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form3.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

class CareerTest : public QObject {
    Q_OBJECT
    QtUi ui_;
    SeededDice dice_{20};
    Game g{ui_, dice_};

    QPushButton* Button(int k) {
        return ui_.TermWindow()->findChild<QPushButton*>(QString("Command%1").arg(k));
    }
    // Picks race, service and branch by part of their text, as a user does with the mouse.
    static bool Choose(QWidget* form, const QStringList& parts) {
        for (int i = 0; i < 3; ++i) {
            auto* combo = form->findChild<QComboBox*>(QString("Combo%1").arg(i + 1));
            const int index = combo->findText(parts[i], Qt::MatchContains);
            if (index < 0) return false;
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        }
        return true;
    }

    // The main window run modally: race, service and branch clicked in that
    // order, then "Accept"; the career is generated automatically.
    bool Accept(const QStringList& parts) {
        bool picked = false;
        QTimer::singleShot(0, [&] {
            Form1* form = ui_.MainWindow();
            auto* accept = form->findChild<QPushButton*>("Command3D3");
            picked = Choose(form, parts) && accept->isEnabled();
            if (!picked) return (void)form->close();
            QTest::mouseClick(accept, Qt::LeftButton);
        });
        ui_.RunMainWindow(g);
        g.Character.Options[OptAutoGen] = OptOn;
        return picked && g.Form1.Accepted;
    }

  private slots:
    void initTestCase() {
        SetAppTitle(g);
        FillTables(g);
        g.DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
        QVERIFY(LoadCascades(g).empty() && LoadCoyns(g).empty());
        ListRaces(g);
    }

    void termButtonsReturnTheirNumber() {
        for (int k = 0; k <= 5; ++k) {  // 0: the close box, then a question shown again
            ClearTermWindow(g);
            const int n = std::max(k, 2);
            for (int b = 1; b <= n; ++b) g.TermWindow.Button[b] = {std::to_string(b), true};
            QString seen;
            QTimer::singleShot(0, [&, k] {
                for (int b = 1; b <= 5; ++b)
                    seen += Button(b)->isVisible() ? Button(b)->text() : "";
                if (k == 0) return (void)ui_.TermWindow()->close();
                QTest::mouseClick(Button(k), Qt::LeftButton);
            });
            QCOMPARE(ui_.AskTerm(g), k == 0 ? std::string() : std::to_string(k));
            QCOMPARE(seen, QString("12345").left(n));
            QVERIFY(!Button(1)->isVisible());  // hidden between questions
        }
    }

    void mainWindowToTheFirstTerm() {
        QVERIFY(Accept({"Imperial", "Imperial Navy", "Line Fleet"}));

        // Other windows get the plainest answer; the first end of term scraps the character.
        QString prompt, character;
        QTimer answerer;
        answerer.callOnTimeout([&] {
            // Closing a message box answers OK, or No to a question.
            if (QWidget* modal = QApplication::activeModalWidget()) return (void)modal->close();
            if (!ui_.TermWindow() || !Button(1)->isVisible()) return;
            prompt = ui_.TermWindow()->findChild<QLabel*>("Label1")->text();
            character = ui_.TermWindow()->findChild<QLabel*>("Label2")->text();
            const int k = Button(5)->text() == "Scrap and start again" ? 5 : 1;
            QTest::mouseClick(Button(k), Qt::LeftButton);
        });
        answerer.start(15);
        QCOMPARE(PlayCareer(g), CareerEnd::Scrap);
        QVERIFY2(prompt.startsWith("End of term 1"), qPrintable(prompt));
        QCOMPARE(character, QString::fromLatin1(g.Race.Name + " Line Fleet"));
    }

    // Chosen in a person's order (race, then the merchants, then a branch)
    // the career starts enlisted. In court-martial mode re-enlisting runs
    // until a sentence ends the career; going back from mustering out then
    // offers only what is still possible.
    void anEndedCareerGoesBackToWhatIsStillPossible() {
        g.CommandLine = "COURTMARTIAL";
        QVERIFY(Accept({"Imperial", "Merchant", "Deck"}));

        QString firstRank, afterGoingBack;
        bool wentBack = false;
        QTimer answerer;
        answerer.callOnTimeout([&] {
            if (QWidget* modal = QApplication::activeModalWidget()) return (void)modal->close();
            if (!ui_.TermWindow()) return;
            QStringList shown;
            for (int b = 1; b <= 5; ++b)
                if (Button(b)->isVisible()) shown << Button(b)->text();
            if (shown.isEmpty()) return;
            if (firstRank.isEmpty())
                firstRank = ui_.TermWindow()->findChild<QLabel*>("Label5")->text();
            int k = Button(1)->isVisible() ? 1 : 2;
            if (!wentBack && shown.contains("Whoops! Go back")) {
                wentBack = true;
                k = 5;
            } else if (wentBack && afterGoingBack.isEmpty()) {
                afterGoingBack = shown.join("/");
                k = 3;
            }
            QTest::mouseClick(Button(k), Qt::LeftButton);
        });
        answerer.start(15);
        QCOMPARE(PlayCareer(g), CareerEnd::Finished);
        g.CommandLine.clear();
        QVERIFY2(firstRank.contains("Enlisted"), qPrintable(firstRank));
        QCOMPARE(afterGoingBack,
                 QString("Muster out/Restart with this character/Scrap and start again"));
        QCOMPARE(g.Character.CareerEnded, int16_t(1));
    }
};

QTEST_MAIN(CareerTest)
#include "CareerTest.moc"
