#include "ui/qt/OptionsDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Game.h"
#include "session/OptionSets.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"

namespace orrimar {

namespace {

QLabel* Wrapped(const char* text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// Rebuilds a list's items only when they changed, so a click on a list
// that re-renders itself does not lose the row under the pointer.
void FillList(QListWidget* list, const QStringList& items, int current) {
    QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    list->setCurrentRow(current);
    if (current < 0) list->clearSelection();
}

void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    QSignalBlocker block(edit);
    edit->setText(text);
}

}  // namespace

QWidget* DialogParent(QWidget* fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return fallback;
}

template <typename F>
void Form4::Act(F&& action) {
    if (rendering_) return;
    Guarded(std::forward<F>(action));
    Render();
}

Form4::Form4(QWidget* parent, Game& g, OptionsWindowModel& model)
    : QDialog(parent), g_(g), m_(model) {
    setObjectName("Form4");
    setWindowTitle(Q(g.session.AppTitle));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* grid = new QGridLayout;
    constexpr int perColumn = OptionsWindowModel::Boxes / 2;
    for (int box = 0; box < OptionsWindowModel::Boxes; ++box) {
        boxes_[box] = new QCheckBox(OptionCaption(box));
        boxes_[box]->setObjectName(QString("Check1_%1").arg(box));
        grid->addWidget(boxes_[box], box % perColumn, box / perColumn);
        connect(boxes_[box], &QCheckBox::clicked, this,
                [this, box](bool on) { Act([this, box, on] { OptionsTick(g_, m_, box, on); }); });
    }
    top->addLayout(grid);
    // The rank column always shows, so the window keeps its shape: the list
    // greyed while "Cap rank" is off, a note in its place with no service
    // chosen, and a note under it for a cap beyond the service's ranks.
    auto* rankColumn = new QVBoxLayout;
    ranksCaption_ = new QLabel(RankListCaption);
    rankColumn->addWidget(ranksCaption_);
    ranks_ = new QListWidget;
    ranks_->setObjectName("List1");
    ranks_->setSelectionMode(QAbstractItemView::SingleSelection);
    ranksCaption_->setBuddy(ranks_);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ranks_->setFont(fixed);
    // Wide enough for the longest rank.
    int widest = 200;
    const QFontMetrics metrics(fixed);
    for (const auto& entry : m_.RankList)
        widest = std::max(widest, metrics.horizontalAdvance(Q(entry)) + 40);
    ranks_->setMinimumWidth(widest);
    connect(ranks_, &QListWidget::currentRowChanged, this,
            [this](int row) { Act([this, row] { OptionsSelectRank(g_.career, m_, row); }); });
    rankColumn->addWidget(ranks_, 1);
    ranksNote_ = new QLabel;
    ranksNote_->setObjectName("RankNote");
    ranksNote_->setWordWrap(true);
    ranksNote_->setFixedWidth(widest);
    ranksNote_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    rankColumn->addWidget(ranksNote_);
    rankColumn->addStretch(0);  // the note stands at the top when the list is away
    top->addLayout(rankColumn);
    layout->addLayout(top, 1);

    auto* buttons = new QHBoxLayout;
    auto* preferred = NamedButton("&Preferred skills", "PreferredSkills");
    auto* sets = NamedButton("Option &Sets", "OptionSets");
    auto* done = NamedButton("&Done", "Done");
    // Enter and Escape both leave as "Done" does.
    done->setDefault(true);
    buttons->addWidget(preferred);
    buttons->addWidget(sets);
    buttons->addStretch();
    buttons->addWidget(done);
    layout->addLayout(buttons);
    connect(preferred, &QPushButton::clicked, this,
            [this] { Act([this] { OptionsPreferredSkills(g_); }); });
    connect(sets, &QPushButton::clicked, this, [this] { Act([this] { OptionsOptionSets(g_); }); });
    connect(done, &QPushButton::clicked, this, [this] {
        Guarded([this] { OptionsDone(g_); });
        accept();
    });
    Render();
    AddMnemonics(this);
    ResizeWithin(this, sizeHint().width() + 40, sizeHint().height());
}

void Form4::reject() {
    Guarded([this] { OptionsDone(g_); });
    QDialog::reject();
}

void Form4::Render() {
    rendering_ = true;
    for (int box = 0; box < OptionsWindowModel::Boxes; ++box) {
        QSignalBlocker block(boxes_[box]);
        boxes_[box]->setChecked(m_.Checked[box]);
    }
    QStringList ranks;
    for (const auto& entry : m_.RankList) ranks << Q(entry);
    FillList(ranks_, ranks, m_.RankSelected);
    ranks_->setVisible(!m_.RankList.empty());
    ranks_->setEnabled(m_.RankListVisible);
    ranksCaption_->setEnabled(m_.RankListVisible);
    const QString note = m_.RankList.empty() ? NoServiceRanks : Q(m_.RankNote);
    ranksNote_->setText(note);
    ranksNote_->setVisible(!note.isEmpty());
    rendering_ = false;
}

template <typename F>
void Form5::Act(F&& action) {
    if (rendering_) return;
    Guarded(std::forward<F>(action));
    Render();
}

Form5::Form5(QWidget* parent, Game& g, PreferredSkillsModel& model)
    : QDialog(parent), g_(g), m_(model) {
    setObjectName("Form5");
    setWindowTitle(Q(g.session.AppTitle));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(PreferredFrameCaption);
    frame->setObjectName("Frame1");
    auto* inside = new QVBoxLayout(frame);
    inside->addWidget(Wrapped(PreferredIntro));

    auto* body = new QHBoxLayout;
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(PreferredListCaption));
    list_ = new QListWidget;
    list_->setObjectName("List1");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    listColumn->addWidget(list_, 1);
    auto* listButtons = new QHBoxLayout;
    auto* add = NamedButton("&Add", "Add");
    auto* edit = NamedButton("&Edit", "Edit");
    auto* remove = NamedButton("&Delete", "Delete");
    for (auto* b : {add, edit, remove}) listButtons->addWidget(b);
    listColumn->addLayout(listButtons);
    body->addLayout(listColumn, 1);

    panel_ = new QGroupBox(PreferredPanelCaption);
    panel_->setObjectName("Frame2");
    auto* panel = new QVBoxLayout(panel_);
    panel->addWidget(Wrapped(PreferredPanelText));
    name_ = new QLineEdit;
    name_->setObjectName("Text1");
    panel->addWidget(name_);
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel("&Level:");
    levelRow->addWidget(levelLabel);
    level_ = new QLineEdit;
    level_->setObjectName("Text2");
    level_->setMaximumWidth(level_->fontMetrics().horizontalAdvance("00000") + 12);
    levelLabel->setBuddy(level_);
    level_->installEventFilter(this);
    auto* plus = NamedButton("&+", "Plus");
    auto* minus = NamedButton("&-", "Minus");
    plus->setToolTip("One level more (Alt++, or Up in the level)");
    minus->setToolTip("One level less (Alt+-, or Down in the level)");
    for (auto* b : {plus, minus})
        b->setMaximumWidth(2 * b->fontMetrics().height() + b->fontMetrics().horizontalAdvance("+"));
    levelRow->addWidget(level_);
    levelRow->addWidget(plus);
    levelRow->addWidget(minus);
    levelRow->addStretch();
    auto* ok = NamedButton("O&K", "PanelOK");
    auto* cancel = NamedButton("&Cancel", "PanelCancel");
    levelRow->addWidget(ok);
    levelRow->addWidget(cancel);
    panel->addLayout(levelRow);
    suggestions_ = new QListWidget;
    suggestions_->setObjectName("List2");
    panel->addWidget(suggestions_, 1);
    body->addWidget(panel_, 1);
    inside->addLayout(body, 1);
    layout->addWidget(frame, 1);

    auto* close = NamedButton("&OK", "OK");
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_) m_.Selected = row;
    });
    connect(add, &QPushButton::clicked, this, [this] {
        Act([this] { PreferredAdd(m_); });
        name_->setFocus();
    });
    connect(edit, &QPushButton::clicked, this, [this] {
        Act([this] { PreferredEdit(g_.session, m_); });
        if (m_.Mode != PanelMode::None) name_->setFocus();
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { Act([this] { PreferredDelete(g_.session, m_); }); });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Act([this, text] { PreferredNameTyped(g_.rules, m_, S(text)); });
    });
    connect(level_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!rendering_) m_.Level = S(text);
    });
    connect(plus, &QPushButton::clicked, this, [this] { Act([this] { PreferredPlus(m_); }); });
    connect(minus, &QPushButton::clicked, this, [this] { Act([this] { PreferredMinus(m_); }); });
    connect(ok, &QPushButton::clicked, this, [this] { Act([this] { PreferredOk(g_, m_); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Act([this] { PreferredCancel(m_); }); });
    connect(suggestions_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = suggestions_->row(item);
        Act([this, row] { PreferredPickSuggestion(g_, m_, row); });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    AddMnemonics(this);
    ResizeWithin(this, std::max(640, sizeHint().width()), std::max(420, sizeHint().height()));
}

void Form5::keyPressEvent(QKeyEvent* event) {
    // While a skill is being entered, Enter and Escape are the entry's OK
    // and Cancel; otherwise they close the window. (A focused button takes
    // Enter itself.)
    const bool entering = m_.Mode != PanelMode::None;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (entering)
                Act([this] { PreferredOk(g_, m_); });
            else
                accept();
            return;
        }
        if (event->key() == Qt::Key_Escape && entering) {
            Act([this] { PreferredCancel(m_); });
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down in the level act as + and -.
    if (watched == level_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Act([this, key] { key == Qt::Key_Up ? PreferredPlus(m_) : PreferredMinus(m_); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form5::Render() {
    rendering_ = true;
    QStringList lines;
    for (const auto& line : m_.List) lines << Q(line.Text);
    FillList(list_, lines, m_.Selected);
    panel_->setVisible(m_.Mode != PanelMode::None);
    SetText(name_, Q(m_.Name));
    SetText(level_, Q(m_.Level));
    QStringList found;
    for (const auto& s : m_.Suggestions) found << Q(s);
    FillList(suggestions_, found, -1);
    rendering_ = false;
}

Form6::Form6(QWidget* parent, Game& g) : QDialog(parent), g_(g) {
    setObjectName("Form6");
    setWindowTitle(SaveOptionSetCaption);
    auto* layout = new QVBoxLayout(this);
    for (const char* text : SaveOptionSetTexts) layout->addWidget(Wrapped(text));
    for (int n = 1; n <= 4; ++n) {
        slots_[n] = new QPushButton;
        slots_[n]->setObjectName(QString("Command1_%1").arg(n));
        slots_[n]->setMinimumHeight(slots_[n]->sizeHint().height() + 4);
        layout->addWidget(slots_[n]);
        connect(slots_[n], &QPushButton::clicked, this, [this, n] {
            Guarded([this, n] { SaveOptionSet(g_, n); });
            Render();
        });
    }
    auto* done = NamedButton("&Done", "Done");
    done->setDefault(true);
    layout->addWidget(done, 0, Qt::AlignRight);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    ResizeWithin(this, std::max(460, sizeHint().width()), sizeHint().height());
}

void Form6::Render() {
    // A set's name is the user's: an "&" in it is shown, not a key.
    for (int n = 1; n <= 4; ++n)
        slots_[n]->setText(Q(OptionSetSlotCaption(g_.session, n)).replace('&', "&&"));
    AddMnemonics(this);
}

}  // namespace orrimar
