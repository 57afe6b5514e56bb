// The options window clicked for real (offscreen): a tick reaches the option flags, and
// "Cap rank" answers with the rank list.
#include "DesktopTest.h"

class OptionsWindowTest : public DesktopTest {
    Q_OBJECT
    std::array<int16_t, 16>& o = g.career.Character.Options;

  public:
    OptionsWindowTest() : DesktopTest(7) {}

  private:
    // Clicks a check box on its tick mark: the middle of a wide box may lie outside it.
    static void Tick(QWidget* form, const char* name) {
        auto* box = form->findChild<QCheckBox*>(name);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, mark.center());
    }

  private slots:
    void initTestCase() { Start(); }

    void tickingABoxSetsTheFlag() {
        o[OptSortSkills] = OptOn;
        bool sortShown = false;
        WhenOpen("Form4", [&](QWidget* form) {
            sortShown = form->findChild<QCheckBox*>("Check1_5")->isChecked();
            Tick(form, "Check1_6");  // "Automatic generation"
            QTest::mouseClick(form->findChild<QPushButton*>("Done"), Qt::LeftButton);
        });
        ui_.ShowOptions(g);
        QVERIFY(sortShown);
        QCOMPARE(o[OptAutoGen], OptOn);
    }

    void capRankShowsAndSelectsTheRank() {
        LoadedRules(g).Service.MaxRank = 6;
        for (int i = 1; i <= 6; ++i) LoadedRules(g).Service.RankCode[i] = "E" + std::to_string(i);
        o[RankCap] = 3;
        int selected = -1;
        WhenOpen("Form4", [&](QWidget* form) {
            auto* ranks = form->findChild<QListWidget*>("List1");
            Tick(form, "Check1_9");
            selected = ranks->isVisible() ? ranks->currentRow() : -2;
            const QRect fifth = ranks->visualItemRect(ranks->item(4));
            QTest::mouseClick(ranks->viewport(), Qt::LeftButton, {}, fifth.center());
            form->close();  // the close box leaves as Done does
        });
        ui_.ShowOptions(g);
        QCOMPARE(selected, 2);  // shown, on the third rank as the cap held
        QCOMPARE(o[OptCapRank], OptOn);
        QCOMPARE(o[RankCap], int16_t{5});
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "OptionsWindowTest.moc"
