// The choice dialogs of the desktop face, clicked for real (offscreen) through the engine.
#include "DesktopTest.h"
#include "ask/Question.h"
#include "career/Skills.h"
#include "model/Display.h"

class DialogsTest : public DesktopTest {
    Q_OBJECT

  public:
    DialogsTest() : DesktopTest(11) {}

  private:
    static void Click(QWidget* window, const char* name) {
        QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
    }

  private slots:
    void initTestCase() { Start(); }

    // The term window shows what the engine did before the next question:
    // a skill gained just before a cascade split is listed while it is asked.
    void aQuestionFindsTheTermWindowUpToDate() {
        LoadedRules(g).StdCascade.Count = 1;
        LoadedRules(g).StdCascade[1] = "GUN COMBAT/Rifle/Pistol";
        g.ui.ShowTermWindow(g);
        AddSkill(g, "Admin");
        QStringList listed;
        WhenOpen("SPICKBOX", [&](QWidget* box) {
            auto* skills = ui_.TermWindow()->findChild<QListWidget*>("List1");
            for (int i = 0; i < skills->count(); ++i) listed << skills->item(i)->text();
            Click(box, "Command1_1");
        });
        AddSkill(g, "GUN COMBAT");
        QCOMPARE(listed, QStringList{"Admin-1"});

        ui_.TermWindow()->hide();
        g.career.Character = CharacterRecord{};
    }

    // A letter outside Latin-1 would be saved as "?": the user is told
    // which, and types the text again from what was typed.
    void typedLettersOutsideLatin1AreRefused() {
        QString warning, retyped;
        WhenOpen("InputText", [&](QWidget* window) {
            auto* dialog = qobject_cast<QInputDialog*>(window);
            dialog->setTextValue(QString::fromUtf8("Zo\u00eb O'Neil-\u015cmith"));
            WhenOpen("", [&](QWidget* box) {
                warning = qobject_cast<QMessageBox*>(box)->text();
                WhenOpen("InputText", [&](QWidget* again) {
                    auto* second = qobject_cast<QInputDialog*>(again);
                    retyped = second->textValue();
                    second->setTextValue(QString::fromUtf8("Zo\u00eb O'Neil-Smith"));
                    second->accept();
                });
                box->close();
            });
            dialog->accept();
        });
        QCOMPARE(ui_.InputText("Name?", "Name", ""), std::string("Zo\xEB O'Neil-Smith"));
        QVERIFY2(warning.contains(QString::fromUtf8("\u015c")), qPrintable(warning));
        QCOMPARE(retyped, QString::fromUtf8("Zo\u00eb O'Neil-\u015cmith"));
    }

    // Only a chosen row wears the selection's colour (not the row the
    // keyboard stands on when the list opens), the window is as tall as its
    // few rows, not most of the screen, and Cancel drops what was chosen.
    // With no limits set, OK on two rows is refused and the list stays;
    // Enter in the list acts as OK.
    void pickListShowsChosenRowsCancelsAndLimits() {
        for (const char* item : {"Pilot", "Medic", "Gunnery"}) PickListAdd(g.windows.Slist1, item);
        int unchosen = -1, chosen = -1;
        double height = 1;
        WhenOpen("SLIST1", [&](QWidget* window) {
            auto* list = window->findChild<QListWidget*>("List1");
            list->setFocus(Qt::TabFocusReason);
            const auto tinted = [list](int row) {
                QApplication::processEvents();
                const QImage shot = list->viewport()->grab().toImage();
                // Pixels tinted towards the selection's colour (blue here);
                // the text and the base are grey or white.
                const QRect r = list->visualItemRect(list->item(row));
                int n = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        n += shot.pixelColor(x, y).blue() > shot.pixelColor(x, y).red() + 20;
                return n;
            };
            unchosen = list->currentRow() == 0 ? tinted(0) : -2;
            list->item(1)->setSelected(true);
            chosen = tinted(1);
            height = double(window->height()) / window->screen()->availableGeometry().height();
            Click(window, "cmdCancel");
        });
        ShowPickList(g);
        QCOMPARE(unchosen, 0);
        QVERIFY(chosen > 0);
        QVERIFY2(height < 0.5, qPrintable(QString::number(height)));
        QVERIFY(PickListSelection(g.windows.Slist1).empty() && g.windows.Slist1.Current == -1);

        QString message;
        WhenOpen("SLIST1", [&](QWidget* window) {
            auto* list = window->findChild<QListWidget*>("List1");
            list->item(0)->setSelected(true);  // Gunnery (the list is sorted)
            list->item(2)->setSelected(true);  // Pilot
            WhenOpen("", [&](QWidget* box) {
                message = qobject_cast<QMessageBox*>(box)->text();
                box->close();
            });
            Click(window, "cmdOK");
            message += window->isVisible() ? " (open)" : "";
            list->item(0)->setSelected(false);
            QTest::keyClick(list, Qt::Key_Return);
        });
        ShowPickList(g);
        QCOMPARE(message, QString("Too many items selected; limit is 1 (open)"));
        QCOMPARE(g.windows.Slist1.Selected, (std::vector<bool>{false, false, true}));  // Pilot
    }

    void skillTableHoverAndRandom() {
        LoadedRules(g).Service.SkillTable.Edit(1) = {
            "Personal", {}, {}, 2, {"", "+1 Str", "Brawling"}};
        g.windows.Form2.Button[1] = {"Personal Development", "S1", true};
        g.windows.Form2.Button[3] = {"Hidden", "S1", false};
        QString seen;  // the panel over the first button, then over the frame
        WhenOpen("Form2", [&](QWidget* window) {
            auto* panel = window->findChild<QLabel*>("Panel3D1");
            auto* frame = window->findChild<QWidget*>("Frame1");
            // Pointer events arrive through the event loop: wait until they land.
            auto settle = [&](bool visible) {
                for (int i = 0; i < 50 && panel->isVisible() != visible; ++i) QTest::qWait(20);
            };
            QTest::mouseMove(window->findChild<QPushButton*>("Option1_1"));
            settle(true);
            seen = panel->isVisible() ? panel->text() : "hidden";
            QTest::mouseMove(frame, QPoint(frame->width() / 2, frame->height() - 3));
            settle(false);
            seen += panel->isVisible() ? "|visible" : "|hidden";
            Click(window, "cmdRandom");
        });
        QCOMPARE(ui_.ChooseSkillTable(g, g.windows.Form2), 0);  // the dice choose, in the rules
        QCOMPARE(seen, QString("Personal Development\n  1 +1 Str\n  2 Brawling|hidden"));
    }

    void textViewerF5OkAndCancel() {
        TextViewerModel viewer;
        viewer.Text = "First line\r\nSecond";
        bool atEnd = false;
        WhenOpen("SLIST4", [&](QWidget* window) {
            auto* text = window->findChild<QPlainTextEdit*>("Text1");
            text->setFocus();
            text->moveCursor(QTextCursor::Start);
            QTest::keyClick(text, Qt::Key_F5);
            atEnd = window->focusWidget() == text && text->textCursor().atEnd();
            Click(window, "cmdOK");
        });
        QVERIFY(ui_.ViewText(viewer) && atEnd);
        const QString text = QString::fromLatin1(viewer.Text);
        static const QRegularExpression stamp(
            "^First line\r\nSecond  \\d\\d/[A-Z][a-z]{2}/\\d{4} \\d\\d:\\d\\d: $");
        QVERIFY2(stamp.match(text).hasMatch(), qPrintable(text));
        WhenOpen("SLIST4", [](QWidget* window) { Click(window, "cmdCancel"); });
        QVERIFY(!ui_.ViewText(viewer));
    }

    // The open dialog selects the proposed file as it is spelt on disk, in
    // the first folder and in one entered, so Open takes it at once.
    void openDialogSelectsTheFileWhateverItsCase() {
        QTemporaryDir top;
        QVERIFY(QDir(top.path()).mkdir("data"));
        for (const QString& name :
             {top.path() + "/IMPERIAL.ERI", top.path() + "/data/Imperial.Eri"}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FileDialogRequest request;
        request.InitialFolder = S(top.path());
        request.FileName = "imperial.eri";
        request.FilterDescription = "Orrimar Race files";
        request.FilterPattern = "*.eri";
        WhenOpen("OpenFile", [](QWidget* window) { qobject_cast<QDialog*>(window)->accept(); });
        QCOMPARE(ui_.OpenFileDialog(request), S(top.path()) + "/IMPERIAL.ERI");
        WhenOpen("OpenFile", [](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("data");
            static_cast<QDialog*>(dialog)->accept();  // a folder is entered
            QTimer::singleShot(50, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        });
        const auto second = ui_.OpenFileDialog(request);
        QVERIFY2(second == S(top.path()) + "/data/Imperial.Eri", second ? second->c_str() : "none");
    }

    // "System Info..." answers over the About window, not behind it.
    void systemInfoStandsOverAbout() {
        QTemporaryDir noTools;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", noTools.path().toLocal8Bit());
        QString over;
        WhenOpen("frmAbout", [&](QWidget* about) {
            WhenOpen("", [&](QWidget* box) {
                over = box->parentWidget() ? box->parentWidget()->objectName() : "nothing";
                box->close();
            });
            Click(about, "cmdSysInfo");
            Click(about, "cmdOK");
        });
        ui_.ShowAbout(g);
        qputenv("PATH", path);
        QCOMPARE(over, QString("frmAbout"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
