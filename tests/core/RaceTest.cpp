// Race files: the loader's reading order and quirks, limits, and the race
// list with its ready marks.
#include <gtest/gtest.h>

#include "model/Text.h"
#include "startup/Race.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {
RaceRecord Load(const std::vector<std::string>& lines) {
    TempDir dir;
    RaceRecord race;
    DataProblem problem;
    EXPECT_TRUE(ReadRaceFile(dir.Write("R.ERI", lines), race, problem)) << problem.Text();
    return race;
}
}  // namespace

TEST(RaceFile, ReadsEverySection) {
    RaceRecord r =
        Load({"Test folk", "Type=12,ignored", "skipped", "[STATS]", "Strength=2D", "De=3D-1",
              "END=1D+2", "Psionic = S ", "[CASCADES]", "BLADE COMBAT/Spear/Club", "[FILES]",
              "ARMY.SRV=Army", "yearsperterm=4", "AGEAT=30", "baseage=16", "PSIrolls=5A"});
    EXPECT_EQ(r.Name, "Test folk");
    EXPECT_EQ(r.Code, 12);
    EXPECT_EQ(r.NumStats, 3);
    EXPECT_EQ(r.NumStatsCopy, 3);
    EXPECT_EQ(r.StatName[1], "Str");  // cut to three
    EXPECT_EQ(r.StatName[2], "De ");  // padded to three
    EXPECT_EQ(r.StatDice[2], 3);
    EXPECT_EQ(r.StatMod[2], -1);
    EXPECT_EQ(r.StatMod[3], 2);
    EXPECT_EQ(r.StatMod[1], 0);
    EXPECT_EQ(r.Psionic, "S");
    EXPECT_EQ(r.Cascade->Count, 1);
    EXPECT_EQ(r.Cascade[1], "BLADE COMBAT/Spear/Club");
    EXPECT_EQ(r.YearsPerTerm, 4);
    EXPECT_EQ(r.AgeAt, 30);
    EXPECT_EQ(r.BaseAge, 16);
    EXPECT_EQ(r.PsiRolls, "5A    ");
}

TEST(RaceFile, CascadesHeaderEndingTheStatsIsConsumed) {
    RaceRecord r = Load({"R", "Type=1", "[STATS]", "STR=2D", "[CASCADES]", "GUN COMBAT/Rifle"});
    EXPECT_EQ(r.NumStats, 1);
    EXPECT_EQ(r.Cascade->Count, 0);
    RaceRecord later = Load({"R", "Type=1", "[STATS]", "STR=2D", "[CASCADES]", "GUN COMBAT/Rifle",
                             "[CASCADES]", "VEHICLE/Car"});
    EXPECT_EQ(later.Cascade->Count, 1);
    EXPECT_EQ(later.Cascade[1], "VEHICLE/Car");
}

TEST(RaceFile, CascadesBeforeStatsOrNoStatsGiveNoCascades) {
    RaceRecord before =
        Load({"R", "Type=1", "[CASCADES]", "GUN COMBAT/Rifle", "[STATS]", "STR=2D"});
    EXPECT_EQ(before.NumStats, 1);
    EXPECT_EQ(before.Cascade->Count, 0);
    RaceRecord none = Load({"R", "Type=1", "[CASCADES]", "GUN COMBAT/Rifle"});
    EXPECT_EQ(none.NumStats, 0);
    EXPECT_EQ(none.Cascade->Count, 0);
    EXPECT_EQ(none.PsiRolls, "      ");
}

TEST(RaceFile, BrokenFilesAreRejectedNamingFileAndLine) {
    TempDir dir;
    RaceRecord race;
    race.Name = "kept";
    DataProblem problem;
    EXPECT_FALSE(
        ReadRaceFile(dir.Write("BAD.ERI", {"R", "Type=1", "[STATS]", "STR 2D"}), race, problem));
    EXPECT_EQ(problem.File, "BAD.ERI");
    EXPECT_EQ(problem.Line, 4);
    EXPECT_EQ(race.Name, "kept");

    std::vector<std::string> many = {"R", "Type=1", "[STATS]"};
    for (int i = 0; i < 11; ++i) many.push_back("S" + std::to_string(i) + "=2D");
    EXPECT_FALSE(ReadRaceFile(dir.Write("MANY.ERI", many), race, problem));
    EXPECT_EQ(problem.Line, 14);
    EXPECT_NE(problem.Message.find("10"), std::string::npos);

    std::vector<std::string> cascades = {"R",      "Type=1",    "[STATS]",
                                         "STR=2D", "Psionic=R", "[CASCADES]"};
    for (int i = 0; i < 21; ++i) cascades.push_back("C" + std::to_string(i) + "/a/b");
    EXPECT_FALSE(ReadRaceFile(dir.Write("CASC.ERI", cascades), race, problem));
    EXPECT_EQ(problem.Line, 27);
    EXPECT_FALSE(ReadRaceFile(dir.Path() + "NONE.ERI", race, problem));
}

// Numbers outside their range are refused at their line: dice counts that
// would roll for ever, modifiers and ages that would overflow a sum.
TEST(RaceFile, NumbersOutsideTheirRangeAreRefused) {
    TempDir dir;
    const struct {
        std::string line;
        int at;
        bool ok;
    } cases[] = {
        {"STR=20D-99", 4, true},
        {"STR=21D", 4, false},
        {"STR=99999999999D", 4, false},
        {"STR=2D+2147483647", 4, false},
        {"STR=-1D", 4, false},
        {"baseage=999", 3, true},
        {"baseage=2147483647", 3, false},
        {"ageat=-1", 3, false},
        {"yearsperterm=20", 3, true},
        {"yearsperterm=0", 3, false},
        {"yearsperterm=21", 3, false},
    };
    for (const auto& k : cases) {
        // Keyed lines stand above [STATS], characteristics below it.
        const bool stat = StartsWith(k.line, "STR");
        std::vector<std::string> lines = {"R", "Type=1"};
        if (!stat) lines.push_back(k.line);
        lines.insert(lines.end(), {"[STATS]", stat ? k.line : "STR=2D"});
        RaceRecord race;
        DataProblem problem;
        EXPECT_EQ(ReadRaceFile(dir.Write("N.ERI", lines), race, problem), k.ok) << k.line;
        if (!k.ok) {
            EXPECT_EQ(problem.Text().substr(0, 8), "N.ERI:" + std::to_string(k.at) + ":") << k.line;
        }
    }
}

TEST(RaceList, LoadingRacesSetsThrowsServicesAndTheVilaniMenu) {
    TestGame t;
    TempDir data;
    data.Write("A.ERI", {"Alpha (type 1)", "Type=1", "[STATS]", "STR=2D", "DEX=0D", "END=0D+5",
                         "Psionic=R", "[FILES]", "ARMY.SRV=Army", "NAVY.SRV=Navy", "[OTHER]",
                         "X.SRV=not listed", "PSIrolls=5A0O", "yearsperterm=4"});
    data.Write("b.eri", {"Beta", "Type=2", "[STATS]", "STR=2D", "[FILES]"});
    t.dice.SetFallback(true);
    t.g.DataLoc = data.Path();
    ListRaces(t.g);
    ASSERT_EQ(t.g.RaceList.Entries.size(), 2u);
    EXPECT_EQ(t.g.RaceList.Entries[1].Key, "b.eri");
    EXPECT_EQ(t.g.RaceList.Selected, 0);
    EXPECT_EQ(t.g.Race.Name, "Alpha (type 1)");
    EXPECT_EQ(t.g.PsiTalent[1].RaceThrow, 5);
    EXPECT_EQ(t.g.PsiTalent[2].RaceThrow, 10);
    EXPECT_EQ(t.g.PsiTalent[3].RaceThrow, -99);  // "0"
    EXPECT_EQ(t.g.PsiTalent[4].RaceThrow, -99);  // "O"
    EXPECT_EQ(t.g.PsiTalent[5].RaceThrow, -99);  // blank
    ASSERT_EQ(t.g.ServiceList.Entries.size(), 2u);
    EXPECT_EQ(t.g.ServiceList.Entries[0].Key, "ARMY.SRV");
    EXPECT_EQ(t.g.ServiceList.Entries[1].Display, "Navy");
    EXPECT_TRUE(t.g.Form1.VilaniEnabled);
    EXPECT_EQ(t.g.Form1.VilaniLevel, 0);
    EXPECT_EQ(t.g.Form1.StatNames, "STR\r\nDEX\r\nEND\r\n");
    // A fresh character: 0 dice and modifier 0 stays 0; 0 dice and +5 is 5.
    EXPECT_EQ(t.g.Character.Stats[2], 0);
    EXPECT_EQ(t.g.Character.Stats[3], 5);

    t.g.Form1.VilaniLevel = 5;
    SelectRace(t.g, 1);
    EXPECT_FALSE(t.g.Form1.VilaniEnabled);
    EXPECT_TRUE(t.g.ServiceList.Entries.empty());  // "[FILES]" at the end of the file
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(t.g.PsiTalent[i].RaceThrow, 0);
    SelectRace(t.g, 0);
    EXPECT_EQ(t.g.Form1.VilaniLevel, 0);  // 'Normal Human' ticked again
}

TEST(RaceList, ABrokenRaceFileGivesAMessageAndKeepsTheRace) {
    TestGame t;
    TempDir data;
    data.Write("A.ERI", {"Alpha", "Type=1", "[STATS]", "STR=2D"});
    data.Write("B.ERI", {"Broken", "Type=2", "[STATS]", "nonsense"});
    t.dice.SetFallback(true);
    t.g.DataLoc = data.Path();
    ListRaces(t.g);
    EXPECT_FALSE(SelectRace(t.g, 1));
    EXPECT_TRUE(t.ui.SawMessage("B.ERI:4:"));
    EXPECT_EQ(t.g.Race.Name, "Alpha");
    EXPECT_EQ(t.g.RaceList.Selected, 0);  // the list shows the race in use
}
