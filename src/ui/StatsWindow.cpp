#include "ui/StatsWindow.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "data/Race.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "output/SaveDialog.h"
#include "stats/StatsOutput.h"

namespace orrimar {

// The run's own thread and what it fills in; the window's thread reads
// the result only once `Ended` is set.
struct StatsWindowModel::Job {
    StatsControl Control;
    StatsRun Run;
    std::string Failed;
    std::atomic<bool> Ended{false};
    std::thread Thread;
};

StatsWindowModel::StatsWindowModel(Game& g) : g_(g) {
    races_ = g.windows.RaceList.Entries;
    if (races_.empty()) return;
    SelectRace(std::clamp(g.windows.RaceList.Selected, 0, static_cast<int>(races_.size()) - 1));
    // The main window's service, when its race is the one chosen here.
    if (const ListEntry* service = g.windows.ServiceList.Current();
        service && g.windows.RaceList.Selected == race_)
        for (size_t k = 0; k < services_.size(); ++k)
            if (services_[k].Key == service->Key) service_ = static_cast<int>(k) + 1;
}

StatsWindowModel::~StatsWindowModel() {
    if (!job_) return;
    job_->Control.Stop = true;
    job_->Thread.join();
}

std::vector<std::string> StatsWindowModel::ServiceChoices() const {
    std::vector<std::string> choices{AllServices};
    for (const auto& s : services_) choices.push_back(s.Display);
    return choices;
}

void StatsWindowModel::SelectRace(int index) {
    if (index < 0 || index >= static_cast<int>(races_.size())) return;
    race_ = index;
    service_ = 0;
    // The race's services as the main window lists them, without changing
    // what the main window shows.
    const ChoiceList shown = g_.windows.ServiceList;
    ListServices(g_, &races_[static_cast<size_t>(index)]);
    services_ = g_.windows.ServiceList.Entries;
    g_.windows.ServiceList = shown;
}

void StatsWindowModel::SelectService(int index) {
    if (index >= 0 && index <= static_cast<int>(services_.size())) service_ = index;
}

void StatsWindowModel::SetCount(int count) {
    count_ = std::clamp(count, 1, MaxBatchCount);
}

BatchOptions StatsWindowModel::Options() const {
    BatchOptions o;
    o.DataDir = g_.session.DataLoc;
    // Keys pick exactly the entries chosen; seed 1 as the terminal's default,
    // so both faces give the same figures for the same question.
    if (race_ >= 0) o.Race = races_[static_cast<size_t>(race_)].Key;
    if (service_ > 0) o.Service = services_[static_cast<size_t>(service_ - 1)].Key;
    o.Count = count_;
    o.Seed = 1;
    o.Jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, MaxBatchJobs);
    o.WritePages = false;
    return o;
}

bool StatsWindowModel::Start() {
    if (state_ == State::Running) return false;
    if (race_ < 0) {
        state_ = State::Failed;
        failed_ = "No races are loaded: choose a data folder first.";
        return false;
    }
    result_ = StatsRun{};
    failed_.clear();
    job_ = std::make_unique<Job>();
    Job* job = job_.get();
    job->Thread = std::thread([job, options = Options()] {
        job->Failed = PlayStats(options, job->Run, &job->Control);
        job->Ended = true;
    });
    state_ = State::Running;
    return true;
}

void StatsWindowModel::Cancel() {
    if (state_ == State::Running) job_->Control.Stop = true;
}

void StatsWindowModel::Finish() {
    job_->Thread.join();
    playedAtEnd_ = job_->Control.Played;
    totalAtEnd_ = job_->Control.Total;
    // A run that ended before Cancel took effect is shown whole.
    if (!job_->Failed.empty() && job_->Control.Stop) {
        state_ = State::Cancelled;
    } else if (!job_->Failed.empty()) {
        state_ = State::Failed;
        failed_ = job_->Failed;
    } else {
        state_ = State::Done;
        result_ = std::move(job_->Run);
    }
    job_.reset();
}

StatsWindowModel::State StatsWindowModel::Poll() {
    if (state_ == State::Running && job_->Ended) Finish();
    return state_;
}

StatsWindowModel::State StatsWindowModel::Wait() {
    while (Poll() == State::Running) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return state_;
}

int StatsWindowModel::Percent() const {
    const int64_t played = job_ ? job_->Control.Played.load() : playedAtEnd_;
    const int64_t total = job_ ? job_->Control.Total.load() : totalAtEnd_;
    if (state_ == State::Done) return 100;
    return total > 0 ? static_cast<int>(std::min<int64_t>(100, played * 100 / total)) : 0;
}

std::string StatsWindowModel::Status() const {
    switch (state_) {
        case State::Asking:
            return "Choose a race, one of its services or all, and how many careers of each.";
        case State::Running: {
            const int64_t total = job_->Control.Total;
            if (total == 0) return "Loading the data folder...";
            return "Played " + std::to_string(job_->Control.Played.load()) + " of " +
                   std::to_string(total) + " careers...";
        }
        case State::Cancelled:
            return "Cancelled after " + std::to_string(playedAtEnd_) + " of " +
                   std::to_string(totalAtEnd_) + " careers: nothing is counted of a part run.";
        case State::Failed:
            return failed_;
        case State::Done:
            break;
    }
    std::string text = std::to_string(result_.Count) + " careers of each of " +
                       std::to_string(result_.Groups.size()) +
                       (result_.Groups.size() == 1 ? " service" : " services") + ", seed " +
                       std::to_string(result_.Seed) + ".";
    for (const auto& why : result_.Skipped) text += " Not played: " + why + ".";
    return text;
}

std::vector<std::string> StatsWindowModel::GroupNames() const {
    std::vector<std::string> names;
    for (const auto& s : result_.Groups) names.push_back(s.Race + ", " + s.Service);
    return names;
}

namespace {

StatsChart ChartOf(const char* name, const char* title, const Bars& bars, int64_t finished,
                   bool across) {
    StatsChart chart{name, title, bars.Labels, {}, across};
    for (const int64_t n : bars.Counts)
        chart.Percent.push_back(
            finished > 0 ? 100.0 * static_cast<double>(n) / static_cast<double>(finished) : 0.0);
    return chart;
}

std::string Whole(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

}  // namespace

std::vector<StatsChart> StatsWindowModel::Charts(size_t group) const {
    if (group >= result_.Groups.size()) return {};
    const GroupSummary& s = result_.Groups[group];
    return {ChartOf("terms", "Terms served", s.Terms, s.Finished, false),
            ChartOf("age", "Age at muster-out", s.Age, s.Finished, false),
            ChartOf("rank", "Final rank", s.Ranks, s.Finished, true),
            ChartOf("skills", "Most common skills (share holding)", s.Skills, s.Finished, true)};
}

StatsOutcomes StatsWindowModel::Outcomes() const {
    StatsOutcomes o;
    o.Title = "How careers ended";
    o.Outcomes.assign(std::begin(OutcomeNames), std::end(OutcomeNames));
    o.Percent.resize(o.Outcomes.size());
    const bool oneRace =
        std::all_of(result_.Groups.begin(), result_.Groups.end(),
                    [&](const auto& s) { return s.Race == result_.Groups.front().Race; });
    if (oneRace && !result_.Groups.empty()) o.Title += ": " + result_.Groups.front().Race;
    for (const auto& s : result_.Groups) {
        o.Groups.push_back(oneRace ? s.Service : s.Race + ", " + s.Service);
        const StatsChart chart = ChartOf("outcome", "", s.Outcomes, s.Finished, true);
        for (size_t k = 0; k < o.Percent.size(); ++k)
            o.Percent[k].push_back(k < chart.Percent.size() ? chart.Percent[k] : 0.0);
    }
    return o;
}

std::vector<StatsRow> StatsWindowModel::Table(size_t group) const {
    if (group >= result_.Groups.size()) return {};
    const GroupSummary& s = result_.Groups[group];
    std::vector<StatsRow> rows;
    for (const auto& f : s.Figures) {
        StatsRow row{f.Section, f.Name, FigureText(f), ""};
        if (const auto q = s.Quartiles.find(f.Name); q != s.Quartiles.end())
            row.Quartiles =
                Whole(q->second[0]) + ", " + Whole(q->second[1]) + ", " + Whole(q->second[2]);
        rows.push_back(std::move(row));
    }
    for (const auto& [text, n] : s.Problems)
        rows.push_back(
            {"Data problems met", text, std::to_string(n) + (n == 1 ? " career" : " careers"), ""});
    return rows;
}

std::string StatsWindowModel::Text() const {
    std::ostringstream out;
    PrintStats(out, result_);
    return out.str();
}

std::string StatsWindowModel::SaveReport(const std::string& path, std::string& note) const {
    note.clear();
    if (state_ != State::Done) return "There are no figures to save: run the statistics first.";
    return WriteStatsReport(path, StatsJson(result_), note);
}

void StatsWindowModel::SaveReportAsked() {
    if (state_ != State::Done) return;
    FileDialogRequest request;
    request.Title = "Save report";
    request.InitialFolder = SaveFolder();
    request.FileName = "statistics.htm";
    request.DefaultExtension = "htm";
    request.FilterDescription = "HTML report";
    request.FilterPattern = "*.htm";
    const auto path = g_.ui.SaveFileDialog(request);
    if (!path || path->empty()) return;
    std::string note;
    if (std::string failed = SaveReport(*path, note); !failed.empty()) {
        g_.ui.Message("The report was not saved: " + failed, g_.session.AppTitle,
                      MsgIcon::Critical);
        return;
    }
    RememberSaveFolder(*path);
    g_.ui.Message("Report written to " + *path + (note.empty() ? "." : " (" + note + ")."),
                  g_.session.AppTitle, MsgIcon::None);
}

}  // namespace orrimar
