#include "ui/qt/Form1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/StatsWindow.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"
#include "ui/qt/StatsDialog.h"

namespace orrimar {

namespace {
void Fill(QComboBox* combo, const ChoiceList& list) {
    combo->clear();
    for (const auto& e : list.Entries) combo->addItem(Q(e.Display));
    combo->setCurrentIndex(list.Selected);
    combo->setEnabled(list.Enabled);
}
}  // namespace

template <typename F>
void Form1::Act(F&& action) {
    if (rendering_) return;
    Guarded(std::forward<F>(action));
    Render();
}

Form1::Form1(Game& g) : g_(g) {
    setObjectName("Form1");
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    AddMenus(menuBar);
    AddHeading(layout);
    AddLists(layout);
    AddStatistics(layout);
    AddButtons(layout);
    AddMnemonics(this);
    FitOnScreen(layout, menuBar);
}

void Form1::AddMenus(QMenuBar* menuBar) {
    for (const MenuEntry& entry : MainMenu()) {
        if (!entry.Key) continue;
        const MenuAction action = entry.Action;
        if (action == MenuAction::OptionSets) {
            // Filled as the sets are saved (Render).
            optionSets_ = menuBar->addMenu(entry.Key);
        } else if (action == MenuAction::Vilani) {
            AddVilaniMenu(menuBar->addMenu(entry.Key));
        } else if (action == MenuAction::Show) {
            AddShowMenu(menuBar->addMenu(entry.Key));
        } else {
            QAction* item = menuBar->addAction(
                entry.Key, this, [this, action] { Act([this, action] { Run(action); }); });
            if (action == MenuAction::LoadTrg) item->setObjectName("mnuload");
        }
    }
}

void Form1::AddVilaniMenu(QMenu* menu) {
    vilani_ = menu;
    vilani_->setObjectName("mnuvilani");
    for (int k = 0; k < MainWindowModel::VilaniLevels; ++k) {
        vilaniActions_[k] = vilani_->addAction(MainWindowModel::VilaniCaptions[k]);
        vilaniActions_[k]->setCheckable(true);
        connect(vilaniActions_[k], &QAction::triggered, this,
                [this, k] { Act([this, k] { Form1SetVilaniLevel(g_.career, k); }); });
    }
}

void Form1::AddShowMenu(QMenu* show) {
    for (const MenuEntry& entry : ShowMenu()) {
        const MenuAction action = entry.Action;
        QAction* item = show->addAction(entry.Key, this,
                                        [this, action] { Act([this, action] { Run(action); }); });
        // Offered or not as the table says, each time the window is drawn.
        if (entry.Offered) offered_.emplace_back(item, entry.Offered);
        if (action == MenuAction::TestPlan) item->setObjectName("mnutestplan");
    }
}

void Form1::Run(MenuAction action) {
    if (RunMenuAction(g_, action)) return;
    if (action == MenuAction::Options) g_.ui.ShowOptions(g_);
    if (action == MenuAction::About) g_.ui.ShowAbout(g_);
    if (action == MenuAction::Statistics) {
        StatsWindowModel model(g_);
        StatsDialog(this, model).exec();
    }
}

void Form1::AddHeading(QVBoxLayout* layout) {
    auto* heading = new QLabel("Enhanced Astrovane Characters for Windows");
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading);
    layout->addWidget(new QLabel("Astrovane"));
}

void Form1::AddLists(QVBoxLayout* layout) {
    auto* lists = new QGridLayout;
    combo1_ = new QComboBox;
    combo1_->setObjectName("Combo1");
    combo2_ = new QComboBox;
    combo2_->setObjectName("Combo2");
    combo3_ = new QComboBox;
    combo3_->setObjectName("Combo3");
    combo3_->installEventFilter(this);
    const std::pair<const char*, QComboBox*> named[] = {
        {"&Race:", combo1_}, {"&Service:", combo2_}, {"&Branch:", combo3_}};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(named[row].first);
        label->setBuddy(named[row].second);
        // Alt and the label's letter opens the list, not only focuses it.
        label->installEventFilter(this);
        listLabels_[row] = label;
        lists->addWidget(label, row, 0);
        lists->addWidget(named[row].second, row, 1);
    }
    lists->setColumnStretch(1, 1);
    layout->addLayout(lists);
    connect(combo1_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectRace(g_, i); }); });
    connect(combo2_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectService(g_, i); }); });
    connect(combo3_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectBranch(g_, i); }); });
}

void Form1::AddStatistics(QVBoxLayout* layout) {
    auto* frame = new QGroupBox("Basic character statistics");
    auto* frameLayout = new QVBoxLayout(frame);
    statsLabel_ = new QLabel("S&tatistics:");
    statsLabel_->installEventFilter(this);
    frameLayout->addWidget(statsLabel_);
    frameLayout->addWidget(StatsSheet());
    frameLayout->addLayout(Vitals());
    layout->addWidget(frame);
}

QFrame* Form1::StatsSheet() {
    // The panel's lines and the gauges share one line height, so each gauge
    // stands beside its characteristic; room is kept for the most
    // characteristics a race has, so changing race never resizes the window.
    auto* sheet = new QFrame;
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setFrameShadow(QFrame::Sunken);
    sheet->setBackgroundRole(QPalette::Base);
    sheet->setAutoFillBackground(true);
    auto* rows = new QHBoxLayout(sheet);
    rows->setContentsMargins(6, 4, 6, 4);
    panel_ = new QLabel;
    panel_->setObjectName("Panel3D1");
    panel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    panel_->setToolTip(
        "Double-click (or Alt+T, or Enter when it has the focus) to type the "
        "characteristics in");
    panel_->installEventFilter(this);
    // Reached with Tab as well as the mouse; the frame shows the focus.
    panel_->setFocusPolicy(Qt::StrongFocus);
    panel_->setForegroundRole(QPalette::Text);
    panel_->setStyleSheet(
        "QLabel#Panel3D1 { border: 1px solid transparent; }"
        " QLabel#Panel3D1:focus { border: 1px dotted palette(highlight); }");
    statsLabel_->setBuddy(panel_);
    const int line = panel_->fontMetrics().lineSpacing();
    panel_->setMinimumWidth(panel_->fontMetrics().horizontalAdvance("MMM: 000") + 8);
    panel_->setMinimumHeight(10 * line);
    rows->addWidget(panel_);
    auto* gaugeColumn = new QVBoxLayout;
    gaugeColumn->setSpacing(0);
    for (int i = 1; i <= 10; ++i) {
        gauges_[i] = new QProgressBar;
        gauges_[i]->setObjectName(QString("Gauge1_%1").arg(i));
        gauges_[i]->setTextVisible(false);
        gauges_[i]->setFixedHeight(line);
        QSizePolicy policy = gauges_[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        gauges_[i]->setSizePolicy(policy);
        gaugeColumn->addWidget(gauges_[i]);
    }
    gaugeColumn->addStretch();
    rows->addLayout(gaugeColumn, 1);
    return sheet;
}

QHBoxLayout* Form1::Vitals() {
    auto* vitals = new QHBoxLayout;
    vitals->addWidget(new QLabel("Hits:"));
    hits_ = new QLabel;
    hits_->setObjectName("lblHits");
    vitals->addWidget(hits_);
    vitals->addSpacing(20);
    tlLabel_ = new QLabel("T&L:");
    tlLabel_->installEventFilter(this);
    vitals->addWidget(tlLabel_);
    tl_ = new QLabel;
    tl_->setObjectName("Label10");
    tl_->setStyleSheet(
        "QLabel#Label10 { border: 1px solid palette(mid); background: palette(base);"
        " color: palette(text); padding: 1px 6px; }"
        " QLabel#Label10:focus { border: 2px solid palette(highlight);"
        " padding: 0px 5px; }");
    tl_->setMinimumWidth(tl_->fontMetrics().horizontalAdvance("000") + 16);
    tl_->setAlignment(Qt::AlignCenter);
    tl_->setCursor(Qt::PointingHandCursor);
    tl_->setToolTip("Click (or Alt+L, or Enter when it has the focus) to enter the tech level");
    tl_->setFocusPolicy(Qt::StrongFocus);
    tl_->installEventFilter(this);
    tlLabel_->setBuddy(tl_);
    vitals->addWidget(tl_);
    vitals->addStretch();
    return vitals;
}

void Form1::AddButtons(QVBoxLayout* layout) {
    auto* buttons = new QHBoxLayout;
    auto* generate = new QPushButton("&Generate");
    generate->setObjectName("Command3D1");
    accept_ = new QPushButton("&Accept");
    accept_->setObjectName("Command3D3");
    auto* exit = new QPushButton("E&xit");
    exit->setObjectName("Command3D2");
    // Enter accepts the character, unless a button with the focus takes it.
    accept_->setDefault(true);
    for (auto* b : {generate, accept_, exit}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(generate, &QPushButton::clicked, this, [this] { Act([this] { Form1Generate(g_); }); });
    connect(accept_, &QPushButton::clicked, this, [this] { Accept(); });
    connect(exit, &QPushButton::clicked, this, [this] {
        exitRequested_ = true;
        QDialog::reject();
    });
    QWidget* order[] = {combo1_, combo2_, combo3_, panel_, tl_, generate, accept_, exit};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::FitOnScreen(QVBoxLayout* layout, QMenuBar* menuBar) {
    // Wide enough for every menu title, whatever the font's size: a menu bar
    // too narrow hides the last titles behind a chevron.
    const QMargins margins = layout->contentsMargins();
    const int menus = menuBar->sizeHint().width() + margins.left() + margins.right();
    setMinimumWidth(std::min(menus, AvailableArea(this).width()));
    ResizeWithin(this, std::max({sizeHint().width(), 520, menus}), sizeHint().height());
    CentreOnScreen(this);
    RestorePlace(this, objectName());
}

void Form1::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) SavePlace(this, objectName());
    QDialog::hideEvent(event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // The main window is no dialog to dismiss: Escape does not end the
    // program (Exit, Alt+X or the close box do).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form1::Accept() {
    bool ok = false;
    Act([this, &ok] { ok = Form1Accept(g_); });
    if (ok) accept();
}

void Form1::reject() {
    // Closing the main window ends the program, as its Exit button does.
    exitRequested_ = true;
    QDialog::reject();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The mouse, a label's Alt key or Enter (Space, F2) on the focused
    // control all type the value in.
    const auto pressed = [event] {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
               key == Qt::Key_F2;
    };
    if ((watched == panel_ && (event->type() == QEvent::MouseButtonDblClick || pressed())) ||
        (watched == statsLabel_ && event->type() == QEvent::Shortcut)) {
        panel_->setFocus();
        Act([this] { Form1TypeStats(g_); });
        return true;
    }
    if ((watched == tl_ && (event->type() == QEvent::MouseButtonRelease || pressed())) ||
        (watched == tlLabel_ && event->type() == QEvent::Shortcut)) {
        tl_->setFocus();
        Act([this] { Form1TypeTechLevel(g_); });
        return true;
    }
    if (event->type() == QEvent::Shortcut) {
        QComboBox* const lists[] = {combo1_, combo2_, combo3_};
        for (int row = 0; row < 3; ++row) {
            if (watched != listLabels_[row]) continue;
            QComboBox* list = lists[row];
            if (!list->isEnabled()) return true;
            list->setFocus(Qt::ShortcutFocusReason);
            list->showPopup();
            return true;
        }
    }
    if (watched == combo3_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form1::Render() {
    rendering_ = true;
    setWindowTitle(Q(g_.session.AppTitle));
    Fill(combo1_, g_.windows.RaceList);
    Fill(combo2_, g_.windows.ServiceList);
    Fill(combo3_, g_.windows.BranchList);
    const auto& m = g_.windows.Form1;
    QString stats = Q(m.StatsText);
    stats.remove('\r');
    panel_->setText(stats.trimmed());
    hits_->setText(Q(m.Hits));
    tl_->setText(Q(m.TL));
    for (int i = 1; i <= 10; ++i) {
        const Gauge& gauge = m.Gauges[i];
        QProgressBar* bar = gauges_[i];
        bar->setVisible(gauge.Visible);
        bar->setRange(gauge.Min, gauge.Max);
        bar->setValue(std::clamp(gauge.Value, gauge.Min, gauge.Max));
        const char* colour = gauge.Colour == GaugeColour::Green    ? "#2e9d3a"
                             : gauge.Colour == GaugeColour::Yellow ? "#e0c020"
                                                                   : "#d03030";
        // A value past the race's range shows as a full bar. The bar's own
        // colours keep their meaning on any palette; its trough follows the
        // palette, so a dark one is not broken by white stripes.
        bar->setStyleSheet(QString("QProgressBar { border: 1px solid palette(mid);"
                                   " background: palette(base); margin: 2px 0px; }"
                                   " QProgressBar::chunk { background: %1; }")
                               .arg(colour));
        bar->setToolTip(Q(g_.rules.Race.StatName[i]) + ": " + QString::number(gauge.Value));
    }
    accept_->setEnabled(m.AcceptEnabled);
    vilani_->setEnabled(g_.career.VilaniOffered);
    for (int k = 0; k < MainWindowModel::VilaniLevels; ++k)
        vilaniActions_[k]->setChecked(k == g_.career.VilaniLevel);
    for (const auto& [item, offered] : offered_) item->setVisible(offered());

    optionSets_->clear();
    for (int n = 1; n <= 4; ++n) {
        // A set's name is the user's: an "&" in it is shown, not a key.
        QAction* entry =
            optionSets_->addAction(Q(g_.session.OptionSetMenuName[n]).replace('&', "&&"));
        entry->setEnabled(g_.session.OptionSetMenuAvailable[n]);
        entry->setVisible(g_.session.OptionSetMenuAvailable[n]);
        connect(entry, &QAction::triggered, this,
                [this, n] { Act([this, n] { Form1LoadOptionSet(g_, n); }); });
    }
    optionSets_->addAction("Create", this,
                           [this] { Act([this] { g_.ui.ShowSaveOptionSet(g_); }); });
    AddMnemonics(optionSets_);
    rendering_ = false;
}

}  // namespace orrimar
