#include "ui/qt/Form3.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/Game.h"
#include "output/Listings.h"
#include "ui/Dialogs.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/QtUi.h"

namespace orrimar {

Form3::Form3(Game& g) : g_(g) {
    setObjectName("Form3");
    auto* outer = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    outer->setMenuBar(menuBar);
    menuBar->addAction("Options", this, [this] {
        Guarded([this] { g_.ui.ShowOptions(g_); });
        Render();
    });
    QMenu* show = menuBar->addMenu("Show...");
    show->addAction("Race, Service and Branch data", this, [this] {
        Guarded([this] { ShowRaceServiceData(g_); });
        Render();
    });
    show->addAction("Message log", this, [this] { Guarded([this] { ShowMessageLog(g_); }); });
    menuBar->addAction("Exit entire program", this, [] { Guarded([] { throw ProgramExit{0}; }); });

    auto* data = new QGroupBox("Character Data");
    auto* dataLayout = new QVBoxLayout(data);
    for (int k = 2; k <= 6; ++k) {
        labels_[k] = new QLabel;
        labels_[k]->setObjectName(QString("Label%1").arg(k));
        labels_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        dataLayout->addWidget(labels_[k]);
    }
    outer->addWidget(data);

    auto* middle = new QHBoxLayout;
    auto* skillsBox = new QGroupBox("Skills");
    auto* skillsLayout = new QVBoxLayout(skillsBox);
    skills_ = new QListWidget;
    skills_->setObjectName("List1");
    skills_->setSortingEnabled(true);
    skillsLayout->addWidget(skills_);
    auto* historyBox = new QGroupBox("History");
    auto* historyLayout = new QVBoxLayout(historyBox);
    history_ = new QListWidget;
    history_->setObjectName("List2");
    QFont small("Small Fonts");
    small.setPointSize(std::max(7, font().pointSize() - 2));
    history_->setFont(small);
    historyLayout->addWidget(history_);
    middle->addWidget(skillsBox, 1);
    middle->addWidget(historyBox, 3);
    outer->addLayout(middle, 3);

    auto* events = new QGroupBox("Current events");
    auto* eventsLayout = new QVBoxLayout(events);
    log_ = new QPlainTextEdit;
    log_->setObjectName("Text1");
    log_->setReadOnly(true);
    eventsLayout->addWidget(log_, 1);
    labels_[1] = new QLabel;
    labels_[1]->setObjectName("Label1");
    labels_[1]->setWordWrap(true);
    eventsLayout->addWidget(labels_[1]);
    auto* row = new QHBoxLayout;
    for (int k = 1; k <= 5; ++k) {
        buttons_[k] = new QPushButton;
        buttons_[k]->setObjectName(QString("Command%1").arg(k));
        buttons_[k]->setAutoDefault(false);
        buttons_[k]->hide();
        row->addWidget(buttons_[k]);
        connect(buttons_[k], &QPushButton::clicked, this, [this, k] { Press(k); });
    }
    eventsLayout->addLayout(row);
    outer->addWidget(events, 2);
    resize(900, 700);
    CentreOnScreen(this);
}

void Form3::Render() {
    const auto& w = g_.TermWindow;
    setWindowTitle(Q(g_.AppTitle));
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
    history_->clear();
    for (const auto& h : w.History) history_->addItem(Q(h));
    history_->scrollToBottom();
    QString log = Q(w.Log);
    log.remove('\r');
    if (log_->toPlainText() != log) {
        log_->setPlainText(log);
        log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    }
    // The answer buttons show only while a question waits for them, so a
    // click between questions cannot answer the next one.
    for (int k = 1; k <= 5; ++k) {
        buttons_[k]->setText(Q(w.Button[k].Caption));
        buttons_[k]->setVisible(waiting_ && w.Button[k].Visible);
    }
}

std::string Form3::Ask() {
    g_.TermWindow.Answer.clear();
    QEventLoop loop;
    waiting_ = &loop;
    Render();
    show();
    raise();
    activateWindow();
    loop.exec();
    waiting_ = nullptr;
    for (int k = 1; k <= 5; ++k) buttons_[k]->hide();
    return g_.TermWindow.Answer;
}

void Form3::Press(int k) {
    if (!waiting_ || k < 1 || k > 5 || !g_.TermWindow.Button[k].Visible) return;
    g_.TermWindow.Answer = std::to_string(k);
    waiting_->quit();
}

void Form3::closeEvent(QCloseEvent* event) {
    // Closing leaves the answer empty; the caller asks again or takes its default.
    g_.TermWindow.Answer.clear();
    if (waiting_) waiting_->quit();
    QWidget::closeEvent(event);
}

}  // namespace orrimar
