#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "career/Aging.h"
#include "model/Text.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct Check {
    int Stat;
    std::string Name;
    int Target;
    int Loss;
};

// One band as the aging rules list it, with the race code that uses its
// table and the first and last term it covers (0: open to later terms).
struct BandCase {
    int RaceCode;
    int FirstTerm;
    int LastTerm;
    std::vector<Check> Checks;
};

Check Str(int t, int l) {
    return {1, "Str", t, l};
}
Check Dex(int t, int l) {
    return {2, "Dex", t, l};
}
Check End(int t, int l) {
    return {3, "End", t, l};
}
Check Int(int t, int l) {
    return {4, "Int", t, l};
}
Check Poi(int t, int l) {
    return {7, "Poi", t, l};
}

const std::vector<BandCase> AllBands = {
    {1, 4, 7, {Str(8, 1), Dex(7, 1), End(8, 1)}},
    {1, 8, 11, {Str(9, 1), Dex(8, 1), End(9, 1)}},
    {1, 12, 0, {Str(9, 2), Dex(8, 2), End(9, 2), Int(9, 1)}},
    {3, 4, 7, {Str(7, 1), Dex(6, 1), End(7, 1)}},
    {3, 8, 11, {Str(8, 1), Dex(7, 1), End(8, 1)}},
    {3, 12, 0, {Str(9, 2), Dex(8, 2), End(9, 2), Int(9, 1)}},
    {6, 6, 6, {Str(9, 1), Dex(8, 1), End(7, 1)}},
    {6, 7, 7, {Str(8, 2), Dex(9, 2), End(8, 2)}},
    {6, 8, 0, {Str(10, 2), Dex(10, 2), End(10, 2), Int(9, 1)}},
    {8, 2, 5, {Str(9, 1), Dex(8, 1), End(8, 1)}},
    {8, 6, 9, {Str(8, 2), Dex(7, 2), End(8, 2)}},
    {8, 10, 0, {Str(7, 3), Dex(7, 3), End(7, 3), Int(9, 3)}},
    {11, 6, 9, {Str(10, 1), Dex(9, 1), End(10, 1)}},
    {11, 10, 0, {Str(9, 2), Dex(7, 2), End(8, 2), Int(9, 2)}},
    {12, 5, 5, {Str(7, 1), Dex(7, 1), End(7, 1)}},
    {12, 6, 6, {Str(8, 1), Dex(8, 1), End(8, 1)}},
    {12, 7, 7, {Str(9, 2), Dex(9, 2), End(9, 2)}},
    {12, 8, 8, {Str(10, 3), Dex(10, 3), End(10, 3), Int(9, 1)}},
    {12, 9, 0, {Str(11, 3), Dex(11, 3), End(11, 3), Int(10, 2)}},
    {24, 4, 8, {Str(7, 1), Dex(6, 1), End(7, 1), Poi(7, 1)}},
    {24, 9, 0, {Str(9, 2), Dex(8, 2), End(9, 2), Poi(7, 2)}},
};

class Aging : public ::testing::Test {
  protected:
    TestGame t;

    void SetUp() override { SetRace(1); }

    void SetRace(int code) {
        auto& r = t.g.Race;
        r.Code = code;
        r.NumStats = 7;
        const char* names[] = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "POI"};
        for (int i = 1; i <= 7; ++i) r.StatName[i] = names[i];
        r.YearsPerTerm = 4;
        for (int i = 1; i <= 7; ++i) t.g.Character.Stats[i] = 7;
        t.g.Form1.VilaniEnabled = code == 1;
        t.g.Form1.VilaniLevel = 0;
        t.g.TermWindow.Log.clear();
    }

    // Two faces summing to `total` (2..12).
    void PushTotal(int total) {
        const int a = std::min(6, total - 1);
        t.dice.Push({a, total - a});
    }

    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        for (const auto& line : Split(t.g.TermWindow.Log, '\n')) {
            std::string l = line;
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (!l.empty()) lines.push_back(l);
        }
        return lines;
    }

    // Ages the character once in `term` with every throw at its target
    // (`fail` false) or one below it (`fail` true).
    void AgeBand(const BandCase& band, int term, bool fail) {
        SetRace(band.RaceCode);
        t.g.Character.CurTerm = static_cast<int16_t>(term);
        for (const auto& check : band.Checks) PushTotal(check.Target - (fail ? 1 : 0));
        ApplyAging(t.g);
        ASSERT_EQ(t.dice.Left(), 0u);
    }
};

}  // namespace

TEST_F(Aging, EveryBandLosesOnlyBelowItsTargets) {
    for (const auto& band : AllBands) {
        const int last = band.LastTerm == 0 ? 30 : band.LastTerm;
        for (int term : {band.FirstTerm, last}) {
            SCOPED_TRACE("race " + std::to_string(band.RaceCode) + " term " + std::to_string(term));
            AgeBand(band, term, false);
            EXPECT_TRUE(LogLines().empty());
            for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.g.Character.Stats[i], 7);

            AgeBand(band, term, true);
            std::vector<std::string> expected;
            std::vector<int> stats(8, 7);
            for (const auto& check : band.Checks) {
                expected.push_back("-" + std::to_string(check.Loss) + " " + check.Name);
                stats[check.Stat] -= check.Loss;
            }
            EXPECT_EQ(LogLines(), expected);
            for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.g.Character.Stats[i], stats[i]) << i;
        }
    }
}

TEST_F(Aging, TermsOutsideEveryBandThrowNothing) {
    // The term before each table's first band (table H in term 3, table S
    // before term 6, table F in term 1).
    const std::vector<std::pair<int, int>> before = {{1, 3},  {3, 3},  {6, 5}, {8, 1},
                                                     {11, 5}, {12, 4}, {24, 3}};
    for (auto [code, term] : before) {
        SetRace(code);
        t.g.Character.CurTerm = static_cast<int16_t>(term);
        ApplyAging(t.g);  // no faces queued: any throw would fail the test
        for (int i = 1; i <= 7; ++i) EXPECT_EQ(t.g.Character.Stats[i], 7);
    }
}

TEST_F(Aging, RacesPickTheirTablesAndOthersNeverAge) {
    // Table H in term 4: Str below 8 costs 1.
    for (int code : {1, 2, 4, 5, 9, 10, 13, 15, 25}) {
        SetRace(code);
        t.g.Character.CurTerm = 4;
        t.dice.Push({1, 1, 6, 6, 6, 6});
        ApplyAging(t.g);
        EXPECT_EQ(t.g.Character.Stats[1], 6) << code;
        EXPECT_EQ(t.g.Character.Stats[2], 7) << code;
    }
    for (int code : {0, 14, 16, 20, 22, 23, 26, 99}) {
        SetRace(code);
        t.g.Character.CurTerm = 20;
        ApplyAging(t.g);
        EXPECT_EQ(t.g.TermWindow.Log, "") << code;
    }
    // Table L (race 21) keeps Str at target 7 where table H would lose it.
    SetRace(21);
    t.g.Character.CurTerm = 4;
    t.dice.Push({3, 4, 3, 3, 3, 4});
    ApplyAging(t.g);
    EXPECT_EQ(t.g.Character.Stats[1], 7);
    EXPECT_EQ(t.g.Character.Stats[2], 7);
}

TEST_F(Aging, VilaniBloodRaisesEveryThrowOfTableH) {
    for (int level = 1; level <= 5; ++level) {
        for (size_t b = 0; b < 3; ++b) {
            const BandCase& band = AllBands[b];
            SCOPED_TRACE("level " + std::to_string(level) + " band " + std::to_string(b));
            // Dice one below target minus the modifier lose; at it they keep.
            auto run = [&](bool fail) {
                SetRace(1);
                t.g.Form1.VilaniLevel = level;
                t.g.Character.CurTerm = static_cast<int16_t>(band.FirstTerm);
                int expectedLosses = 0;
                for (const auto& check : band.Checks) {
                    int dice = check.Target - level - (fail ? 1 : 0);
                    if (dice < 2) dice = 2;  // unreachable loss: any throw keeps
                    if (dice + level < check.Target) ++expectedLosses;
                    PushTotal(dice);
                }
                ApplyAging(t.g);
                auto lines = LogLines();
                ASSERT_FALSE(lines.empty());
                EXPECT_EQ(lines[0], "Vilani blood age dm " + std::to_string(level));
                EXPECT_EQ(static_cast<int>(lines.size()) - 1, expectedLosses);
            };
            run(false);
            run(true);
        }
    }
}

TEST_F(Aging, PurebloodLosesStrOnlyOnTwoAndNeverDex) {
    SetRace(1);
    t.g.Form1.VilaniLevel = 5;
    t.g.Character.CurTerm = 5;
    t.dice.Push({1, 1, 1, 1, 1, 1});
    ApplyAging(t.g);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"Vilani blood age dm 5", "-1 Str", "-1 End"}));
    EXPECT_EQ(t.g.Character.Stats[2], 7);

    t.g.TermWindow.Log.clear();
    t.dice.Push({1, 2, 1, 2, 1, 2});
    ApplyAging(t.g);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"Vilani blood age dm 5"}));
}

TEST_F(Aging, VilaniModifierOnlyWhileTheMenuIsOfferedAndOnlyOnTableH) {
    // 'Normal Human': no modifier, no log line.
    SetRace(1);
    t.g.Character.CurTerm = 4;
    t.dice.Push({3, 4, 3, 3, 3, 4});
    ApplyAging(t.g);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"-1 Str", "-1 Dex", "-1 End"}));

    // A table-H race without the menu ignores a level left ticked.
    SetRace(2);
    t.g.Form1.VilaniLevel = 3;
    t.g.Character.CurTerm = 4;
    t.dice.Push({3, 4, 3, 3, 3, 4});
    ApplyAging(t.g);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"-1 Str", "-1 Dex", "-1 End"}));

    // Other tables never take it, even with the menu offered.
    SetRace(3);
    t.g.Form1.VilaniEnabled = true;
    t.g.Form1.VilaniLevel = 5;
    t.g.Character.CurTerm = 4;
    t.dice.Push({3, 3, 2, 3, 3, 3});
    ApplyAging(t.g);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"-1 Str", "-1 Dex", "-1 End"}));
}

TEST_F(Aging, LossesHaveNoFloor) {
    SetRace(8);
    t.g.Character.CurTerm = 10;
    t.g.Character.Stats[1] = 1;
    t.g.Character.Stats[4] = 0;
    t.dice.Push({1, 1, 6, 6, 6, 6, 1, 1});
    ApplyAging(t.g);
    EXPECT_EQ(t.g.Character.Stats[1], -2);
    EXPECT_EQ(t.g.Character.Stats[4], -3);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"-3 Str", "-3 Int"}));
    EXPECT_TRUE(t.g.Character.TermLog[10].Lines[0].empty());  // the history stays untouched
}
