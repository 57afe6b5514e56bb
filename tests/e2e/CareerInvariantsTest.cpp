// Properties every finished career keeps, whatever the dice, the click
// order in the main window and the options: every race, service and branch
// of the sample data, under several seeds, in court-martial mode, with a
// special every year and with any transfer allowed; answers that go back
// from mustering out and transfer between terms are thrown like a player
// would click them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

#include "career/Driver.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"
#include "output/ResumeText.h"
#include "startup/Files.h"
#include "startup/Main.h"
#include "startup/Race.h"
#include "startup/Service.h"
#include "support/TestGame.h"
#include "ui/AutoUi.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"

using namespace orrimar;

namespace {

constexpr unsigned Plain = 0, CourtMartial = 1, ForceSpecial = 2, AnyTransfer = 4;

// The batch's answers, but going back from mustering out now and then,
// choosing any offered button afterwards, and transferring when allowed.
class PlayerUi : public AutoUi {
  public:
    std::mt19937 rng;
    int StartRank = -1;  // the rank as the term window first shows it
    int Whoops = 0;
    bool Wandering = false;  // after going back: any offered button

    void Reset(unsigned seed) {
        rng.seed(seed);
        StartRank = -1;
        Whoops = 0;
        Wandering = false;
    }
    bool OneIn(int n) { return std::uniform_int_distribution<int>(1, n)(rng) == 1; }

    void ShowTermWindow(Game& g) override {
        if (StartRank < 0) StartRank = g.Character.Rank;
    }
    bool YesNo(const std::string& text, const std::string&, bool, MsgIcon) override {
        return StartsWith(text, "Change Service from") && OneIn(2);
    }
    void PickList(Game&, PickListModel& list) override {
        if (list.Items.empty()) return;
        const int k = std::uniform_int_distribution<int>(0, int(list.Items.size()) - 1)(rng);
        list.Selected.assign(list.Items.size(), false);
        list.Selected[k] = true;
        list.Current = k;
    }
    std::string AskTerm(Game& g) override {
        auto& w = g.TermWindow;
        const bool endOfTerm = w.Button[3].Caption == "Muster out";
        if (endOfTerm && Wandering) {
            Wandering = false;
            std::vector<std::string> offered;
            for (int k = 1; k <= 3; ++k)
                if (w.Button[k].Visible) offered.push_back(std::to_string(k));
            if (!offered.empty())
                return w.Answer = offered[std::uniform_int_distribution<size_t>(
                           0, offered.size() - 1)(rng)];
        }
        if (endOfTerm && w.Button[1].Visible && g.Character.Opt(OptAnyTransfer) && OneIn(3)) {
            const bool failed = Contains(w.Label[1], "Re-enlistment FAILED");
            if (!failed && g.Character.CurTerm - 1 < TargetTerms) return w.Answer = "2";
        }
        if (w.Button[5].Visible && w.Button[5].Caption == "Whoops! Go back" && Whoops < 2 &&
            OneIn(3)) {
            ++Whoops;
            Wandering = true;
            return w.Answer = "5";
        }
        return AutoUi::AskTerm(g);
    }
};

struct Career {
    int Race = 0;
    std::string ServiceKey, BranchKey;
};

int IndexOfKey(const ChoiceList& list, const std::string& key) {
    for (size_t i = 0; i < list.Entries.size(); ++i)
        if (EqualsNoCase(list.Entries[i].Key, key)) return static_cast<int>(i);
    return -1;
}

class Sweep {
  public:
    Sweep() : dice(1), g(ui, dice) {
        ui.game = &g;
        g.DataLoc = SampleDataDir();
        const std::string failed = LoadDataFolder(g);
        if (!failed.empty()) throw std::runtime_error(failed);
        options0 = g.Character.Options;
        options0[OptAutoGen] = OptOn;
    }

    std::vector<Career> Careers() {
        std::vector<Career> careers;
        for (int r = 0; r < static_cast<int>(g.RaceList.Entries.size()); ++r) {
            g.Character.Options = options0;
            SelectRace(g, r);
            const auto services = g.ServiceList.Entries;
            for (const auto& service : services) {
                auto lines = ReadLines(ResolveNoCase(g.DataLoc, service.Key));
                if (!lines) continue;
                for (const auto& branch : ReadBranchEntries(*lines))
                    if (branch.TransferTag < 0) careers.push_back({r, service.Key, branch.Key});
            }
        }
        return careers;
    }

    // Selects the career as a person would click it: `rollFirst` rolls the
    // characteristics under another service before choosing this one and
    // does not roll again; otherwise the batch's order (choose, then roll).
    bool Select(const Career& career, bool rollFirst) {
        SelectRace(g, career.Race);
        const int service = IndexOfKey(g.ServiceList, career.ServiceKey);
        if (service < 0) return false;
        if (rollFirst) {
            const int other = (service + 1) % static_cast<int>(g.ServiceList.Entries.size());
            if (SelectService(g, other) && !g.BranchList.Entries.empty()) SelectBranch(g, 0);
            Form1Generate(g);
        }
        if (!SelectService(g, service)) return false;
        const int branch = IndexOfKey(g.BranchList, career.BranchKey);
        if (branch < 0 || !SelectBranch(g, branch)) return false;
        if (!rollFirst) Form1Generate(g);
        return Form1Accept(g);
    }

    // Plays one career; returns the broken properties, each with a reason.
    std::map<std::string, std::string> Play(const Career& career, uint64_t seed, unsigned mode) {
        dice.Reseed(seed);
        ui.Reset(static_cast<unsigned>(seed));
        ui.Messages.clear();
        g.CommandLine = mode & CourtMartial ? "COURTMARTIAL" : "";
        g.Character.Options = options0;
        g.Character.Options[OptForceSpecial] = mode & ForceSpecial ? OptOn : OptOff;
        g.Character.Options[OptAnyTransfer] = mode & AnyTransfer ? OptOn : OptOff;
        g.Character.BranchOpen = {};
        g.TermWindow = TermWindowModel{};
        std::map<std::string, std::string> broken;
        if (!Select(career, seed % 2 == 0)) {
            broken["selectable"] = "the career cannot be chosen";
            return broken;
        }
        const bool merchant = UCase(g.Service.Type) == "MERCHANT";
        g.StartCharacter = g.Character;
        if (PlayCareer(g) != CareerEnd::Finished) {
            broken["finished"] = "the career did not finish";
            return broken;
        }
        Check(merchant, broken);
        return broken;
    }

    void Check(bool startedMerchant, std::map<std::string, std::string>& broken) {
        const auto& c = g.Character;
        const auto terms = HistoryTerms(g);
        std::string shown;
        for (const auto& term : terms)
            for (const auto& year : term.Years) shown += year + "\n";

        // Every year lived is on the resume.
        for (int t = 0; t <= CharacterRecord::MaxTerm; ++t) {
            for (int y = 1; y <= CharacterRecord::MaxYear; ++y) {
                const std::string& line = c.TermLog[t].Lines[y];
                if (Trim(line).empty()) continue;
                const bool listed = t >= 1 && t <= static_cast<int>(terms.size()) &&
                                    y <= static_cast<int>(terms[t - 1].Years.size()) &&
                                    terms[t - 1].Years[y - 1] == line;
                if (!listed)
                    broken["every year lived is shown"] = "term " + std::to_string(t) + " year " +
                                                          std::to_string(y) + " \"" + line + "\"";
            }
        }
        // "Terms" counts the term blocks, and there is at least one.
        bool numbered = c.CurTerm >= 1 && static_cast<int>(terms.size()) == c.CurTerm;
        for (size_t i = 0; numbered && i < terms.size(); ++i)
            numbered = terms[i].Term == static_cast<int>(i + 1);
        if (!numbered || c.CurLine < 1)
            broken["terms are whole"] = "Terms " + std::to_string(c.CurTerm) + ", year " +
                                        std::to_string(c.CurLine) + ", " +
                                        std::to_string(terms.size()) + " blocks";
        // The rank is one the final service has.
        const int rank = RankIndex(g);
        if (rank != c.Rank || Trim(g.Service.RankName[rank]).empty() ||
            Trim(g.Service.RankCode[rank]).empty())
            broken["rank has a name"] = "rank " + std::to_string(c.Rank) + " in " + g.Service.Name;
        // No gain raises a characteristic past the species maximum.
        if (!c.Opt(OptStatsOver15)) {
            for (int i = 1; i <= std::min(g.Race.NumStatsCopy, 10); ++i) {
                const int max = std::max(15 + g.Race.StatMod[i], int(g.StartCharacter.Stats[i]));
                if (c.Stats[i] > max)
                    broken["characteristics within the maximum"] = g.Race.StatName[i] + " " +
                                                                   std::to_string(c.Stats[i]) +
                                                                   " over " + std::to_string(max);
            }
        }
        // No pension exactly for a career ended by a sentence the resume shows.
        const bool sentenced = Contains(shown, "DD") || Contains(shown, "Death sentence");
        if ((c.Pension == 0) != (c.CareerEnded == 1) || (c.CareerEnded == 1 && !sentenced))
            broken["pension follows the rules"] = "pension " + std::to_string(c.Pension) +
                                                  ", ended " + std::to_string(c.CareerEnded) +
                                                  (sentenced ? "" : ", no sentence shown");
        // The starting rank is the one of the service the career began in.
        const int expected = startedMerchant ? 0 : 1;
        if (ui.StartRank != expected)
            broken["starting rank follows the service"] = "started at rank " +
                                                          std::to_string(ui.StartRank) +
                                                          ", expected " + std::to_string(expected);
    }

    PlayerUi ui;
    SeededDice dice;
    Game g;
    std::array<int16_t, CharacterRecord::MaxOptions + 1> options0{};
};

}  // namespace

TEST(CareerInvariants, HoldForEveryCareerInEveryClickOrderAndMode) {
    Sweep sweep;
    const auto careers = sweep.Careers();
    ASSERT_GT(careers.size(), 100u);
    std::map<std::string, std::pair<int, std::string>> failures;
    int played = 0;
    for (size_t n = 0; n < careers.size(); ++n) {
        for (unsigned mode : {Plain, CourtMartial, ForceSpecial, AnyTransfer,
                              CourtMartial | AnyTransfer, ForceSpecial | AnyTransfer}) {
            for (uint64_t s = 0; s < 2; ++s) {
                const uint64_t seed = 7000 + n * 64 + mode * 4 + s;
                for (const auto& [property, reason] : sweep.Play(careers[n], seed, mode)) {
                    auto& f = failures[property];
                    if (f.first++ == 0)
                        f.second = sweep.g.Race.Name + " / " + careers[n].ServiceKey + " / " +
                                   careers[n].BranchKey + ", seed " + std::to_string(seed) +
                                   ", mode " + std::to_string(mode) + ": " + reason;
                }
                ++played;
            }
        }
    }
    std::ostringstream report;
    for (const auto& [property, f] : failures)
        report << property << ": " << f.first << " of " << played << " careers, first " << f.second
               << "\n";
    EXPECT_TRUE(failures.empty()) << report.str();
}
