#include "ui/qt/StatsDialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "batch/Batch.h"
#include "model/Game.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"

namespace orrimar {

namespace {

QLabel* Buddy(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

void Fill(QComboBox* combo, const QStringList& items, int current) {
    QSignalBlocker block(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(current);
}

// A chart in the window's colours: dark on a dark palette.
QChart* NewChart(const QWidget* window, const QString& title) {
    auto* chart = new QChart;
    const bool dark = window->palette().color(QPalette::Window).lightness() < 128;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(window->palette().base());
    chart->setTitleBrush(window->palette().text());
    chart->setTitle(title);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QValueAxis* PercentAxis(double most) {
    auto* axis = new QValueAxis;
    // Up to the next ten (twenty past half) at or above the highest bar, a
    // line at every step.
    const double step = most > 50 ? 20 : 10;
    const double top = std::min(100.0, std::max(step, step * std::ceil(most / step)));
    axis->setRange(0, top);
    axis->setTickCount(static_cast<int>(top / step) + 1);
    axis->setLabelFormat("%.0f%%");
    return axis;
}

// A category axis keeps one of equal names: a repeated one is numbered,
// so every bar keeps its name.
QStringList Distinct(const std::vector<std::string>& names) {
    QStringList out;
    for (const auto& name : names) {
        QString text = Q(name);
        for (int n = 2; out.contains(text); ++n) text = Q(name) + QString(" (%1)").arg(n);
        out << text;
    }
    return out;
}

// Replaces the chart a view shows; the view owns only the one it shows.
void Show(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

QChart* BarsChart(const QWidget* window, const StatsChart& c) {
    QChart* chart = NewChart(window, Q(c.Title));
    chart->legend()->hide();
    auto* set = new QBarSet("% of careers");
    // Bars lying down are drawn from the bottom up: the first goes last, so
    // it stands at the top as in the table.
    std::vector<double> percent = c.Percent;
    std::vector<std::string> labels = c.Labels;
    if (c.Across) {
        std::reverse(percent.begin(), percent.end());
        std::reverse(labels.begin(), labels.end());
    }
    for (const double p : percent) set->append(p);
    QAbstractBarSeries* series = c.Across
                                     ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    series->append(set);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    QValueAxis* values =
        PercentAxis(c.Percent.empty() ? 0 : *std::max_element(c.Percent.begin(), c.Percent.end()));
    QAbstractAxis* names;
    if (c.Across) {
        auto* categories = new QBarCategoryAxis;
        categories->append(Distinct(labels));
        // Short labels such as ranks would otherwise be cut to "...".
        categories->setTruncateLabels(false);
        names = categories;
    } else {
        // A histogram names every few values, so its labels never crowd.
        auto* positions = new QCategoryAxis;
        positions->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        positions->setRange(-0.5, static_cast<double>(c.Labels.size()) - 0.5);
        const size_t step = std::max<size_t>(1, (c.Labels.size() + 11) / 12);
        for (size_t k = 0; k < c.Labels.size(); k += step)
            positions->append(Q(c.Labels[k]), static_cast<double>(k));
        names = positions;
    }
    chart->addAxis(names, c.Across ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, c.Across ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(values);
    return chart;
}

QChart* OutcomesChart(const QWidget* window, const StatsOutcomes& o) {
    QChart* chart = NewChart(window, Q(o.Title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* series = new QHorizontalStackedBarSeries;
    // The report's colours: the better the end, the greener.
    const QColor colours[] = {"#3c8c3c", "#a0c040", "#e0a020", "#c04040", "#777777"};
    for (size_t k = 0; k < o.Outcomes.size(); ++k) {
        auto* set = new QBarSet(Q(o.Outcomes[k]));
        set->setColor(colours[k % std::size(colours)]);
        set->setBorderColor(colours[k % std::size(colours)]);
        for (auto p = o.Percent[k].rbegin(); p != o.Percent[k].rend(); ++p) set->append(*p);
        series->append(set);
    }
    chart->addSeries(series);
    auto* groups = new QBarCategoryAxis;
    groups->append(Distinct({o.Groups.rbegin(), o.Groups.rend()}));
    groups->setTruncateLabels(false);
    QValueAxis* values = PercentAxis(100);
    chart->addAxis(groups, Qt::AlignLeft);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(groups);
    series->attachAxis(values);
    return chart;
}

}  // namespace

template <typename F>
void StatsDialog::Act(F&& action) {
    if (rendering_) return;
    Guarded(std::forward<F>(action));
    Render();
}

StatsDialog::StatsDialog(QWidget* parent, StatsWindowModel& model) : QDialog(parent), m_(model) {
    setObjectName("FormStats");
    setWindowTitle("Statistics");
    auto* layout = new QVBoxLayout(this);

    auto* ask = new QHBoxLayout;
    race_ = new QComboBox;
    race_->setObjectName("statsRace");
    service_ = new QComboBox;
    service_->setObjectName("statsService");
    count_ = new QSpinBox;
    count_->setObjectName("statsCount");
    count_->setRange(1, MaxBatchCount);
    count_->setSingleStep(1000);
    count_->setGroupSeparatorShown(true);
    run_ = NamedButton("R&un", "statsRun");
    run_->setDefault(true);
    ask->addWidget(Buddy("&Race:", race_));
    ask->addWidget(race_, 1);
    ask->addWidget(Buddy("&Service:", service_));
    ask->addWidget(service_, 2);
    ask->addWidget(Buddy("Care&ers of each:", count_));
    ask->addWidget(count_);
    ask->addWidget(run_);
    layout->addLayout(ask);

    auto* running = new QHBoxLayout;
    progress_ = new QProgressBar;
    progress_->setObjectName("statsProgress");
    progress_->setRange(0, 100);
    cancel_ = NamedButton("&Cancel", "statsCancel");
    running->addWidget(progress_, 1);
    running->addWidget(cancel_);
    layout->addLayout(running);
    status_ = new QLabel;
    status_->setObjectName("statsStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* which = new QHBoxLayout;
    group_ = new QComboBox;
    group_->setObjectName("statsGroup");
    which->addWidget(Buddy("Sho&w:", group_));
    which->addWidget(group_, 1);
    layout->addLayout(which);

    tabs_ = new QTabWidget;
    // Bars lying down need a line of text each: the page scrolls when a
    // group has many ranks or skills.
    auto* chartsPage = new QScrollArea;
    chartsPage->setWidgetResizable(true);
    chartsPage->setFrameShape(QFrame::NoFrame);
    auto* chartsSheet = new QWidget;
    chartsPage->setWidget(chartsSheet);
    auto* grid = new QGridLayout(chartsSheet);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* names[] = {"termsChart", "ageChart", "rankChart", "skillsChart"};
    for (int k = 0; k < 4; ++k) {
        charts_[k] = new QChartView;
        charts_[k]->setObjectName(names[k]);
        charts_[k]->setRenderHint(QPainter::Antialiasing);
        charts_[k]->setMinimumSize(260, 180);
        grid->addWidget(charts_[k], k / 2, k % 2);
    }
    tabs_->addTab(chartsPage, "C&harts");
    outcomes_ = new QChartView;
    outcomes_->setObjectName("outcomeChart");
    outcomes_->setRenderHint(QPainter::Antialiasing);
    tabs_->addTab(outcomes_, "How careers e&nded");
    table_ = new QTableWidget(0, 4);
    table_->setObjectName("statsTable");
    table_->setHorizontalHeaderLabels({"Section", "Figure", "Value", "Quartiles"});
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabs_->addTab(table_, "&Table");
    layout->addWidget(tabs_, 1);

    auto* buttons = new QHBoxLayout;
    save_ = NamedButton("Save re&port...", "statsSave");
    auto* close = NamedButton("Cl&ose", "statsClose");
    buttons->addWidget(save_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(race_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { m_.SelectRace(i); }); });
    connect(service_, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { Act([this, i] { m_.SelectService(i); }); });
    connect(count_, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int n) { Act([this, n] { m_.SetCount(n); }); });
    connect(run_, &QPushButton::clicked, this, [this] {
        Act([this] {
            if (m_.Start()) timer_->start();
        });
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { Act([this] { m_.Cancel(); }); });
    connect(group_, qOverload<int>(&QComboBox::activated), this, [this](int i) { ShowGroup(i); });
    connect(save_, &QPushButton::clicked, this, [this] { Act([this] { m_.SaveReportAsked(); }); });
    connect(close, &QPushButton::clicked, this, &StatsDialog::reject);
    // The run tells how far it is when asked; the window asks ten times a
    // second and stays free for the user meanwhile.
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (m_.Poll() != StatsWindowModel::State::Running) timer_->stop();
        Render();
    });
    ResizeWithin(this, 980, 760);
    Render();
}

void StatsDialog::Render() {
    rendering_ = true;
    const bool running = m_.Now() == StatsWindowModel::State::Running;
    QStringList races;
    for (const auto& race : m_.Races()) races << Q(race.Display);
    Fill(race_, races, m_.Race());
    QStringList services;
    for (const auto& service : m_.ServiceChoices()) services << Q(service);
    Fill(service_, services, m_.Service());
    if (count_->value() != m_.Count()) {
        QSignalBlocker block(count_);
        count_->setValue(m_.Count());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{race_, service_, count_})
        w->setEnabled(!running);
    run_->setEnabled(!running && !m_.Races().empty());
    cancel_->setEnabled(running);
    progress_->setValue(m_.Percent());
    status_->setText(Q(m_.Status()));
    const bool done = m_.Now() == StatsWindowModel::State::Done;
    save_->setEnabled(done);
    if (shownFor_ != static_cast<int>(m_.Now())) {
        shownFor_ = static_cast<int>(m_.Now());
        ShowResults();
    }
    rendering_ = false;
}

void StatsDialog::ShowResults() {
    QStringList groups;
    for (const auto& name : m_.GroupNames()) groups << Q(name);
    Fill(group_, groups, groups.isEmpty() ? -1 : 0);
    group_->setEnabled(groups.size() > 1);
    Show(outcomes_, OutcomesChart(this, m_.Outcomes()));
    ShowGroup(0);
}

void StatsDialog::ShowGroup(int group) {
    const auto charts = m_.Charts(static_cast<size_t>(std::max(group, 0)));
    for (int k = 0; k < 4; ++k) {
        const bool drawn = k < static_cast<int>(charts.size());
        Show(charts_[k], drawn ? BarsChart(this, charts[k]) : NewChart(this, ""));
        const int bars = drawn && charts[k].Across ? static_cast<int>(charts[k].Labels.size()) : 0;
        charts_[k]->setMinimumHeight(std::max(180, bars * (fontMetrics().height() + 6) + 90));
    }
    const auto rows = m_.Table(static_cast<size_t>(std::max(group, 0)));
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const StatsRow& row = rows[static_cast<size_t>(r)];
        const std::string cells[] = {row.Section, row.Name, row.Value, row.Quartiles};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(Q(cells[c]));
            if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(2);
    table_->resizeColumnToContents(3);
}

void StatsDialog::reject() {
    m_.Cancel();
    timer_->stop();
    QDialog::reject();
}

}  // namespace orrimar
