// A career played through the desktop face (offscreen): race, service and
// branch are picked in the main window, the career runs with automatic
// generation, and the term window's questions are answered by clicking its
// buttons. With ORRIMAR_SCREENSHOTS naming a folder, the main window and the
// term window are also saved there.
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "career/Driver.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "startup/Cascades.h"
#include "startup/Main.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form3.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

namespace {

void Shoot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ORRIMAR_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window->grab().save(folder + "/orrimar-" + name + ".png");
}

// Picks the entry of a main-window list whose text contains `part`, as a
// user choosing it with the mouse does.
bool Choose(QComboBox* combo, const QString& part) {
    const int index = combo->findText(part, Qt::MatchContains);
    if (index < 0) return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

QPushButton* AnswerButton(Form3* form, int k) {
    return form->findChild<QPushButton*>(QString("Command%1").arg(k));
}

// One question the term window asked: its prompt, its answer captions, the
// character lines it showed, and the button that was pressed.
struct Question {
    QString Prompt;
    QStringList Captions;
    QStringList Labels;  // Label2..Label6
    int Pressed = 0;
};

// Answers whatever the engine opens while a career runs: the term window's
// questions through `choose`, and any other window in the plainest way.
class Answerer : public QObject {
  public:
    using Chooser = std::function<int(const Question&)>;
    Answerer(QtUi& ui, Chooser choose) : ui_(ui), choose_(std::move(choose)) {
        timer_.callOnTimeout(this, [this] { Step(); });
        timer_.start(15);
    }

    std::vector<Question> Questions;
    QStringList Messages;
    QStringList Viewed;  // SLIST4 title lines

  private:
    void Step() {
        if (++steps_ > 20000) qFatal("the career never finished");
        if (QWidget* modal = QApplication::activeModalWidget()) {
            AnswerModal(modal);
            return;
        }
        Form3* form = ui_.TermWindow();
        if (!form || !form->isVisible()) return;
        Question q;
        for (int k = 1; k <= 5; ++k) {
            QPushButton* b = AnswerButton(form, k);
            q.Captions << (b->isVisible() ? b->text() : QString());
        }
        while (!q.Captions.isEmpty() && q.Captions.last().isEmpty()) q.Captions.removeLast();
        if (q.Captions.isEmpty()) return;  // no question open
        q.Prompt = form->findChild<QLabel*>("Label1")->text();
        for (int k = 2; k <= 6; ++k)
            q.Labels << form->findChild<QLabel*>(QString("Label%1").arg(k))->text();
        if (Questions.empty()) Shoot(form, "Form3");
        q.Pressed = choose_(q);
        Questions.push_back(q);
        QTest::mouseClick(AnswerButton(form, q.Pressed), Qt::LeftButton);
    }

    void AnswerModal(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Messages << box->text();
            QAbstractButton* no = box->button(QMessageBox::No);
            (no ? no : box->buttons().first())->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->accept();
        } else if (modal->objectName() == "SPICKBOX") {
            modal->findChild<QPushButton*>("Command1_1")->click();
        } else if (modal->objectName() == "SLIST1") {
            modal->findChild<QListWidget*>("List1")->item(0)->setSelected(true);
            modal->findChild<QPushButton*>("cmdOK")->click();
        } else if (modal->objectName() == "Form2") {
            modal->findChild<QPushButton*>("cmdRandom")->click();
        } else if (modal->objectName() == "SLIST4") {
            Viewed << modal->findChild<QLabel*>("Label1")->text();
            modal->findChild<QPushButton*>("cmdOK")->click();
        } else {
            modal->close();
        }
    }

    QtUi& ui_;
    Chooser choose_;
    QTimer timer_;
    int steps_ = 0;
};

int Find(const QStringList& captions, const QString& caption) {
    const int at = static_cast<int>(captions.indexOf(caption));
    return at < 0 ? 0 : at + 1;
}

}  // namespace

class CareerTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void termButtonsReturnTheirNumber();
    void closingTheTermWindowAnswersNothing();
    void mainWindowToMusteringOut();

  private:
    // Each test has its own face: its windows keep the game they were made for.
    std::unique_ptr<QtUi> ui_;
    SeededDice dice_{20};
    std::unique_ptr<Game> g_;
};

void CareerTest::init() {
    ui_ = std::make_unique<QtUi>();
    g_ = std::make_unique<Game>(*ui_, dice_);
    Game& g = *g_;
    SetAppTitle(g);
    FillTables(g);
    g.DataLoc = std::string(ORRIMAR_SOURCE_DIR) + "/data/";
    QVERIFY(LoadCascades(g).empty());
    QVERIFY(LoadCoyns(g).empty());
    ListRaces(g);
}

void CareerTest::cleanup() {
    ui_.reset();
    g_.reset();
}

void CareerTest::termButtonsReturnTheirNumber() {
    Game& g = *g_;
    const std::vector<std::string> captions = {"Re-enlist", "Transfer and re-enlist", "Muster out",
                                               "Restart with this character",
                                               "Scrap and start again"};
    for (int k = 1; k <= 5; ++k) {
        ClearTermWindow(g);
        g.TermWindow.Label[1] = "End of term 1";
        for (int b = 1; b <= 5; ++b) g.TermWindow.Button[b] = {captions[b - 1], true};
        QStringList shown;
        QTimer::singleShot(0, [&, k] {
            Form3* form = ui_->TermWindow();
            for (int b = 1; b <= 5; ++b) shown << AnswerButton(form, b)->text();
            QTest::mouseClick(AnswerButton(form, k), Qt::LeftButton);
        });
        QCOMPARE(ui_->AskTerm(g), std::to_string(k));
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[k - 1], QString::fromLatin1(captions[k - 1]));
        // Between questions the buttons are hidden.
        QVERIFY(!AnswerButton(ui_->TermWindow(), k)->isVisible());
    }

    // A question with two answers shows only buttons 1 and 2.
    ClearTermWindow(g);
    g.TermWindow.Label[1] = "Character has been badly wounded and recommended to be invalided out";
    g.TermWindow.Button[1] = {"Carry on", true};
    g.TermWindow.Button[2] = {"Accept this", true};
    QList<bool> visible;
    QString prompt;
    QTimer::singleShot(0, [&] {
        Form3* form = ui_->TermWindow();
        for (int b = 1; b <= 5; ++b) visible << AnswerButton(form, b)->isVisible();
        prompt = form->findChild<QLabel*>("Label1")->text();
        QTest::mouseClick(AnswerButton(form, 2), Qt::LeftButton);
    });
    QCOMPARE(ui_->AskTerm(g), std::string("2"));
    QCOMPARE(visible, QList<bool>({true, true, false, false, false}));
    QCOMPARE(prompt, QString::fromLatin1(g.TermWindow.Label[1]));
}

void CareerTest::closingTheTermWindowAnswersNothing() {
    Game& g = *g_;
    ClearTermWindow(g);
    g.TermWindow.Button[1] = {"OK", true};
    g.TermWindow.Answer = "1";
    QTimer::singleShot(0, [&] { ui_->TermWindow()->close(); });
    QCOMPARE(ui_->AskTerm(g), std::string());
    // The next question shows the window again and is answered as usual.
    QTimer::singleShot(0, [&] {
        QVERIFY(ui_->TermWindow()->isVisible());
        QTest::mouseClick(AnswerButton(ui_->TermWindow(), 1), Qt::LeftButton);
    });
    QCOMPARE(ui_->AskTerm(g), std::string("1"));
}

void CareerTest::mainWindowToMusteringOut() {
    Game& g = *g_;
    Generate(g);  // the driver rolls before it opens the main window
    QString failure;
    QTimer::singleShot(0, [&] {
        Form1* form = ui_->MainWindow();
        auto* races = form->findChild<QComboBox*>("Combo1");
        auto* services = form->findChild<QComboBox*>("Combo2");
        auto* branches = form->findChild<QComboBox*>("Combo3");
        auto* accept = form->findChild<QPushButton*>("Command3D3");
        if (!Choose(races, "Imperial") || !Choose(services, "Imperial Navy") ||
            !Choose(branches, "Line Fleet"))
            failure = "race, service or branch not listed";
        else if (!accept->isEnabled())
            failure = "Accept not available after choosing a branch";
        Shoot(form, "Form1");
        if (failure.isEmpty())
            QTest::mouseClick(accept, Qt::LeftButton);
        else
            form->findChild<QPushButton*>("Command3D2")->click();
    });
    ui_->RunMainWindow(g);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(g.Form1.Accepted);
    QCOMPARE(g.Service.Type, std::string("NAVY"));
    QCOMPARE(g.Service.BranchName, std::string("Line Fleet"));
    g.StartCharacter = g.Character;
    g.Character.Options[OptAutoGen] = OptOn;

    // Muster out at the first chance, look at the tables once, take cash
    // while offered, then scrap the finished character.
    bool tablesShown = false;
    Answerer answers(*ui_, [&](const Question& q) {
        if (int k = Find(q.Captions, "Muster out")) return k;
        if (int k = Find(q.Captions, "Show tables"); k && !tablesShown) {
            tablesShown = true;
            return k;
        }
        if (int k = Find(q.Captions, "Financial table")) return k;
        if (int k = Find(q.Captions, "Material table")) return k;
        if (int k = Find(q.Captions, "Scrap and restart")) return k;
        return 1;
    });
    QCOMPARE(PlayCareer(g), CareerEnd::Finished);
    QCOMPARE(FinalMenu(g), CareerEnd::Scrap);

    const auto& asked = answers.Questions;
    QVERIFY(asked.size() >= 4);
    const Question& endOfTerm = asked.front();
    QVERIFY2(endOfTerm.Prompt.startsWith("End of term "), qPrintable(endOfTerm.Prompt));
    QCOMPARE(endOfTerm.Captions,
             QStringList({"Re-enlist", "Transfer and re-enlist", "Muster out",
                          "Restart with this character", "Scrap and start again"}));
    // The character lines are the engine's, as the term window showed them.
    QCOMPARE(endOfTerm.Labels[0], QString::fromLatin1(g.Race.Name + " " + g.Service.BranchName));
    QVERIFY(endOfTerm.Labels[1].startsWith(QString::fromLatin1(g.Race.StatName[1]) + ": "));
    QVERIFY(endOfTerm.Labels[2].startsWith("HP: "));
    QVERIFY(endOfTerm.Labels[3].startsWith("T "));
    // "Muster out" came back as "3": the next question is the first benefit.
    QVERIFY2(asked[1].Prompt.startsWith("Muster out: "), qPrintable(asked[1].Prompt));
    QVERIFY(asked[1].Captions.contains("Whoops! Go back"));
    // "Show tables" came back as "4": the tables opened in the text viewer.
    QCOMPARE(answers.Viewed,
             QStringList({QString::fromLatin1("Mustering out tables for " + g.Service.Name)}));
    QCOMPARE(asked.back().Captions,
             QStringList({"Save as HTML", "Save with HTM template", "Restart with this character",
                          "Scrap and restart"}));
    QVERIFY(g.Character.Money > 0 || g.Character.Benefits[1].size() > 0);
}

QTEST_MAIN(CareerTest)
#include "CareerTest.moc"
