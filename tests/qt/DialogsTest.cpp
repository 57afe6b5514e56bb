// The choice dialogs of the desktop face, clicked for real (offscreen), each
// opened through the engine's own entry point. With ORRIMAR_SCREENSHOTS
// naming a folder, each window is also saved there.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "model/Game.h"
#include "startup/Main.h"
#include "ui/Dialogs.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

class DialogsTest : public QObject {
    Q_OBJECT

  private:
    // Runs `step` on the modal window named `name` (empty: a message box) once it is open.
    void WhenOpen(const QString& name, std::function<void(QWidget*)> step, int tries = 80) {
        QTimer::singleShot(25, this, [=, this] {
            QWidget* open = QApplication::activeModalWidget();
            if (open && (name.isEmpty() ? qobject_cast<QMessageBox*>(open) != nullptr
                                        : open->objectName() == name))
                return step(open);
            if (tries > 0) WhenOpen(name, step, tries - 1);
        });
    }
    static void Click(QWidget* window, const char* name) {
        QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    static void Shoot(QWidget* window) {
        const QString folder = qEnvironmentVariable("ORRIMAR_SCREENSHOTS");
        if (!folder.isEmpty())
            window->grab().save(folder + "/orrimar-" + window->objectName() + ".png");
    }

    QtUi ui_;
    SeededDice dice_{11};
    Game g{ui_, dice_};

  private slots:
    void initTestCase() { SetAppTitle(g); }

    void pickOneReturnsTheButtonOrNothing() {
        WhenOpen("SPICKBOX", [](QWidget* box) {
            Shoot(box);
            Click(box, "Command1_2");
        });
        QCOMPARE(PickOne(g, "A/B/C", "Pick a letter"), 2);
        QCOMPARE(g.PickText, std::string("B"));

        WhenOpen("SPICKBOX", [](QWidget* box) { box->close(); });
        QCOMPARE(PickOne(g, "A/B/C", "Close me"), 0);
        QCOMPARE(g.PickIndex, 0);
        QCOMPARE(g.PickText, std::string());
    }

    void pickListLimitAndCancel() {
        PickListClear(g.Slist1);
        for (const char* item : {"Pilot", "Medic", "Gunnery"}) PickListAdd(g.Slist1, item);
        QString message;
        bool stayedOpen = false;
        WhenOpen("SLIST1", [&](QWidget* window) {
            auto* list = window->findChild<QListWidget*>("List1");
            list->item(0)->setSelected(true);  // Gunnery (the list is sorted)
            list->item(2)->setSelected(true);  // Pilot
            Shoot(window);
            WhenOpen("", [&](QWidget* box) {
                message = qobject_cast<QMessageBox*>(box)->text();
                box->close();
            });
            Click(window, "cmdOK");  // no limits set: exactly one item
            stayedOpen = window->isVisible();
            list->item(0)->setSelected(false);
            QTest::keyClick(list, Qt::Key_Return);  // Enter in the list acts as OK
        });
        ShowPickList(g);
        QCOMPARE(message, QString("Too many items selected; limit is 1"));
        QVERIFY(stayedOpen);
        const auto chosen = PickListSelection(g.Slist1);
        QCOMPARE(chosen.size(), size_t{1});
        QCOMPARE(chosen[0].Text, std::string("Pilot"));

        WhenOpen("SLIST1", [](QWidget* window) { Click(window, "cmdCancel"); });
        ShowPickList(g);
        QVERIFY(PickListSelection(g.Slist1).empty());
        QCOMPARE(g.Slist1.Current, -1);
    }

    void skillTableHoverAndRandom() {
        g.Service.SkillTable[1] = {"Personal", {}, {}, 2, {"", "+1 Str", "Brawling"}};
        g.Service.SkillTable[2] = {"Service", {}, {}, 1, {"", "Vacc Suit"}};
        g.Form2.Button[1] = {"Personal Development", "S1", true};
        g.Form2.Button[2] = {"Service Skills", "S2", true};
        g.Form2.Button[3] = {"Hidden", "S1", false};
        QString hover, afterFrame;
        WhenOpen("Form2", [&](QWidget* window) {
            auto* panel = window->findChild<QLabel*>("Panel3D1");
            QTest::mouseMove(window->findChild<QPushButton*>("Option1_1"));
            QTest::qWait(30);
            hover = panel->isVisible() ? panel->text() : "hidden";
            Shoot(window);
            auto* frame = window->findChild<QWidget*>("Frame1");
            QTest::mouseMove(frame, QPoint(frame->width() / 2, frame->height() - 3));
            QTest::qWait(30);
            afterFrame = panel->isVisible() ? "visible" : "hidden";
            Click(window, "cmdRandom");
        });
        const int k = ui_.ChooseSkillTable(g, g.Form2);
        QCOMPARE(hover, QString("Personal Development\n  1 +1 Str\n  2 Brawling"));
        QCOMPARE(afterFrame, QString("hidden"));
        QVERIFY(k == 1 || k == 2);  // a visible button
    }

    void textViewerF5OkAndCancel() {
        TextViewerModel viewer;
        viewer.TitleLine = "Notes";
        viewer.Text = "First line\r\nSecond";
        bool atEnd = false;
        WhenOpen("SLIST4", [&](QWidget* window) {
            auto* text = window->findChild<QPlainTextEdit*>("Text1");
            text->setFocus();
            text->moveCursor(QTextCursor::Start);
            QTest::keyClick(text, Qt::Key_F5);
            atEnd = text->hasFocus() && text->textCursor().atEnd();
            Shoot(window);
            Click(window, "cmdOK");
        });
        QVERIFY(ui_.ViewText(viewer));
        QVERIFY(atEnd);
        const QString text = QString::fromLatin1(viewer.Text);
        static const QRegularExpression stamp(
            "^First line\r\nSecond  \\d\\d/[A-Z][a-z]{2}/\\d{4} \\d\\d:\\d\\d: $");
        QVERIFY2(stamp.match(text).hasMatch(), qPrintable(text));

        WhenOpen("SLIST4", [](QWidget* window) { Click(window, "cmdCancel"); });
        QVERIFY(!ui_.ViewText(viewer));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
