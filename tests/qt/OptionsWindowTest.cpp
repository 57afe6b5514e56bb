// The options windows of the desktop face, clicked for real (offscreen):
// a tick reaches the character's option flags, the rank list answers the
// "Cap rank" box, and the nested preferred-skills and option-set windows
// open and close. With ORRIMAR_SCREENSHOTS naming a folder, each window is
// also saved there as a picture.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
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
#include "ui/qt/QtUi.h"

using namespace orrimar;

namespace {

int FindEntry(const ChoiceList& list, const std::string& part) {
    for (size_t i = 0; i < list.Entries.size(); ++i) {
        if (list.Entries[i].Display.find(part) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

// Clicks a check box on its tick mark: a short caption leaves the middle
// of a wide box outside the clickable part.
void Tick(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, mark.center());
}

void Shoot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ORRIMAR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window->grab().save(folder + "/" + name + ".png");
}

}  // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void tickingABoxSetsTheFlag();
    void capRankShowsAndSelectsTheRank();
    void preferredSkillsPanelAddsASkill();
    void optionSetsOpenFromTheOptionsWindow();

  private:
    // Runs `step` on the modal dialog named `name` once it is the open one.
    void WhenOpen(const QString& name, std::function<void(QDialog*)> step, int tries = 40);

    QtUi ui_;
    SeededDice dice_{7};
    std::unique_ptr<Game> g_;
    QStringList failures_;
    QTimer watchdog_;
};

void OptionsWindowTest::WhenOpen(const QString& name, std::function<void(QDialog*)> step,
                                 int tries) {
    QTimer::singleShot(25, this, [this, name, step, tries] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == name) {
            step(dialog);
            return;
        }
        if (tries > 0) {
            WhenOpen(name, step, tries - 1);
            return;
        }
        failures_ << name + " never opened";
        // Close whatever is open so the test cannot hang.
        while (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
}

void OptionsWindowTest::init() {
    failures_.clear();
    // A failed check inside a window leaves it open: close it rather than hang.
    watchdog_.setSingleShot(true);
    watchdog_.callOnTimeout(this, [this] {
        failures_ << "a window was still open after 10 seconds";
        while (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
    watchdog_.start(10000);
    g_ = std::make_unique<Game>(ui_, dice_);
    Game& g = *g_;
    SetAppTitle(g);
    FillTables(g);
    g.DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
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
    QCOMPARE(g.Service.MaxRank, 18);
}

void OptionsWindowTest::cleanup() {
    watchdog_.stop();
    watchdog_.disconnect();
    g_.reset();
}

void OptionsWindowTest::tickingABoxSetsTheFlag() {
    Game& g = *g_;
    g.Character.Options[OptAutoGen] = OptOff;
    g.Character.Options[OptSortSkills] = OptOn;
    bool sortShown = false;
    WhenOpen("Form4", [&](QDialog* form) {
        QCOMPARE(form->windowTitle(), QString::fromLatin1(g.AppTitle.c_str()));
        auto* autoGen = form->findChild<QCheckBox*>("Check1_6");
        auto* sort = form->findChild<QCheckBox*>("Check1_5");
        if (!autoGen || !sort) {
            failures_ << "check boxes missing";
            form->reject();
            return;
        }
        sortShown = sort->isChecked();
        QCOMPARE(autoGen->text(), QString("Automatic generation"));
        Tick(autoGen);
        QCOMPARE(autoGen->isChecked(), true);
        QCOMPARE(g.Character.Options[OptAutoGen], OptOn);
        QVERIFY(!form->findChild<QListWidget*>("List1")->isVisible());
        Shoot(form, "Form4");
        QTest::mouseClick(form->findChild<QPushButton*>("Done"), Qt::LeftButton);
    });
    ui_.ShowOptions(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QVERIFY(sortShown);
    QCOMPARE(g.Character.Options[OptAutoGen], OptOn);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void OptionsWindowTest::capRankShowsAndSelectsTheRank() {
    Game& g = *g_;
    g.Character.Options[OptCapRank] = OptOff;
    g.Character.Options[RankCap] = 3;
    WhenOpen("Form4", [&](QDialog* form) {
        auto* capRank = form->findChild<QCheckBox*>("Check1_9");
        auto* ranks = form->findChild<QListWidget*>("List1");
        Tick(capRank);
        QCOMPARE(g.Character.Options[OptCapRank], OptOn);
        QVERIFY(ranks->isVisible());
        QCOMPARE(ranks->count(), 18);
        QCOMPARE(ranks->currentRow(), 2);
        QCOMPARE(g.Character.Options[RankCap], int16_t{3});
        Shoot(form, "Form4-caprank");
        const QRect fifth = ranks->visualItemRect(ranks->item(4));
        QTest::mouseClick(ranks->viewport(), Qt::LeftButton, {}, fifth.center());
        QCOMPARE(g.Character.Options[RankCap], int16_t{5});
        form->close();  // the close box leaves as Done does
    });
    ui_.ShowOptions(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(g.Character.Options[RankCap], int16_t{5});
}

void OptionsWindowTest::preferredSkillsPanelAddsASkill() {
    Game& g = *g_;
    g.PrefSkill[1] = {"Pilot", 2};
    WhenOpen("Form5", [&](QDialog* form) {
        auto* list = form->findChild<QListWidget*>("List1");
        auto* name = form->findChild<QLineEdit*>("Text1");
        auto* level = form->findChild<QLineEdit*>("Text2");
        auto* suggestions = form->findChild<QListWidget*>("List2");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("Pilot-2"));
        QVERIFY(!name->isVisible());
        QTest::mouseClick(form->findChild<QPushButton*>("Add"), Qt::LeftButton);
        QVERIFY(name->isVisible());
        QCOMPARE(level->text(), QString("4"));
        QTest::keyClicks(name, "vacc");
        QVERIFY(suggestions->count() >= 1);
        QCOMPARE(suggestions->item(0)->text(), QString("Vacc Suit"));
        QTest::mouseClick(form->findChild<QPushButton*>("Plus"), Qt::LeftButton);
        QCOMPARE(level->text(), QString("5"));
        Shoot(form, "Form5");
        const QRect first = suggestions->visualItemRect(suggestions->item(0));
        QTest::mouseClick(suggestions->viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(!name->isVisible());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("Vacc Suit-5"));
        QTest::mouseClick(form->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    ui_.ShowPreferredSkills(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QCOMPARE(QString::fromLatin1(g.PrefSkill[2].Name.c_str()), QString("Vacc Suit"));
    QCOMPARE(g.PrefSkill[2].Level, 5);
}

void OptionsWindowTest::optionSetsOpenFromTheOptionsWindow() {
    Game& g = *g_;
    g.OptionSetButton[1] = "Default";
    g.OptionSetButton[3] = "Scouting";
    bool sawForm6 = false;
    WhenOpen("Form4", [&](QDialog* form) {
        WhenOpen("Form6", [&](QDialog* sets) {
            sawForm6 = true;
            QCOMPARE(sets->windowTitle(), QString("Save Option Set"));
            QCOMPARE(sets->findChild<QPushButton*>("Command1_1")->text(), QString("Default"));
            QCOMPARE(sets->findChild<QPushButton*>("Command1_2")->text(), QString());
            Shoot(sets, "Form6");
            QTest::mouseClick(sets->findChild<QPushButton*>("Done"), Qt::LeftButton);
        });
        QTest::mouseClick(form->findChild<QPushButton*>("OptionSets"), Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>("Done"), Qt::LeftButton);
    });
    ui_.ShowOptions(g);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join("; ")));
    QVERIFY(sawForm6);
}

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
