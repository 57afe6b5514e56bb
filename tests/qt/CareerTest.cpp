// The main and term windows clicked for real (offscreen).
#include "DesktopTest.h"
#include "career/Driver.h"
#include "model/Display.h"
#include "model/Throws.h"
#include "text/Files.h"
#include "ui/Program.h"

class CareerTest : public DesktopTest {
    Q_OBJECT

  public:
    CareerTest() : DesktopTest(20) {}

  private:
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
        g.career.Character.Options[OptAutoGen] = OptOn;
        return picked && g.windows.Form1.Accepted;
    }

  private slots:
    void initTestCase() {
        Start();
        QVERIFY(LoadSampleData());
    }

    // The close box and "Exit entire program" ask before the character is
    // lost, No the default (Enter): the question still waits. Yes ends the
    // program.
    void exitAsksFirst() {
        ClearTermWindow(g.windows);
        g.windows.TermWindow.Button[1] = {"Carry on", true};
        QString asked;
        bool noIsDefault = false, stillOpen = false;
        QTimer::singleShot(0, [&] {
            WhenOpen("", [&](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                asked = box->text();
                noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
                QTest::keyClick(box, Qt::Key_Return);
            });
            ui_.TermWindow()->close();
            stillOpen = ui_.TermWindow()->isVisible() && Button(1)->isVisible();
            QTest::mouseClick(Button(1), Qt::LeftButton);
        });
        QCOMPARE(ui_.AskTerm(g), std::string("1"));
        QCOMPARE(asked, QString("Exit and lose this character?"));
        QVERIFY(noIsDefault && stillOpen);

        QTimer::singleShot(0, [&] {
            WhenOpen("", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Y, Qt::AltModifier); });
            for (QAction* action : ui_.TermWindow()->findChild<QMenuBar*>()->actions())
                if (action->text().remove('&') == "Exit entire program") action->trigger();
        });
        QVERIFY_THROWS_EXCEPTION(ProgramExit, ui_.AskTerm(g));
    }

    void mainWindowToTheFirstTerm() {
        QVERIFY(Accept({"Imperial", "Imperial Navy", "Line Fleet"}));

        // Other windows get the plainest answer; the first end of term scraps
        // the character, after "Explain..." showed the first year's throws.
        ThrowLog throws;
        g.career.Explain = &throws;
        QString prompt, character, explained;
        QTimer answerer;
        answerer.callOnTimeout([&] {
            // Closing a message box answers OK, or No to a question.
            if (QWidget* modal = QApplication::activeModalWidget()) return (void)modal->close();
            if (!ui_.TermWindow() || !Button(1)->isVisible()) return;
            prompt = ui_.TermWindow()->findChild<QLabel*>("Label1")->text();
            character = ui_.TermWindow()->findChild<QLabel*>("Label2")->text();
            const int k = Button(5)->text() == "Scrap and start again" ? 5 : 1;
            if (k == 5) {
                for (QAction* action : ui_.TermWindow()->findChildren<QAction*>())
                    if (action->text().remove('&') == "Explain...") action->trigger();
                ui_.TermWindow()->findChild<QListWidget*>("List2")->setCurrentRow(1);
                explained =
                    ui_.TermWindow()->findChild<QPlainTextEdit*>("ExplainText")->toPlainText();
            }
            QTest::mouseClick(Button(k), Qt::LeftButton);
        });
        answerer.start(15);
        QCOMPARE(PlayCareer(g), CareerEnd::Scrap);
        QVERIFY2(prompt.startsWith("End of term 1"), qPrintable(prompt));
        QCOMPARE(character, QString::fromLatin1(g.rules.Race.Name + " Line Fleet"));
        QString year;
        for (const auto& line : YearExplained(&throws, 1, 1))
            year += QString::fromLatin1(line) + "\n";
        QVERIFY2(year.contains("  The assignment: 2D = "), qPrintable(year));
        QCOMPARE(explained, year);
        g.career.Explain = nullptr;
    }
};

QTEST_MAIN(CareerTest)
#include "CareerTest.moc"
