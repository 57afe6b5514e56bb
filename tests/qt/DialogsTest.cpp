// The choice dialogs of the desktop face, clicked for real (offscreen):
// SPICKBOX, SLIST1, Form2, SLIST4 and the About window, each opened through
// the engine's own entry point with a QtUi behind it. With
// ORRIMAR_SCREENSHOTS naming a folder, each window is also saved there.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "model/Dice.h"
#include "model/Game.h"
#include "startup/Cascades.h"
#include "startup/Main.h"
#include "startup/Race.h"
#include "startup/Service.h"
#include "ui/Dialogs.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

namespace {

int FindEntry(const ChoiceList& list, const std::string& part) {
    for (size_t i = 0; i < list.Entries.size(); ++i) {
        if (list.Entries[i].Display.find(part) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

void Shoot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ORRIMAR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window->grab().save(folder + "/orrimar-" + name + ".png");
}

QStringList VisibleCaptions(QWidget* window, const QString& namePrefix) {
    QStringList captions;
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->objectName().startsWith(namePrefix) && button->isVisible())
            captions << button->text();
    }
    return captions;
}

QStringList SelectedTexts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) texts << list->item(i)->text();
    }
    return texts;
}

// Hovers the pointer over the middle of a widget.
void Hover(QWidget* widget, QPoint at = {}) {
    QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
    QTest::qWait(30);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void pickOneClickReturnsTheButton();
    void pickOneSizesFollowTheLongestText();
    void pickOneClosedReturnsNothing();
    void pickListTooManyKeepsTheWindowOpen();
    void pickListCancelClearsTheSelection();
    void pickListMatchMarkAddsToTheSelection();
    void skillTableButtonsAndHoverPanel();
    void skillTableSelectForMe();
    void textViewerOkCancelAndEscape();
    void textViewerF5AppendsTheStamp();
    void aboutWindow();

  private:
    // Runs `step` on the modal window `match` accepts, once it is the open one.
    void WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> step,
                   int tries = 80);
    void WhenOpen(const QString& name, std::function<void(QWidget*)> step) {
        WhenModal([name](QWidget* w) { return w->objectName() == name; }, std::move(step));
    }
    // Answers the next message box with OK and keeps its text.
    void CatchMessage(QString& text) {
        WhenModal([](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                  [&text](QWidget* w) {
                      auto* box = qobject_cast<QMessageBox*>(w);
                      text = box->text();
                      box->accept();
                  });
    }
    void LoadNavy();

    QtUi ui_;
    SeededDice dice_{11};
    std::unique_ptr<Game> g_;
    QStringList failures_;
    QTimer watchdog_;
};

void DialogsTest::WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> step,
                            int tries) {
    QTimer::singleShot(25, this, [this, match, step, tries] {
        QWidget* open = QApplication::activeModalWidget();
        if (open && match(open)) {
            step(open);
            return;
        }
        if (tries > 0) {
            WhenModal(match, step, tries - 1);
            return;
        }
        failures_ << "an expected window never opened";
        while (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

void DialogsTest::init() {
    failures_.clear();
    // A failed check inside a window leaves it open: close it rather than hang.
    watchdog_.setSingleShot(true);
    watchdog_.callOnTimeout(this, [this] {
        failures_ << "a window was still open after 10 seconds";
        while (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
    watchdog_.start(10000);
    g_ = std::make_unique<Game>(ui_, dice_);
    SetAppTitle(*g_);
    FillTables(*g_);
    g_->DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
}

void DialogsTest::cleanup() {
    watchdog_.stop();
    watchdog_.disconnect();
    g_.reset();
}

void DialogsTest::LoadNavy() {
    Game& g = *g_;
    QVERIFY(LoadCascades(g).empty());
    QVERIFY(LoadCoyns(g).empty());
    ListRaces(g);
    const int race = FindEntry(g.RaceList, "Imperial");
    QVERIFY(race >= 0);
    SelectRace(g, race);
    const int service = FindEntry(g.ServiceList, "Imperial Navy");
    QVERIFY(service >= 0);
    SelectService(g, service);
    const int branch = FindEntry(g.BranchList, "Line Fleet");
    QVERIFY(branch >= 0);
    SelectBranch(g, branch);
}

void DialogsTest::pickOneClickReturnsTheButton() {
    Game& g = *g_;
    QStringList shown;
    QString title;
    WhenOpen("SPICKBOX", [&](QWidget* box) {
        title = box->windowTitle();
        shown = VisibleCaptions(box, "Command1_");
        QTest::mouseClick(box->findChild<QPushButton*>("Command1_2"), Qt::LeftButton);
    });
    QCOMPARE(PickOne(g, "A/B/C", "Pick a letter"), 2);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(title, QString("Pick a letter"));
    QCOMPARE(shown, QStringList({"A", "B", "C"}));
    QCOMPARE(g.PickIndex, 2);
    QCOMPARE(g.PickText, std::string("B"));

    // A single text without "/" is one button.
    WhenOpen("SPICKBOX", [&](QWidget* box) {
        shown = VisibleCaptions(box, "Command1_");
        QTest::mouseClick(box->findChild<QPushButton*>("Command1_1"), Qt::LeftButton);
    });
    QCOMPARE(PickOne(g, "Only", "One"), 1);
    QCOMPARE(shown, QStringList({"Only"}));
    QCOMPARE(g.PickText, std::string("Only"));
}

void DialogsTest::pickOneSizesFollowTheLongestText() {
    Game& g = *g_;
    // 22 characters in the longest text, four texts: the window is
    // 100 x 22 + 800 twips wide and 500 x 5 twips high at least, and every
    // button shows its whole caption.
    const std::string choices = "Handgun/Rifle/Shotgun/Select for me, please!";
    QSize size;
    bool captionsFit = true;
    WhenOpen("SPICKBOX", [&](QWidget* box) {
        size = box->size();
        for (auto* b : box->findChildren<QPushButton*>()) {
            if (b->fontMetrics().horizontalAdvance(b->text()) + 8 > b->width()) captionsFit = false;
        }
        Shoot(box, "SPICKBOX");
        QTest::mouseClick(box->findChild<QPushButton*>("Command1_4"), Qt::LeftButton);
    });
    QCOMPARE(PickOne(g, choices, "GUN COMBAT"), 4);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(g.PickText, std::string("Select for me, please!"));
    QVERIFY(size.width() >= (100 * 22 + 800) / 15);
    QVERIFY(size.height() >= 500 * 5 / 15);
    QVERIFY(captionsFit);
}

void DialogsTest::pickOneClosedReturnsNothing() {
    Game& g = *g_;
    g.PickIndex = 3;
    g.PickText = "earlier";
    WhenOpen("SPICKBOX", [](QWidget* box) { box->close(); });
    QCOMPARE(PickOne(g, "A/B/C", "Close me"), 0);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(g.PickIndex, 0);
    QCOMPARE(g.PickText, std::string());
}

void DialogsTest::pickListTooManyKeepsTheWindowOpen() {
    Game& g = *g_;
    PickListClear(g.Slist1);
    for (const char* item : {"Pilot", "Medic", "Gunnery"}) PickListAdd(g.Slist1, item);
    g.Slist1.Prompt = "Choose a skill";
    g.Slist1.MaxText = "";  // no limits set: exactly one item
    g.Slist1.MinText = "";
    QString message;
    bool stayedOpen = false;
    QString caption, prompt;
    QSize size;
    WhenOpen("SLIST1", [&](QWidget* window) {
        caption = window->windowTitle();
        size = window->size();
        if (auto* label = window->findChild<QLabel*>("Label1")) prompt = label->text();
        auto* list = window->findChild<QListWidget*>("List1");
        list->item(0)->setSelected(true);  // Gunnery (the list is sorted)
        list->item(2)->setSelected(true);  // Pilot
        Shoot(window, "SLIST1");
        CatchMessage(message);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        stayedOpen = window->isVisible();
        list->item(0)->setSelected(false);
        QTest::keyClick(list, Qt::Key_Return);  // Enter in the list acts as OK
    });
    ShowPickList(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(caption, QString("Select from list"));
    QCOMPARE(prompt, QString("Choose a skill"));
    QCOMPARE(message, QString("Too many items selected; limit is 1"));
    QVERIFY(stayedOpen);
    const auto chosen = PickListSelection(g.Slist1);
    QCOMPARE(chosen.size(), size_t{1});
    QCOMPARE(chosen[0].Text, std::string("Pilot"));
    // At least half the screen wide and three quarters of it high.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(size.width() >= screen.width() / 2);
    QVERIFY(size.height() >= screen.height() * 3 / 4);
}

void DialogsTest::pickListCancelClearsTheSelection() {
    Game& g = *g_;
    PickListClear(g.Slist1);
    for (const char* item : {"Pilot", "Medic", "Gunnery"}) PickListAdd(g.Slist1, item);
    g.Slist1.Selected = {true, true, false};
    g.Slist1.Current = 1;
    QStringList shownSelected;
    WhenOpen("SLIST1", [&](QWidget* window) {
        shownSelected = SelectedTexts(window->findChild<QListWidget*>("List1"));
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    ShowPickList(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(shownSelected, QStringList({"Gunnery", "Medic"}));
    QVERIFY(PickListSelection(g.Slist1).empty());
    QCOMPARE(g.Slist1.Current, -1);

    // The close box counts as Cancel too.
    g.Slist1.Selected = {false, true, true};
    g.Slist1.Current = 2;
    WhenOpen("SLIST1", [](QWidget* window) { window->close(); });
    ShowPickList(g);
    QVERIFY(PickListSelection(g.Slist1).empty());
    QCOMPARE(g.Slist1.Current, -1);
}

void DialogsTest::pickListMatchMarkAddsToTheSelection() {
    Game& g = *g_;
    PickListClear(g.Slist1);
    for (const char* item : {"Medical School", "Pilot", "school", "Navigation"})
        PickListAdd(g.Slist1, item);
    g.Slist1.Selected = {false, false, true, false};  // Pilot
    g.Slist1.MaxText = "3";
    QString inputPrompt;
    QStringList afterAll, afterNone, afterMatch;
    WhenOpen("SLIST1", [&](QWidget* window) {
        auto* list = window->findChild<QListWidget*>("List1");
        QTest::mouseClick(window->findChild<QPushButton*>("cmdAll"), Qt::LeftButton);
        afterAll = SelectedTexts(list);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdNone"), Qt::LeftButton);
        afterNone = SelectedTexts(list);
        list->item(2)->setSelected(true);  // Pilot again
        WhenModal([](QWidget* w) { return qobject_cast<QInputDialog*>(w) != nullptr; },
                  [&](QWidget* w) {
                      auto* input = qobject_cast<QInputDialog*>(w);
                      inputPrompt = input->labelText();
                      input->setTextValue("sch");
                      input->accept();
                  });
        QTest::mouseClick(window->findChild<QPushButton*>("cmdMatchMark"), Qt::LeftButton);
        afterMatch = SelectedTexts(list);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    ShowPickList(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(afterAll.size(), 4);
    QVERIFY(afterNone.isEmpty());
    QCOMPARE(inputPrompt, QString("Select all entries containing this string"));
    QCOMPARE(afterMatch, QStringList({"Medical School", "Pilot", "school"}));
    QCOMPARE(PickListSelection(g.Slist1).size(), size_t{3});
}

void DialogsTest::skillTableButtonsAndHoverPanel() {
    LoadNavy();
    Game& g = *g_;
    auto& chooser = g.Form2;
    int n = 0;
    for (int t = 1; t <= ServiceRecord::MaxTables && n < 3; ++t) {
        if (g.Service.SkillTable[t].Max < 1) continue;
        chooser.Button[++n] = {g.Service.SkillTable[t].Title, "S" + std::to_string(t), true};
    }
    QVERIFY(n >= 2);
    QStringList expected;
    for (int k = 1; k <= n; ++k) expected << QString::fromLatin1(chooser.Button[k].Caption);
    QStringList shown;
    QString title, frameTitle, hoverText, panelAfterFrame = "not checked";
    bool hoverShown = false;
    WhenOpen("Form2", [&](QWidget* window) {
        title = window->windowTitle();
        frameTitle = window->findChild<QGroupBox*>("Frame1")->title();
        shown = VisibleCaptions(window, "Option1_");
        auto* panel = window->findChild<QLabel*>("Panel3D1");
        Hover(window->findChild<QPushButton*>("Option1_2"));
        hoverShown = panel->isVisible();
        hoverText = panel->text();
        Shoot(window, "Form2");
        auto* frame = window->findChild<QGroupBox*>("Frame1");
        Hover(frame, QPoint(frame->width() / 2, frame->height() - 3));
        panelAfterFrame = panel->isVisible() ? "visible" : "hidden";
        QTest::mouseClick(window->findChild<QPushButton*>("Option1_2"), Qt::LeftButton);
    });
    QCOMPARE(ui_.ChooseSkillTable(g, chooser), 2);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(title, QString::fromLatin1(g.AppTitle));
    QCOMPARE(frameTitle, QString("Select skill table"));
    QCOMPARE(shown, expected);
    QVERIFY(hoverShown);
    QString panel = QString::fromLatin1(SkillTableHoverText(g, 2));
    panel.remove('\r');
    QCOMPARE(hoverText, panel.trimmed());
    QVERIFY(hoverText.startsWith(expected[1] + "\n  1 "));
    QCOMPARE(panelAfterFrame, QString("hidden"));
}

void DialogsTest::skillTableSelectForMe() {
    LoadNavy();
    Game& g = *g_;
    auto& chooser = g.Form2;
    chooser.Button[1] = {g.Service.SkillTable[1].Title, "S1", true};
    chooser.Button[2] = {g.Service.SkillTable[2].Title, "S2", true};
    for (int round = 0; round < 6; ++round) {
        WhenOpen("Form2", [](QWidget* window) {
            QTest::mouseClick(window->findChild<QPushButton*>("cmdRandom"), Qt::LeftButton);
        });
        const int k = ui_.ChooseSkillTable(g, chooser);
        QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
        QVERIFY(k == 1 || k == 2);
    }
}

void DialogsTest::textViewerOkCancelAndEscape() {
    TextViewerModel viewer;
    viewer.TitleLine = "Mustering out tables for Imperial Navy";
    viewer.Text = "1D Material         1D Financial\r\n1  Low Psg             Cr1,000\r\n";
    viewer.FontName = "courier new";
    viewer.FontSize = 9;
    QString heading;
    int fontSize = 0;
    WhenOpen("SLIST4", [&](QWidget* window) {
        heading = window->findChild<QLabel*>("Label1")->text();
        fontSize = window->findChild<QPlainTextEdit*>("Text1")->font().pointSize();
        Shoot(window, "SLIST4");
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    QVERIFY(ui_.ViewText(viewer));
    QCOMPARE(heading, QString::fromLatin1(viewer.TitleLine));
    QCOMPARE(fontSize, 9);
    // The text comes back as it went in, line ends included.
    QCOMPARE(viewer.Text,
             std::string("1D Material         1D Financial\r\n1  Low Psg             Cr1,000\r\n"));

    WhenOpen("SLIST4", [](QWidget* window) {
        QTest::mouseClick(window->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    QVERIFY(!ui_.ViewText(viewer));

    WhenOpen("SLIST4", [](QWidget* window) {
        QTest::keyClick(window->findChild<QPlainTextEdit*>("Text1"), Qt::Key_Escape);
    });
    QVERIFY(!ui_.ViewText(viewer));

    WhenOpen("SLIST4", [](QWidget* window) {
        QTest::keyClick(window->findChild<QPlainTextEdit*>("Text1"), Qt::Key_Return,
                        Qt::ControlModifier);
    });
    QVERIFY(ui_.ViewText(viewer));
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
}

void DialogsTest::textViewerF5AppendsTheStamp() {
    TextViewerModel viewer;
    viewer.TitleLine = "Notes";
    viewer.Text = "First line\r\nSecond";
    bool focusKept = false;
    WhenOpen("SLIST4", [&](QWidget* window) {
        auto* text = window->findChild<QPlainTextEdit*>("Text1");
        text->setFocus();
        text->moveCursor(QTextCursor::Start);
        QTest::keyClick(text, Qt::Key_F5);
        focusKept = text->hasFocus() && text->textCursor().atEnd();
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    QVERIFY(ui_.ViewText(viewer));
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QVERIFY(focusKept);
    const QString text = QString::fromLatin1(viewer.Text);
    static const QRegularExpression stamp(
        "^First line\r\nSecond  \\d\\d/[A-Z][a-z]{2}/\\d{4} \\d\\d:\\d\\d: $");
    QVERIFY2(stamp.match(text).hasMatch(), qPrintable(text));
}

void DialogsTest::aboutWindow() {
    Game& g = *g_;
    QString title;
    WhenOpen("frmAbout", [&](QWidget* window) {
        title = window->windowTitle();
        Shoot(window, "About");
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    ui_.ShowAbout(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(title, QString("About Orrimar Character Generator"));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
