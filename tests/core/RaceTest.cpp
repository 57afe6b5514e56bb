// Race files: the loader's reading order and quirks, limits, and the race
// list with its ready marks.

#include "data/Race.h"
#include "model/RaceChoice.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {
// What a race file gave: name, type, characteristics (name, dice, modifier),
// cascades, psionics, years per term, ages and psionic throws.
std::string RaceText(const std::vector<std::string>& lines) {
    TempDir dir;
    RaceRecord r;
    DataProblem problem;
    EXPECT_TRUE(ReadRaceFile(dir.Write("R.ERI", lines), r, problem)) << problem.Text();
    std::string s = r.Name + " " + std::to_string(r.Code) + " " + std::to_string(r.NumStats);
    for (int i = 1; i <= r.NumStats; ++i)
        s += " " + r.StatName[i] + std::to_string(r.StatDice[i]) + "D" +
             std::to_string(r.StatMod[i]);
    s += " |";
    for (int k = 1; k <= r.Cascade->Count; ++k) s += r.Cascade[k] + "|";
    return s + "; " + r.Psionic + " " + std::to_string(r.YearsPerTerm) + " " +
           std::to_string(r.AgeAt) + " " + std::to_string(r.BaseAge) + " [" + r.PsiRolls + "]";
}
}  // namespace

// Names cut or padded to three; a [CASCADES] header ending the characteristics is consumed
// (only a second one reads cascades), and without characteristics before them there are none.
TEST(RaceFile, ReadsEverySection) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"Test folk", "Type=12,ignored", "skipped", "[STATS]", "Strength=2D", "De=3D-1",
          "END=1D+2", "Psionic = S ", "[CASCADES]", "BLADE COMBAT/Spear/Club", "[FILES]",
          "ARMY.SRV=Army", "yearsperterm=4", "AGEAT=30", "baseage=16", "PSIrolls=5A"},
         "Test folk 12 3 Str2D0 De 3D-1 END1D2 |BLADE COMBAT/Spear/Club|; S 4 30 16 [5A    ]"},
        {{"R", "Type=1", "[STATS]", "STR=2D", "[CASCADES]", "GUN COMBAT/Rifle"}, "R 1 1 STR2D0 |"},
        {{"R", "Type=1", "[STATS]", "STR=2D", "[CASCADES]", "GUN COMBAT/Rifle", "[CASCADES]",
          "VEHICLE/Car"},
         "R 1 1 STR2D0 |VEHICLE/Car|"},
        {{"R", "Type=1", "[CASCADES]", "GUN COMBAT/Rifle", "[STATS]", "STR=2D"}, "R 1 1 STR2D0 |"},
        {{"R", "Type=1", "[CASCADES]", "GUN COMBAT/Rifle"}, "R 1 0 |;  0 0 0 [      ]"}};
    for (const auto& [lines, expected] : cases) {  // the part after ";" where one is given
        const std::string read = RaceText(lines);
        EXPECT_EQ(Contains(expected, "; ") ? read : read.substr(0, read.find("; ")), expected);
    }
}

// A broken file is refused at its line (a characteristic without "=", the eleventh
// characteristic, the twenty-first cascade) and leaves the race as it was.
TEST(RaceFile, BrokenFilesAreRejectedNamingFileAndLine) {
    TempDir dir;
    std::vector<std::string> many = {"R", "Type=1", "[STATS]"}, cascades = many;
    for (int i = 0; i < 11; ++i) many.push_back("S" + std::to_string(i) + "=2D");
    cascades.insert(cascades.end(), {"STR=2D", "Psionic=R", "[CASCADES]"});
    for (int i = 0; i < 21; ++i) cascades.push_back("C" + std::to_string(i) + "/a/b");
    const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
        {{"R", "Type=1", "[STATS]", "STR 2D"}, "BAD.ERI:4:", ""},
        {many, "BAD.ERI:14: ", "10"},  // the limit is named
        {cascades, "BAD.ERI:27:", ""}};
    for (const auto& [lines, at, says] : cases) {
        RaceRecord race;
        race.Name = "kept";
        DataProblem problem;
        EXPECT_FALSE(ReadRaceFile(dir.Write("BAD.ERI", lines), race, problem));
        EXPECT_TRUE(StartsWith(problem.Text(), at)) << problem.Text();
        EXPECT_NE(problem.Message.find(says), std::string::npos) << problem.Text();
        EXPECT_EQ(race.Name, "kept");
    }
    RaceRecord race;
    DataProblem problem;
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
    } cases[] = {// clang-format off
        {"STR=20D-99", 4, true},  {"STR=21D", 4, false},       {"STR=99999999999D", 4, false},
        {"STR=2D+2147483647", 4, false}, {"STR=-1D", 4, false}, {"baseage=999", 3, true},
        {"baseage=2147483647", 3, false}, {"ageat=-1", 3, false}, {"yearsperterm=20", 3, true},
        {"yearsperterm=0", 3, false}, {"yearsperterm=21", 3, false}};
    // clang-format on
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
    t.g.session.DataLoc = data.Path();
    ListRaces(t.g);
    ASSERT_EQ(t.g.windows.RaceList.Entries.size(), 2u);
    EXPECT_EQ(std::tie(t.g.windows.RaceList.Entries[1].Key, t.g.windows.RaceList.Selected,
                       t.g.rules.Race.Name),
              std::make_tuple("b.eri", 0, "Alpha (type 1)"));
    // "5A0O" and a blank: 5, 10, then -99 for "0", "O" and the blank.
    const auto& psi = t.g.rules.PsiTalent;
    EXPECT_EQ(std::tie(psi[1].RaceThrow, psi[2].RaceThrow, psi[3].RaceThrow, psi[4].RaceThrow,
                       psi[5].RaceThrow),
              std::make_tuple(5, 10, -99, -99, -99));
    ASSERT_EQ(t.g.windows.ServiceList.Entries.size(), 2u);
    EXPECT_EQ(std::tie(t.g.windows.ServiceList.Entries[0].Key,
                       t.g.windows.ServiceList.Entries[1].Display),
              std::make_tuple("ARMY.SRV", "Navy"));
    // A fresh character: 0 dice and modifier 0 stays 0; 0 dice and +5 is 5.
    EXPECT_EQ(
        std::tie(t.g.career.VilaniOffered, t.g.career.VilaniLevel, t.g.windows.Form1.StatNames,
                 t.g.career.Character.Stats[2], t.g.career.Character.Stats[3]),
        std::make_tuple(true, 0, "STR\r\nDEX\r\nEND\r\n", 0, 5));

    t.g.career.VilaniLevel = 5;
    SelectRace(t.g, 1);
    EXPECT_FALSE(t.g.career.VilaniOffered);
    EXPECT_TRUE(t.g.windows.ServiceList.Entries.empty());  // "[FILES]" at the end of the file
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(psi[i].RaceThrow, 0);
    SelectRace(t.g, 0);
    EXPECT_EQ(t.g.career.VilaniLevel, 0);  // 'Normal Human' ticked again
}

TEST(RaceList, ABrokenRaceFileGivesAMessageAndKeepsTheRace) {
    TestGame t;
    TempDir data;
    data.Write("A.ERI", {"Alpha", "Type=1", "[STATS]", "STR=2D"});
    data.Write("B.ERI", {"Broken", "Type=2", "[STATS]", "nonsense"});
    t.dice.SetFallback(true);
    t.g.session.DataLoc = data.Path();
    ListRaces(t.g);
    EXPECT_FALSE(SelectRace(t.g, 1));
    EXPECT_TRUE(t.ui.SawMessage("B.ERI:4:"));
    EXPECT_EQ(t.g.rules.Race.Name, "Alpha");
    EXPECT_EQ(t.g.windows.RaceList.Selected, 0);  // the list shows the race in use
}
