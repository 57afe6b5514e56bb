// Every window without the mouse (offscreen): mnemonics everywhere and one
// key for one control, the main window's values typed in from the keyboard,
// the term window answered with digits, Enter and Escape in the dialogs.
#include "DesktopTest.h"
#include "ask/Question.h"
#include "model/Display.h"
#include "model/ServiceChoice.h"
#include "ui/MainWindow.h"
#include "ui/qt/Keys.h"

class KeyboardTest : public DesktopTest {
    Q_OBJECT

  public:
    KeyboardTest() : DesktopTest(5) {}

  private:
    // Answers the input dialogs as they open, one answer each, noting their prompts.
    void AnswerInputs(QStringList answers, QStringList& asked) {
        if (answers.isEmpty()) return;
        WhenOpen("InputText", [this, answers, &asked](QWidget* window) mutable {
            auto* dialog = qobject_cast<QInputDialog*>(window);
            asked << dialog->labelText();
            dialog->setTextValue(answers.takeFirst());
            AnswerInputs(answers, asked);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
    }

    // What lacks a mnemonic, or shares one, among a window's buttons, menu
    // titles and labelled controls, and within each of its menus.
    static QStringList KeyProblems(QWidget* window) {
        QStringList problems;
        const auto check = [&](const QStringList& captions, const QString& scope) {
            QSet<QChar> seen;
            for (const QString& caption : captions) {
                const QChar key = MnemonicOf(caption);
                if (key.isNull())
                    problems << scope + ": no key for " + caption;
                else if (seen.contains(key))
                    problems << scope + ": " + caption + " repeats " + key;
                seen.insert(key);
            }
        };
        // A menu bar's or a menu's entries; each menu below is checked alone.
        std::function<QStringList(QWidget*)> entries = [&](QWidget* bar) {
            QStringList texts;
            for (QAction* a : bar->actions()) {
                if (a->isSeparator() || !a->isVisible()) continue;
                texts << a->text();
                if (QMenu* m = a->menu())
                    check(entries(m), window->objectName() + " menu " + m->title());
            }
            return texts;
        };
        QStringList captions;
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) captions << entries(bar);
        // A label's key is optional, but it must not take a button's.
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() && !MnemonicOf(label->text()).isNull()) captions << label->text();
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->objectName().startsWith("qt_") || b->text().isEmpty()) continue;
            // The term window's answers have their digits instead.
            if (window->objectName() == "Form3" && b->objectName().startsWith("Command")) continue;
            captions << b->text();
        }
        check(captions, window->objectName());
        return problems;
    }

  private slots:
    void initTestCase() { Start(); }

    // Alt and one letter reach every button and menu entry, data-named ones
    // included, and no letter is given twice in one place.
    void everyButtonAndMenuEntryHasItsOwnKey() {
        g.windows.Form2.Button[1] = {"Personal Development", "S1", true};
        g.windows.Form2.Button[2] = {"Service Skills", "S2", true};
        g.windows.Form2.Button[3] = {"Advanced Education", "S3", true};
        g.session.OptionSetButton = {"", "Default", "Rock & Roll", "", ""};
        for (const char* item : {"Pilot", "Medic"}) PickListAdd(g.windows.Slist1, item);
        const auto windows =
            EveryWindow({"Brawling", "Blade", "Bayonet", "Select for me, please!"});
        QStringList problems;
        for (const auto& window : windows) problems << KeyProblems(window.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
        // A name from the user keeps its "&" as a shown ampersand.
        QVERIFY(Button(windows[9].get(), "Command1_2")->text().contains("&&"));

        // The program's own message boxes and input dialogs as well.
        QStringList boxes;
        WhenOpen("", [&](QWidget* box) {
            boxes << KeyProblems(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        ui_.Message("Saved", g.session.AppTitle, MsgIcon::None);
        WhenOpen("InputText", [&](QWidget* dialog) {
            boxes << KeyProblems(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        ui_.InputText("Name?", g.session.AppTitle, "");
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("\n")));
    }

    // The characteristics and the tech level are typed in from the
    // keyboard; Tab runs through the controls in reading order; Escape does
    // not end the program, Alt+X does.
    void mainWindowWithoutTheMouse() {
        QVERIFY(LoadSampleData("Imperial", "Navy"));
        QVERIFY(SelectBranch(g, 0));
        Form1Generate(g);
        Form1 form(g);
        form.Render();
        QVERIFY(Active(&form));

        QStringList order;
        form.findChild<QComboBox*>("Combo1")->setFocus();
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"Combo1", "Combo2", "Combo3", "Panel3D1", "Label10",
                                     "Command3D1", "Command3D3", "Command3D2"}));
        // Alt+R, Alt+S and Alt+B open the lists.
        for (const auto& [key, name] :
             {std::pair{Qt::Key_R, "Combo1"}, std::pair{Qt::Key_S, "Combo2"},
              std::pair{Qt::Key_B, "Combo3"}}) {
            auto* list = form.findChild<QComboBox*>(name);
            QTest::keyClick(&form, key, Qt::AltModifier);
            QTRY_VERIFY2(list->view()->isVisible(), name);
            list->hidePopup();
            QVERIFY(Active(&form));
        }

        QStringList asked;
        QStringList values;
        for (int i = 1; i <= g.rules.Race.NumStats; ++i) values << QString::number(i + 2);
        AnswerInputs(values, asked);
        QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(asked.size(), g.rules.Race.NumStats);
        QCOMPARE(asked.first(), "Give a NUMBER for " + Q(g.rules.Race.StatName[1]));
        QVERIFY(form.findChild<QLabel*>("Panel3D1")->text().contains(": 4"));

        asked.clear();
        QVERIFY(Active(&form));
        AnswerInputs({"7"}, asked);
        QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(asked, QStringList{"Enter NUMERIC tech level"});
        QCOMPARE(g.windows.Form1.TL, std::string("7"));
        // With the focus on the value, Enter asks again.
        QVERIFY(Active(&form));
        AnswerInputs({"8"}, asked);
        QTest::keyClick(form.findChild<QLabel*>("Label10"), Qt::Key_Return);
        QCOMPARE(g.windows.Form1.TL, std::string("8"));
        QCOMPARE(form.findChild<QLabel*>("Label10")->text(), QString("8"));

        QVERIFY(Active(&form));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible() && !form.ExitRequested());
        QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!form.isVisible() && form.ExitRequested());
    }

    // Digits answer as the buttons beside them, from anywhere in the window
    // and from the keypad; a digit without a button does nothing. Buttons
    // keep their places whichever show and whatever they say.
    void termWindowAnswersDigits() {
        ClearTermWindow(g.windows);
        for (int b = 1; b <= 5; ++b)
            g.windows.TermWindow.Button[b] = {"Answer " + std::to_string(b), b != 3};
        g.windows.TermWindow.History = {"Term: 1 Navy", "   Patrol"};
        std::string answers;
        for (const auto& [key, modifier] : std::vector<std::pair<int, Qt::KeyboardModifiers>>{
                 {Qt::Key_4, Qt::NoModifier}, {Qt::Key_2, Qt::KeypadModifier}, {Qt::Key_1, {}}}) {
            QTimer::singleShot(0, [&, key, modifier] {
                Form3* form = ui_.TermWindow();
                QVERIFY(Active(form));
                form->findChild<QListWidget*>("List2")->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);  // no button 3 shows
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);  // nor a 9th
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifier);
            });
            answers += ui_.AskTerm(g);
        }
        QCOMPARE(answers, std::string("421"));
        // Between questions no answer shows.
        QVERIFY(!Button(ui_.TermWindow(), "Command1")->isVisible());

        // All five, only the fourth, then the fourth with a long caption.
        Form3* form = ui_.TermWindow();
        QList<QRect> places;
        for (const auto& change : std::vector<std::function<void()>>{
                 [&] { g.windows.TermWindow.Button[3].Visible = true; },
                 [&] {
                     for (int b : {1, 2, 3, 5}) g.windows.TermWindow.Button[b].Visible = false;
                 },
                 [&] { g.windows.TermWindow.Button[4].Caption = "A much longer caption"; }}) {
            change();
            QTimer::singleShot(0, [&] {
                places << Button(form, "Command4")->geometry();
                form->Press(4);
            });
            ui_.AskTerm(g);
        }
        QCOMPARE(places, QList<QRect>(3, places.at(0)));
        QCOMPARE(form->findChild<QLabel*>("Key4")->text(), QString("4"));
    }

    // Enter presses the button with the focus (the first one at first),
    // Escape closes with no choice, Alt and a caption's letter chooses, as
    // a click does.
    void pickOneByKeyboard() {
        const std::pair<std::function<void(QWidget*)>, int> presses[] = {
            {[](QWidget* box) { QTest::mouseClick(Button(box, "Command1_2"), Qt::LeftButton); }, 2},
            {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, 1},
            {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, 0},
            {[](QWidget* box) {
                 const QChar key = MnemonicOf(Button(box, "Command1_3")->text());
                 QTest::keyClick(box, key.toLatin1(), Qt::AltModifier);
             },
             3}};
        for (const auto& [press, index] : presses) {
            WhenOpen("SPICKBOX", press);
            QCOMPARE(Answer(g, PickQuestion{.Choices = "Brawling/Blade/Bayonet", .Title = "Which?"})
                         .Index,
                     index);
        }
    }

    // Preferred skills: while a skill is entered, Enter takes it and Escape
    // drops the entry, not the window; then Enter closes the window.
    void preferredSkillsEnterAndEscape() {
        PreferredSkillsModel model;
        Form5 form(nullptr, g, model);
        QVERIFY(Active(&form));
        QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(model.Mode != PanelMode::None);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(model.Mode == PanelMode::None && form.isVisible());
        QCOMPARE(model.List.size(), size_t(0));
        // Enter in the name takes the entry, once, and leaves the window open.
        QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(model.Mode != PanelMode::None);
        QTest::keyClicks(QApplication::focusWidget(), "Pilot");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(model.Mode == PanelMode::None && form.isVisible());
        QCOMPARE(model.List.size(), size_t(1));
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
