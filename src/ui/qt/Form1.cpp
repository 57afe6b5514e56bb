#include "ui/qt/Form1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "model/Game.h"
#include "output/Listings.h"
#include "output/TestPlan.h"
#include "startup/Settings.h"
#include "ui/MainWindow.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/QtUi.h"

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

    menuBar->addAction("Options...", this, [this] { Act([this] { g_.ui.ShowOptions(g_); }); });
    optionSets_ = menuBar->addMenu("Load Option Set...");
    vilani_ = menuBar->addMenu("Vilani Blood...");
    vilani_->setObjectName("mnuvilani");
    for (int k = 0; k < MainWindowModel::VilaniLevels; ++k) {
        vilaniActions_[k] = vilani_->addAction(MainWindowModel::VilaniCaptions[k]);
        vilaniActions_[k]->setCheckable(true);
        connect(vilaniActions_[k], &QAction::triggered, this,
                [this, k] { Act([this, k] { Form1SetVilaniLevel(g_, k); }); });
    }
    QMenu* show = menuBar->addMenu("Show...");
    const std::pair<const char*, void (*)(Game&)> listings[] = {
        {"Race, Service and Branch data", ShowRaceServiceData},
        {"Race/services", ShowRaceServices},
        {"All races", ShowAllRaces},
        {"All services for race", ShowAllServicesForRace},
        {"All branches for service", ShowAllBranchesForService},
        {"Cascades listing", ShowCascadesListing}};
    for (const auto& [caption, listing] : listings)
        show->addAction(caption, this, [this, listing] { Act([this, listing] { listing(g_); }); });
    testPlan_ = show->addAction("Test Plan", this, [this] { Act([this] { RunTestPlan(g_); }); });
    testPlan_->setObjectName("mnutestplan");
    QAction* load =
        menuBar->addAction("Load a TRG file", this, [this] { Act([this] { Form1LoadTrg(g_); }); });
    load->setObjectName("mnuload");
    menuBar->addAction("About...", this, [this] { Act([this] { g_.ui.ShowAbout(g_); }); });

    auto* heading = new QLabel("Enhanced Astrovane Characters for Windows");
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading);
    layout->addWidget(new QLabel("Astrovane"));

    auto* lists = new QGridLayout;
    combo1_ = new QComboBox;
    combo1_->setObjectName("Combo1");
    combo2_ = new QComboBox;
    combo2_->setObjectName("Combo2");
    combo3_ = new QComboBox;
    combo3_->setObjectName("Combo3");
    combo3_->installEventFilter(this);
    lists->addWidget(new QLabel("Race:"), 0, 0);
    lists->addWidget(combo1_, 0, 1);
    lists->addWidget(new QLabel("Service:"), 1, 0);
    lists->addWidget(combo2_, 1, 1);
    lists->addWidget(new QLabel("Branch:"), 2, 0);
    lists->addWidget(combo3_, 2, 1);
    lists->setColumnStretch(1, 1);
    layout->addLayout(lists);
    connect(combo1_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectRace(g_, i); }); });
    connect(combo2_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectService(g_, i); }); });
    connect(combo3_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { SelectBranch(g_, i); }); });

    auto* frame = new QGroupBox("Basic character statistics");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(new QLabel("Statistics:"));
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
    panel_->setToolTip("Double-click to type the characteristics in");
    panel_->installEventFilter(this);
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
    frameLayout->addWidget(sheet);
    auto* vitals = new QHBoxLayout;
    vitals->addWidget(new QLabel("Hits:"));
    hits_ = new QLabel;
    hits_->setObjectName("lblHits");
    vitals->addWidget(hits_);
    vitals->addSpacing(20);
    vitals->addWidget(new QLabel("TL:"));
    tl_ = new QLabel;
    tl_->setObjectName("Label10");
    tl_->setFrameShape(QFrame::StyledPanel);
    tl_->setFrameShadow(QFrame::Sunken);
    tl_->setMinimumWidth(tl_->fontMetrics().horizontalAdvance("000") + 12);
    tl_->setAlignment(Qt::AlignCenter);
    tl_->setCursor(Qt::PointingHandCursor);
    tl_->setToolTip("Click to enter the tech level");
    tl_->installEventFilter(this);
    vitals->addWidget(tl_);
    vitals->addStretch();
    frameLayout->addLayout(vitals);
    layout->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    auto* generate = new QPushButton("Generate");
    generate->setObjectName("Command3D1");
    accept_ = new QPushButton("Accept");
    accept_->setObjectName("Command3D3");
    auto* exit = new QPushButton("Exit");
    exit->setObjectName("Command3D2");
    for (auto* b : {generate, accept_, exit}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(generate, &QPushButton::clicked, this, [this] { Act([this] { Form1Generate(g_); }); });
    connect(accept_, &QPushButton::clicked, this, [this] { Accept(); });
    connect(exit, &QPushButton::clicked, this, [this] {
        exitRequested_ = true;
        QDialog::reject();
    });
    resize(std::max(sizeHint().width(), 520), sizeHint().height());
    CentreOnScreen(this);
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
    if (watched == panel_ && event->type() == QEvent::MouseButtonDblClick) {
        Act([this] { Form1TypeStats(g_); });
        return true;
    }
    if (watched == tl_ && event->type() == QEvent::MouseButtonRelease) {
        Act([this] { Form1TypeTechLevel(g_); });
        return true;
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
    setWindowTitle(Q(g_.AppTitle));
    Fill(combo1_, g_.RaceList);
    Fill(combo2_, g_.ServiceList);
    Fill(combo3_, g_.BranchList);
    const auto& m = g_.Form1;
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
        // A value past the race's range shows as a full bar.
        bar->setStyleSheet(QString("QProgressBar { border: 1px solid #8c8c8c; background: #ffffff;"
                                   " margin: 2px 0px; }"
                                   " QProgressBar::chunk { background: %1; }")
                               .arg(colour));
    }
    accept_->setEnabled(m.AcceptEnabled);
    vilani_->setEnabled(m.VilaniEnabled);
    for (int k = 0; k < MainWindowModel::VilaniLevels; ++k)
        vilaniActions_[k]->setChecked(k == m.VilaniLevel);
    testPlan_->setVisible(!GetEnvValue("_ZIP").empty());

    optionSets_->clear();
    for (int n = 1; n <= 4; ++n) {
        QAction* entry = optionSets_->addAction(Q(g_.OptionSetMenuName[n]));
        entry->setEnabled(g_.OptionSetMenuAvailable[n]);
        entry->setVisible(g_.OptionSetMenuAvailable[n]);
        connect(entry, &QAction::triggered, this,
                [this, n] { Act([this, n] { Form1LoadOptionSet(g_, n); }); });
    }
    optionSets_->addAction("Create", this,
                           [this] { Act([this] { g_.ui.ShowSaveOptionSet(g_); }); });
    rendering_ = false;
}

}  // namespace orrimar
