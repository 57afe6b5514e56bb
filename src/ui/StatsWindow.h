// The statistics window: the careers it asks for (a race, one of its
// services or all of them, how many of each), the run on a thread of its
// own with its progress and Cancel, and what it shows: the bars of each
// chart and the table of figures, counted as `orrimar-cli --stats` counts
// them. Both faces render it; neither counts anything itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Models.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "stats/Statistics.h"
#include "stats/StatsRun.h"

namespace orrimar {

struct Game;

// One chart: bars in per cent of the group's finished careers.
struct StatsChart {
    std::string Name;   // "terms", "age", "rank", "skills"
    std::string Title;  // "Terms served"
    std::vector<std::string> Labels;
    std::vector<double> Percent;
    bool Across = false;  // bars lying down with names beside them; else a histogram
};

// How the careers of every group ended: one stacked bar each.
struct StatsOutcomes {
    std::string Title;
    // "Imperial, Imperial Navy"; the service alone when every group is of one race.
    std::vector<std::string> Groups;
    std::vector<std::string> Outcomes;         // OutcomeNames
    std::vector<std::vector<double>> Percent;  // [outcome][group]
};

// A line of the table, as the terminal prints it.
struct StatsRow {
    std::string Section, Name, Value, Quartiles;
};

inline constexpr const char* AllServices = "(every service)";

class StatsWindowModel {
  public:
    enum class State { Asking, Running, Done, Cancelled, Failed };

    // The races of the loaded data folder; the race and service chosen in
    // the main window are chosen here too.
    explicit StatsWindowModel(Game& g);
    // A run under way is stopped and waited for.
    ~StatsWindowModel();
    StatsWindowModel(const StatsWindowModel&) = delete;
    StatsWindowModel& operator=(const StatsWindowModel&) = delete;

    const std::vector<ListEntry>& Races() const { return races_; }
    // AllServices first, then the chosen race's services.
    std::vector<std::string> ServiceChoices() const;
    int Race() const { return race_; }
    int Service() const { return service_; }  // 0: every service
    int Count() const { return count_; }
    void SelectRace(int index);
    void SelectService(int index);
    void SetCount(int count);  // 1..MaxBatchCount
    // What the choices play, as `orrimar-cli --stats` would be asked.
    BatchOptions Options() const;

    // Starts a run; false, with Status saying why, when one is under way
    // or there is no race to play.
    bool Start();
    // Asks the run to stop after the careers under way; Poll tells when.
    void Cancel();
    // Takes in a run that ended; the state after. A face calls this on a
    // timer while Running.
    State Poll();
    // Waits for the run to end (a terminal has nothing else to do).
    State Wait();
    State Now() const { return state_; }
    int Percent() const;  // 0..100 of the careers to play
    std::string Status() const;

    // What the last finished run came to (empty before one).
    const StatsRun& Result() const { return result_; }
    std::vector<std::string> GroupNames() const;
    std::vector<StatsChart> Charts(size_t group) const;
    StatsOutcomes Outcomes() const;
    std::vector<StatsRow> Table(size_t group) const;
    // The terminal's text of the whole run.
    std::string Text() const;
    // Writes the HTML report `--stats --report` writes; "" or what kept it
    // from being written; `note` says when it has no charts.
    std::string SaveReport(const std::string& path, std::string& note) const;
    // "Save report...": asks the face for a file, writes it and says so.
    void SaveReportAsked();

  private:
    struct Job;
    Game& g_;
    std::vector<ListEntry> races_, services_;
    int race_ = -1, service_ = 0;
    int count_ = DefaultStatsCount;
    State state_ = State::Asking;
    std::string failed_;
    int64_t playedAtEnd_ = 0, totalAtEnd_ = 0;
    std::unique_ptr<Job> job_;
    StatsRun result_;
    void Finish();
};

}  // namespace orrimar
