#include "ui/qt/Form3.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "model/Game.h"
#include "model/Throws.h"
#include "output/Listings.h"
#include "ui/Dialogs.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"

namespace orrimar {

Form3::Form3(Game& g) : g_(g) {
    setObjectName("Form3");
    auto* outer = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    outer->setMenuBar(menuBar);
    AddMenus(menuBar);
    AddCharacterData(outer);
    AddSkillsAndHistory(outer);
    AddEvents(outer);
    AddDigitKeys();
    AddMnemonics(this);
    ResizeWithin(this, 900, 700);
    CentreOnScreen(this);
    RestorePlace(this, objectName());
}

void Form3::AddMenus(QMenuBar* menuBar) {
    menuBar->addAction("&Options", this, [this] {
        Guarded([this] { g_.ui.ShowOptions(g_); });
        Render();
    });
    QMenu* show = menuBar->addMenu("&Show...");
    show->addAction("Race, Service and Branch data", this, [this] {
        Guarded([this] { ShowRaceServiceData(g_); });
        Render();
    });
    show->addAction("Message log", this, [this] { Guarded([this] { ShowMessageLog(g_); }); });
    show->addAction("Explain...", this, [this] { ShowExplain(); });
    menuBar->addAction("E&xit entire program", this, [this] { RequestExit(); });
}

void Form3::AddCharacterData(QVBoxLayout* outer) {
    auto* data = new QGroupBox("Character Data");
    auto* dataLayout = new QVBoxLayout(data);
    for (int k = 2; k <= 6; ++k) {
        labels_[k] = new QLabel;
        labels_[k]->setObjectName(QString("Label%1").arg(k));
        labels_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        dataLayout->addWidget(labels_[k]);
    }
    outer->addWidget(data);
}

void Form3::AddSkillsAndHistory(QVBoxLayout* outer) {
    auto* middle = new QHBoxLayout;
    auto* skillsBox = new QGroupBox("Skills");
    auto* skillsLayout = new QVBoxLayout(skillsBox);
    skills_ = new QListWidget;
    skills_->setObjectName("List1");
    // The core sets the order (by name, or by level as numbers); a list
    // sorting its texts would put level 10 before level 2.
    skills_->setSortingEnabled(false);
    skillsLayout->addWidget(skills_);
    auto* historyBox = new QGroupBox("History");
    auto* historyLayout = new QVBoxLayout(historyBox);
    history_ = new QListWidget;
    history_->setObjectName("List2");
    historyLayout->addWidget(history_);
    connect(history_, &QListWidget::currentRowChanged, this, [this] { RenderExplain(); });
    middle->addWidget(skillsBox, 1);
    middle->addWidget(historyBox, 3);
    outer->addLayout(middle, 3);
}

void Form3::AddEvents(QVBoxLayout* outer) {
    auto* events = new QGroupBox("Current events");
    auto* eventsLayout = new QVBoxLayout(events);
    log_ = new QPlainTextEdit;
    log_->setObjectName("Text1");
    log_->setReadOnly(true);
    eventsLayout->addWidget(log_, 1);
    labels_[1] = new QLabel;
    labels_[1]->setObjectName("Label1");
    labels_[1]->setWordWrap(true);
    labels_[1]->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The question's room is kept whether a question shows or not, so
    // nothing above or beside it moves: four lines, scrolled when longer.
    auto* question = new QScrollArea;
    question->setObjectName("QuestionArea");
    question->setWidget(labels_[1]);
    question->setWidgetResizable(true);
    question->setFrameShape(QFrame::NoFrame);
    question->viewport()->setAutoFillBackground(false);
    labels_[1]->setAutoFillBackground(false);
    question->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    question->setFixedHeight(4 * fontMetrics().lineSpacing() + 4);
    eventsLayout->addWidget(question);
    eventsLayout->addLayout(AnswerButtons());
    outer->addWidget(events, 2);
}

QGridLayout* Form3::AnswerButtons() {
    // Six places of one width in two rows of three (so they fit a small
    // screen), each with its key beside it: a button keeps its place
    // whatever the captions and whichever buttons show, so nothing moves
    // under the pointer from one question to the next.
    auto* row = new QGridLayout;
    constexpr int PerRow = 3;
    const int buttonWidth = fontMetrics().horizontalAdvance("Restart with this character") +
                            2 * fontMetrics().averageCharWidth();
    for (int k = 1; k <= TermWindowModel::Buttons; ++k) {
        keys_[k] = new QLabel(QString::number(k));
        keys_[k]->setObjectName(QString("Key%1").arg(k));
        keys_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        keys_[k]->setToolTip(QString("Press %1 to answer with the button beside it").arg(k));
        buttons_[k] = new QPushButton;
        buttons_[k]->setObjectName(QString("Command%1").arg(k));
        buttons_[k]->setAutoDefault(false);
        buttons_[k]->setMinimumWidth(buttonWidth);
        SetKeyed(buttons_[k]);
        QSizePolicy keep(QSizePolicy::Ignored, QSizePolicy::Fixed);
        keep.setRetainSizeWhenHidden(true);
        buttons_[k]->setSizePolicy(keep);
        QSizePolicy keepKey = keys_[k]->sizePolicy();
        keepKey.setRetainSizeWhenHidden(true);
        keys_[k]->setSizePolicy(keepKey);
        buttons_[k]->hide();
        keys_[k]->hide();
        const int line = (k - 1) / PerRow, column = 2 * ((k - 1) % PerRow);
        row->addWidget(keys_[k], line, column);
        row->addWidget(buttons_[k], line, column + 1);
        row->setColumnStretch(column + 1, 1);
        connect(buttons_[k], &QPushButton::clicked, this, [this, k] { Press(k); });
    }
    return row;
}

void Form3::AddDigitKeys() {
    // The digits answer as the buttons beside them do, from anywhere in the
    // window (the number row or the keypad).
    for (int k = 1; k <= 9; ++k) {
        for (const auto modifier : {Qt::NoModifier, Qt::KeypadModifier}) {
            const QKeyCombination digit(modifier, Qt::Key(Qt::Key_0 + k));
            auto* key = new QShortcut(QKeySequence(digit), this);
            connect(key, &QShortcut::activated, this, [this, k] { Press(k); });
        }
    }
}

void Form3::Render() {
    const auto& w = g_.windows.TermWindow;
    setWindowTitle(Q(g_.session.AppTitle));
    for (int k = 1; k <= 6; ++k) {
        QString text = Q(w.Label[k]);
        text.remove('\r');
        labels_[k]->setText(text);
    }
    skills_->clear();
    for (const auto& s : w.Skills) {
        auto* item = new QListWidgetItem(Q(s.Text), skills_);
        item->setData(Qt::UserRole, s.Tag);
    }
    {
        // Refilled without a row selected: the explanation follows the
        // latest year until the user picks one.
        const QSignalBlocker quiet(history_);
        history_->clear();
        for (const auto& h : w.History) history_->addItem(Q(h));
    }
    history_->scrollToBottom();
    RenderExplain();
    QString log = Q(w.Log);
    log.remove('\r');
    if (log_->toPlainText() != log) {
        log_->setPlainText(log);
        log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    }
    // The answer buttons show only while a question waits for them, so a
    // click between questions cannot answer the next one.
    for (int k = 1; k <= TermWindowModel::Buttons; ++k) {
        // A caption from the rules or data: an "&" in it is shown, not a key.
        const QString caption = Q(w.Button[k].Caption).replace('&', "&&");
        buttons_[k]->setText(caption);
        buttons_[k]->setToolTip(QString("%1 (key %2)").arg(Q(w.Button[k].Caption)).arg(k));
        const bool shown = waiting_ && w.Button[k].Visible;
        buttons_[k]->setVisible(shown);
        keys_[k]->setVisible(shown);
    }
}

std::string Form3::Ask() {
    g_.windows.TermWindow.Answer.clear();
    QEventLoop loop;
    waiting_ = &loop;
    Render();
    show();
    raise();
    activateWindow();
    loop.exec();
    waiting_ = nullptr;
    for (int k = 1; k <= TermWindowModel::Buttons; ++k) {
        buttons_[k]->hide();
        keys_[k]->hide();
    }
    if (exitRequested_) {
        exitRequested_ = false;
        throw ProgramExit{0};
    }
    return g_.windows.TermWindow.Answer;
}

void Form3::ShowExplain() {
    if (!explain_) {
        explain_ = new QDialog(this);
        explain_->setObjectName("Explain");
        explain_->setWindowTitle("Explain the throws");
        auto* layout = new QVBoxLayout(explain_);
        auto* hint = new QLabel(
            "The throws of the year selected in the history list; of the "
            "latest year when none is selected.");
        hint->setWordWrap(true);
        layout->addWidget(hint);
        explainText_ = new QPlainTextEdit;
        explainText_->setObjectName("ExplainText");
        explainText_->setReadOnly(true);
        explainText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        layout->addWidget(explainText_, 1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        connect(buttons, &QDialogButtonBox::rejected, explain_, &QDialog::hide);
        layout->addWidget(buttons);
        AddMnemonics(explain_);
        ResizeWithin(explain_, 640, 420);
    }
    explain_->show();
    RenderExplain();
    explain_->raise();
    explain_->activateWindow();
}

void Form3::RenderExplain() {
    if (!explain_ || explain_->isHidden()) return;
    const int row = history_->currentItem() && history_->currentItem()->isSelected()
                        ? history_->currentRow()
                        : -1;
    QString text;
    for (const auto& line : HistoryRowExplained(g_, row)) text += Q(line) + "\n";
    explainText_->setPlainText(text);
}

void Form3::RequestExit() {
    // The character in the window would be lost: ask first, No the default.
    bool yes = false;
    Guarded([&] {
        yes = g_.ui.YesNo(g_.career.Saved ? ExitSavedQuestion : ExitCareerQuestion,
                          g_.session.AppTitle, false, MsgIcon::Question);
    });
    if (!yes) return;
    // A waiting question ends the program from the engine's side, where it
    // can unwind; otherwise it ends here.
    if (waiting_) {
        exitRequested_ = true;
        waiting_->quit();
        return;
    }
    Guarded([] { throw ProgramExit{0}; });
}

void Form3::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) SavePlace(this, objectName());
    QWidget::hideEvent(event);
}

void Form3::Press(int k) {
    if (!waiting_ || k < 1 || k > TermWindowModel::Buttons ||
        !g_.windows.TermWindow.Button[k].Visible)
        return;
    g_.windows.TermWindow.Answer = std::to_string(k);
    waiting_->quit();
}

void Form3::closeEvent(QCloseEvent* event) {
    // The program closing its windows on the way out asks nothing more;
    // the user closing this one asks as "Exit entire program" does.
    if (Leaving()) return QWidget::closeEvent(event);
    event->ignore();
    RequestExit();
}

}  // namespace orrimar
