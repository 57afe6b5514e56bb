#include "ui/qt/OptionsDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Game.h"
#include "startup/OptionSets.h"
#include "ui/qt/QtUi.h"

namespace orrimar {

namespace {

QPushButton* Button(const char* caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

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
    setWindowTitle(Q(g.AppTitle));
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
    ranks_ = new QListWidget;
    ranks_->setObjectName("List1");
    ranks_->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    ranks_->setFont(fixed);
    // Wide enough for the longest rank, and keeping its room while hidden so
    // ticking "Cap rank" does not reshape the window.
    int widest = 200;
    const QFontMetrics metrics(fixed);
    for (const auto& entry : m_.RankList)
        widest = std::max(widest, metrics.horizontalAdvance(Q(entry)) + 40);
    ranks_->setMinimumWidth(widest);
    QSizePolicy keep = ranks_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ranks_->setSizePolicy(keep);
    connect(ranks_, &QListWidget::currentRowChanged, this,
            [this](int row) { Act([this, row] { OptionsSelectRank(g_, m_, row); }); });
    top->addWidget(ranks_);
    layout->addLayout(top, 1);

    auto* buttons = new QHBoxLayout;
    auto* preferred = Button("Preferred skills", "PreferredSkills");
    auto* sets = Button("Option Sets", "OptionSets");
    auto* done = Button("Done", "Done");
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
    resize(sizeHint().width() + 40, sizeHint().height());
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
    ranks_->setVisible(m_.RankListVisible);
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
    setWindowTitle(Q(g.AppTitle));
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
    auto* add = Button("Add", "Add");
    auto* edit = Button("Edit", "Edit");
    auto* remove = Button("Delete", "Delete");
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
    levelRow->addWidget(new QLabel("Level:"));
    level_ = new QLineEdit;
    level_->setObjectName("Text2");
    level_->setMaximumWidth(60);
    auto* plus = Button("+", "Plus");
    auto* minus = Button("-", "Minus");
    plus->setMaximumWidth(32);
    minus->setMaximumWidth(32);
    levelRow->addWidget(level_);
    levelRow->addWidget(plus);
    levelRow->addWidget(minus);
    levelRow->addStretch();
    auto* ok = Button("OK", "PanelOK");
    auto* cancel = Button("Cancel", "PanelCancel");
    levelRow->addWidget(ok);
    levelRow->addWidget(cancel);
    panel->addLayout(levelRow);
    suggestions_ = new QListWidget;
    suggestions_->setObjectName("List2");
    panel->addWidget(suggestions_, 1);
    body->addWidget(panel_, 1);
    inside->addLayout(body, 1);
    layout->addWidget(frame, 1);

    auto* close = Button("OK", "OK");
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!rendering_) m_.Selected = row;
    });
    connect(add, &QPushButton::clicked, this, [this] {
        Act([this] { PreferredAdd(m_); });
        name_->setFocus();
    });
    connect(edit, &QPushButton::clicked, this, [this] {
        Act([this] { PreferredEdit(g_, m_); });
        if (m_.Mode != PanelMode::None) name_->setFocus();
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { Act([this] { PreferredDelete(g_, m_); }); });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        Act([this, text] { PreferredNameTyped(g_, m_, S(text)); });
    });
    connect(level_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!rendering_) m_.Level = S(text);
    });
    connect(plus, &QPushButton::clicked, this, [this] { Act([this] { PreferredPlus(m_); }); });
    connect(minus, &QPushButton::clicked, this, [this] { Act([this] { PreferredMinus(m_); }); });
    connect(ok, &QPushButton::clicked, this, [this] { Act([this] { PreferredOk(g_, m_); }); });
    connect(name_, &QLineEdit::returnPressed, this,
            [this] { Act([this] { PreferredOk(g_, m_); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Act([this] { PreferredCancel(m_); }); });
    connect(suggestions_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = suggestions_->row(item);
        Act([this, row] { PreferredPickSuggestion(g_, m_, row); });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    resize(640, 420);
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
        slots_[n]->setAutoDefault(false);
        slots_[n]->setMinimumHeight(28);
        layout->addWidget(slots_[n]);
        connect(slots_[n], &QPushButton::clicked, this, [this, n] {
            Guarded([this, n] { SaveOptionSet(g_, n); });
            Render();
        });
    }
    auto* done = Button("Done", "Done");
    layout->addWidget(done, 0, Qt::AlignRight);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    Render();
    resize(460, sizeHint().height());
}

void Form6::Render() {
    for (int n = 1; n <= 4; ++n) slots_[n]->setText(Q(g_.OptionSetButton[n]));
}

}  // namespace orrimar
