// Properties every finished career keeps, whatever the dice, the click
// order in the main window and the options. The program's own main loop
// plays every race, service and branch of the sample data under several
// seeds, in court-martial mode, with a special every year and with any
// transfer allowed; the player rolls before or after choosing the service,
// goes back from mustering out, transfers between terms, and restarts with
// the same character now and then. Careers saved as JSON play again alike.

#include <random>

#include "batch/AutoUi.h"
#include "batch/Batch.h"
#include "data/Race.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "output/CharacterJson.h"
#include "output/RecordJson.h"
#include "output/ResumeText.h"
#include "replay/Regenerate.h"
#include "session/Main.h"
#include "support/TestGame.h"
#include "text/Files.h"
#include "text/Text.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

using namespace orrimar;

namespace {

std::string Number(long value) {
    return std::to_string(value);
}

constexpr unsigned Plain = 0, CourtMartial = 1, ForceSpecial = 2, AnyTransfer = 4;

struct Job {
    SampleCareer Career;
    uint64_t Seed = 0;
    unsigned Mode = Plain;
};

// The batch's answers, with a player's detours thrown in. The main window
// and the final menu are handed to the sweep.
class PlayerUi : public AutoUi {
  public:
    std::function<void(Game&)> OnMainWindow;
    std::function<std::string(Game&)> OnFinished;
    std::mt19937 rng;
    int StartRank = -1;  // the rank as the term window first shows it
    int Whoops = 0, Restarts = 0;
    bool Restarting = false;
    bool Wandering = false;  // after going back: any offered button

    void NewCharacter(unsigned seed) {
        rng.seed(seed);
        Whoops = Restarts = 0;
        Wandering = false;
        Messages.clear();
    }
    bool OneIn(int n) { return std::uniform_int_distribution<int>(1, n)(rng) == 1; }

    void RunMainWindow(Game& g) override {
        StartRank = -1;
        OnMainWindow(g);
    }
    void ShowTermWindow(Game& g) override {
        if (StartRank < 0) StartRank = g.career.Character.Rank;
    }
    // A player's pick, not the dice's: what a face answers is recorded, the
    // dice are the rules'.
    int PickOne(PickChoices choices, const std::string&) override {
        if (choices.empty()) return 0;
        return std::uniform_int_distribution<int>(1, int(choices.size()))(rng);
    }
    bool YesNo(const std::string& text, const std::string&, bool, MsgIcon) override {
        return StartsWith(text, "Change Service from") && OneIn(2);
    }
    void PickList(Game&, PickListModel& list) override {
        // Now and then a player closes the branch list without a choice.
        if (list.Items.empty() || (list.Prompt == "Select new branch" && OneIn(4))) return;
        const int k = std::uniform_int_distribution<int>(0, int(list.Items.size()) - 1)(rng);
        list.Selected.assign(list.Items.size(), false);
        list.Selected[k] = true;
        list.Current = k;
    }
    std::string AskTerm(Game& g) override {
        const auto& w = g.windows.TermWindow;
        if (w.Button[1].Caption == "Save as HTML") return OnFinished(g);
        const bool endOfTerm = w.Button[3].Caption == "Muster out";
        if (endOfTerm && Restarts == 0 && OneIn(40)) {
            ++Restarts;
            Restarting = true;
            return "4";
        }
        if (endOfTerm && Wandering) {
            Wandering = false;
            std::vector<std::string> offered;
            for (int k = 1; k <= 3; ++k)
                if (w.Button[k].Visible) offered.push_back(std::to_string(k));
            if (!offered.empty())
                return offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(rng)];
        }
        if (endOfTerm && w.Button[1].Visible && g.career.Character.Opt(OptAnyTransfer) &&
            OneIn(3)) {
            const bool failed = Contains(w.Label[1], "Re-enlistment FAILED");
            if (!failed && g.career.Character.CurTerm - 1 < TargetTerms) return "2";
        }
        if (w.Button[5].Visible && w.Button[5].Caption == "Whoops! Go back" && Whoops < 2 &&
            OneIn(3)) {
            ++Whoops;
            Wandering = true;
            return "5";
        }
        return AutoUi::AskTerm(g);
    }
};

class Sweep {
  public:
    Sweep() : dice(1), g(ui, dice) {
        ui.game = &g;
        ui.OnMainWindow = [this](Game&) { MainWindow(); };
        ui.OnFinished = [this](Game&) { return Finished(); };
        g.session.DataLoc = SampleDataDir();
        const std::string failed = LoadDataFolder(g);
        if (!failed.empty()) throw std::runtime_error(failed);
        options0 = g.career.Character.Options;
        options0[OptAutoGen] = OptOn;
    }

    // Plays every job through the program's main loop.
    void Run(std::vector<Job> all) {
        jobs = std::move(all);
        next = 0;
        try {
            MainProcess(g);
        } catch (const ProgramExit&) {
        }
    }

    std::map<std::string, std::pair<int, std::string>> failures;
    int played = 0;

  private:
    // Chooses the career as a person would click it: `rollFirst` rolls the
    // characteristics under another service before choosing this one and
    // does not roll again; otherwise the batch's order (choose, then roll).
    bool Select(const SampleCareer& career, bool rollFirst) {
        SelectRace(g, g.windows.RaceList.IndexOf(career.Race));
        const int service = g.windows.ServiceList.IndexOf(career.Service);
        if (service < 0) return false;
        if (rollFirst) {
            const int other =
                (service + 1) % static_cast<int>(g.windows.ServiceList.Entries.size());
            if (SelectService(g, other) && !g.windows.BranchList.Entries.empty())
                SelectBranch(g, 0);
            Form1Generate(g);
        }
        return SelectService(g, service) &&
               SelectBranch(g, g.windows.BranchList.IndexOf(career.Branch));
    }

    // The main window: the next job, or after a restart the same character,
    // accepted as it is or after choosing its service and branch again.
    void MainWindow() {
        if (ui.Restarting) {
            ui.Restarting = false;
            if (ui.OneIn(2)) {
                const int service = g.windows.ServiceList.IndexOf(job.Career.Service);
                SelectService(g, service);
                SelectBranch(g, g.windows.BranchList.IndexOf(job.Career.Branch));
            }
        } else {
            if (next == jobs.size()) throw ProgramExit{0};
            job = jobs[next++];
            dice.Reseed(job.Seed);
            ui.NewCharacter(static_cast<unsigned>(job.Seed));
            g.session.SetCommandLine(job.Mode & CourtMartial ? "COURTMARTIAL" : "");
            g.career.Character.Options = options0;
            g.career.Character.Options[OptForceSpecial] = job.Mode & ForceSpecial ? OptOn : OptOff;
            g.career.Character.Options[OptAnyTransfer] = job.Mode & AnyTransfer ? OptOn : OptOff;
            g.career.Character.BranchOpen = {};
            Select(job.Career, job.Seed % 2 == 0);
        }
        startedMerchant = UCase(g.rules.Service.Type.Text) == "MERCHANT";
        if (!Form1Accept(g)) {
            Fail("the career can be chosen", "it cannot");
            throw ProgramExit{1};
        }
    }

    // The final menu: the career is finished. Restart it now and then.
    std::string Finished() {
        ++played;
        Check();
        if (ui.Restarts == 0 && ui.OneIn(4)) {
            ++ui.Restarts;
            ui.Restarting = true;
            return "3";
        }
        return "4";
    }

    void Fail(const std::string& property, const std::string& reason) {
        auto& f = failures[property];
        if (f.first++ == 0)
            f.second = g.rules.Race.Name + " / " + job.Career.Service + " / " + job.Career.Branch +
                       ", seed " + Number(long(job.Seed)) + ", mode " + Number(job.Mode) +
                       (ui.Restarts ? ", restarted" : "") + ": " + reason;
    }

    void Check() {
        const auto& c = g.career.Character;
        const auto terms = HistoryTerms(g);
        std::string shown;
        for (const auto& term : terms)
            for (const auto& year : term.Years) shown += year + "\n";

        // Every year lived is on the resume.
        for (int t = 0; t <= CharacterRecord::MaxTerm; ++t) {
            for (int y = 1; y <= CharacterRecord::MaxYear; ++y) {
                const std::string& line = c.TermLog[t].Line(y);
                if (Trim(line).empty()) continue;
                const bool listed = t >= 1 && t <= static_cast<int>(terms.size()) &&
                                    y <= static_cast<int>(terms[t - 1].Years.size()) &&
                                    terms[t - 1].Years[y - 1] == line;
                if (!listed)
                    Fail("every year lived is shown",
                         "term " + Number(t) + " year " + Number(y) + " \"" + line + "\"");
            }
        }
        // "Terms" counts the term blocks, and there is at least one.
        bool numbered = c.CurTerm >= 1 && static_cast<int>(terms.size()) == c.CurTerm;
        for (size_t i = 0; numbered && i < terms.size(); ++i)
            numbered = terms[i].Term == static_cast<int>(i + 1);
        if (!numbered || c.CurLine < 1)
            Fail("terms are whole", "Terms " + Number(c.CurTerm) + ", year " + Number(c.CurLine) +
                                        ", " + Number(long(terms.size())) + " blocks");
        // The rank is one the final service has.
        const int rank = RankIndex(g.career);
        if (rank != c.Rank || Trim(RankNameOf(g, rank)).empty() ||
            Trim(RankCodeOf(g, rank)).empty())
            Fail("rank has a name", "rank " + Number(c.Rank) + " in " + g.rules.Service.Name);
        // No gain raises a characteristic past the species maximum.
        if (!c.Opt(OptStatsOver15)) {
            for (int i = 1; i <= std::min(g.rules.Race.NumStats, 10); ++i) {
                const int max =
                    std::max(15 + g.rules.Race.StatMod[i], int(g.career.StartCharacter.Stats[i]));
                if (c.Stats[i] > max)
                    Fail("characteristics within the maximum", g.rules.Race.StatName[i] + " " +
                                                                   Number(c.Stats[i]) + " over " +
                                                                   Number(max));
            }
        }
        // No pension exactly for a career ended by a sentence the resume shows.
        const bool sentenced = Contains(shown, "DD") || Contains(shown, "Death sentence");
        if ((c.Pension == 0) != (c.CareerEnded == 1) || (c.CareerEnded == 1 && !sentenced))
            Fail("pension follows the rules", "pension " + Number(c.Pension) + ", ended " +
                                                  Number(c.CareerEnded) +
                                                  (sentenced ? "" : ", no sentence shown"));
        // The rules in play are those of the final service and branch as
        // their file gives them, whichever way the career came to them. The
        // career writes only the rank names it shows and the courses taken
        // in place of a special.
        ServiceRecord fresh;
        DataProblem problem;
        const ListEntry *service = g.windows.ServiceList.Current(),
                        *branch = g.windows.BranchList.Current();
        const std::string path = service ? ResolveNoCase(g.session.DataLoc, service->Key) : "";
        if (!branch || !ReadServiceFile(path, fresh, problem) ||
            !ReadBranch(path, branch->Key, fresh, problem)) {
            Fail("the branch is its file's", "the selected service or branch does not load");
        } else {
            fresh.RankCode = g.rules.Service.RankCode;
            fresh.RankName = g.rules.Service.RankName;
            fresh.MaxRank = g.rules.Service.MaxRank;
            fresh.PlusEdu = g.rules.Service.PlusEdu;
            if (!(fresh == g.rules.Service))
                Fail("the branch is its file's",
                     g.rules.Service.Name + " / " + g.rules.Service.BranchName);
        }
        // Every field within its table's bounds.
        if (const std::string problem = CheckWithinTables(g); !problem.empty())
            Fail("the record stays within its tables", problem);
        // A quarter of the careers, saved as JSON and read back, are played
        // again from their seed and answers alike.
        if (played % 4 == 0) {
            const auto saved = nlohmann::ordered_json::parse(CharacterJsonText(g));
            nlohmann::ordered_json again;
            const std::string why = ReplayCareer(
                RecipeFromJson(saved.at("recipe")), saved.at("character"), g.session.DataLoc,
                [&](Game& replayed) { again = CharacterSection(replayed); });
            if (!why.empty() || again != saved.at("character"))
                Fail("the career is played again alike",
                     why.empty() ? again.dump().substr(0, 300) : why);
        }
        // The starting rank is the one of the service the career began in.
        const int expected = startedMerchant ? 0 : 1;
        if (ui.StartRank != expected)
            Fail("starting rank follows the service",
                 "started at rank " + Number(ui.StartRank) + ", expected " + Number(expected));
    }

    PlayerUi ui;
    SeededDice dice;
    Game g;
    std::array<int16_t, CharacterRecord::MaxOptions + 1> options0{};
    std::vector<Job> jobs;
    size_t next = 0;
    Job job;
    bool startedMerchant = false;
};

}  // namespace

// One test a mode, so they run side by side; every career of the sample
// data under ORRIMAR_SWEEP_SEEDS seeds in each (four, twenty-four a career in
// all; one under the sanitizers).
class CareerInvariants : public testing::TestWithParam<unsigned> {};

TEST_P(CareerInvariants, HoldForEveryCareerInEveryClickOrder) {
    const unsigned mode = GetParam();
    Sweep sweep;
    const auto careers = SampleCareers();
    ASSERT_GT(careers.size(), 100u);
    std::vector<Job> jobs;
    for (size_t n = 0; n < careers.size(); ++n)
        for (uint64_t s = 0; s < ORRIMAR_SWEEP_SEEDS; ++s)
            jobs.push_back({careers[n], 7000 + n * 64 + mode * 4 + s, mode});
    sweep.Run(jobs);
    EXPECT_GE(sweep.played, static_cast<int>(jobs.size()));
    std::ostringstream report;
    for (const auto& [property, f] : sweep.failures)
        report << property << ": " << f.first << " of " << sweep.played << " careers, first "
               << f.second << "\n";
    EXPECT_TRUE(sweep.failures.empty()) << report.str();
}

INSTANTIATE_TEST_SUITE_P(Modes, CareerInvariants,
                         testing::Values(Plain, CourtMartial, ForceSpecial, AnyTransfer,
                                         CourtMartial | AnyTransfer, ForceSpecial | AnyTransfer),
                         [](const testing::TestParamInfo<unsigned>& info) {
                             const unsigned m = info.param;
                             return std::string(m == Plain ? "Plain" : "") +
                                    (m & CourtMartial ? "CourtMartial" : "") +
                                    (m & ForceSpecial ? "ForcedSpecials" : "") +
                                    (m & AnyTransfer ? "AnyTransfer" : "");
                         });
