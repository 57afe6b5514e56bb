// The checker's warnings: a copy of the sample data with one kind of
// fault put in, each found at its file and line, failing only a strict
// check; and the sample data itself checked strictly.

#include "career/HandOffs.h"
#include "check/DataCheck.h"
#include "check/Lint.h"
#include "support/TestGame.h"
#include "text/Files.h"

using namespace orrimar;

namespace {

struct Spoilt {
    TempDir dir;
    Spoilt() { CopySampleData(dir); }
    // Replaces the `nth` line equal to `from` in `file` by `to` (no lines:
    // deletes it); returns its line number.
    int Replace(const std::string& file, const std::string& from, std::vector<std::string> to,
                int nth = 1) {
        auto lines = *ReadLines(dir.Path() + file);
        for (size_t k = 0; k < lines.size(); ++k) {
            if (lines[k] != from || --nth > 0) continue;
            lines.erase(lines.begin() + static_cast<long>(k));
            lines.insert(lines.begin() + static_cast<long>(k), to.begin(), to.end());
            dir.Write(file, lines);
            return static_cast<int>(k) + 1;
        }
        ADD_FAILURE() << from << " not in " << file;
        return 0;
    }
    // Replaces as Replace does; a warning saying `part` is then expected at that line.
    int Warns(const std::string& part, const std::string& file, const std::string& from,
              std::vector<std::string> to, int nth = 1) {
        const int line = Replace(file, from, std::move(to), nth);
        Expect(file, line, part);
        return line;
    }
    void Expect(const std::string& file, int line, const std::string& part) {
        wanted.push_back({file, line, part});
    }
    std::vector<DataProblem> Check() const { return CheckDataFolder(dir.Path()); }
    // The check finds every warning expected; with `warningsOnly` a plain check passes and a
    // strict one fails.
    std::vector<DataProblem> Checked(bool warningsOnly = true) const;
    std::vector<std::tuple<std::string, int, std::string>> wanted;
};

std::string Listed(const std::vector<DataProblem>& problems) {
    std::string text;
    for (const auto& p : problems) text += p.Text() + (p.Hint.empty() ? "" : " | " + p.Hint) + "\n";
    return text;
}

// The warning at file:line saying `part` (its hint included); the message
// lists what was found.
testing::AssertionResult Warned(const std::vector<DataProblem>& problems, const std::string& file,
                                int line, const std::string& part) {
    for (const auto& p : problems)
        if (p.Level == Severity::Warning && p.File == file && p.Line == line &&
            (p.Message + " " + p.Hint).find(part) != std::string::npos)
            return testing::AssertionSuccess() << Listed(problems);
    return testing::AssertionFailure() << Listed(problems);
}

std::vector<DataProblem> Spoilt::Checked(bool warningsOnly) const {
    const auto found = Check();
    for (const auto& [file, line, part] : wanted)
        EXPECT_TRUE(Warned(found, file, line, part)) << file << ":" << line << " " << part;
    // A fault of the kind warned about loads.
    EXPECT_TRUE(!warningsOnly || CheckStatus(found, false) == 0) << Listed(found);
    EXPECT_TRUE(!warningsOnly || CheckStatus(found, true) == 1) << Listed(found);
    return found;
}

}  // namespace

TEST(DataLint, AssignmentLinesAndBlocksMatchByName) {
    Spoilt data;
    // The infantry's lines stop at throw 11 (its "Special" taken out).
    const int last = data.Warns("end at throw 11", "ARMY.SRV", "Lst=12", {"Lst=11"});
    EXPECT_EQ(data.Replace("ARMY.SRV", "Special", {}), last + 11);
    // (The typo itself, with its hint, the terminal's checker test says.)
    const int line = data.Replace("ARMY.SRV", "Siege", {"Seige"});
    // A typo in a block leaves the lines naming "Garrison" without one.
    data.Expect("ARMY.SRV", line + 4, "\"Garrison\" has no \"A=Garrison\"");
    const int block =
        data.Warns("\"A=Garison\" is never used", "ARMY.SRV", "A=Garrison", {"A=Garison"});
    data.Expect("ARMY.SRV", block, "did you mean \"Garrison\"?");
    data.Checked();
}

TEST(DataLint, BlocksSpecialsBountiesAndSectionsAttachedElsewhere) {
    Spoilt data;
    // A bounty branch hunts with the block of the throw's number.
    data.Warns("throw 10 (\"Skip Trace\") hunts with the targets of block 10, \"A=Deserter\"",
               "IAPB.SRV", "Deserter", {"Skip Trace"});
    // Scouts have no special assignments.
    data.Warns("Specials not defined", "SCOUT.SRV", "Training", {"Special"});
    const int wounds = data.Replace("NAVY.SRV", "Surv=6", {"Surv=13"}) - 1;
    data.Expect("NAVY.SRV", wounds, "Surv=13 is more than two dice");
    data.Warns("a second \"A=Battle\" block", "NAVY.SRV", "A=Patrol", {"A=Battle"});
    // Without the free line the first block's "A=" line is taken for it.
    const int first = data.Replace("MARINE.SRV", "Assignments", {}) + 1;
    data.Expect("MARINE.SRV", first, "first assignment block starts without \"A=\"");
    // The race's cascades straight after its characteristics.
    data.Replace("VARGR.ERI", "[CASCADES]", {});
    data.Warns("uses it up", "VARGR.ERI", "Psionic=R", {"[CASCADES]"});
    // A header with a blank after it is not found: the branch reads the next branch's.
    data.Warns("not found as [GRANT]", "ARMY.SRV", "[GRANT]", {"[GRANT] "});
    data.Expect("ARMY.SRV", FindSection(*ReadLines(data.dir.Path() + "ARMY.SRV"), "*ARMYINF"),
                "branch \"ARMYINF\" has no [GRANT] of its own and reads branch \"ARMYARM\"'s");
    data.Checked();
}

TEST(DataLint, EliAndDmLinesAndRaceCharacteristicsInCapitals) {
    Spoilt data;
    // ARMY writes no "Posn" and tests no assignment; a DM needs its columns.
    data.Warns("\"Position\" matches only", "ARMY.SRV", "Eli      All", {"Eli      Position"}, 2);
    data.Warns("no test on the year's assignment", "ARMY.SRV", "Eli      All",
               {"Eli      Assignment=Raid"}, 2);
    data.Warns("a characteristic stands in columns 10 to 12", "ARMY.SRV", "Eli      Int>8",
               {"Eli     Int>8"});
    data.Warns("it is ignored", "ARMY.SRV", "DM +1TL> 10", {"DM +1 TL>10"});
    // Race characteristics are named in capitals.
    data.Warns("write \"DEX\"", "BARBAR.ERI", "DEX=2D", {"Dex=2D"});
    const auto found = data.Checked();
    // The police write "Cmd" and "Posn" postings, the army is military:
    // their Command, Position and Warrant tables stand.
    for (const auto& p : found) EXPECT_NE(p.File, "COPS.SRV") << p.Text();
    EXPECT_EQ(Listed(found).find("\"Eli      Command\""), std::string::npos) << Listed(found);
    // Its services' "+1 Dex" entries then fail for this race alone: others have DEX.
    EXPECT_EQ(Listed(found).find("Stat add fail"), std::string::npos) << Listed(found);
}

TEST(DataLint, TablesNeverOfferedWhereNothingWritesWhatTheyTest) {
    Spoilt data;
    // Journalists hold no command postings; without the bounty branches
    // nobody holds a warrant.
    data.Warns("\"Command\" matches only", "JOURNAL.SRV", "Eli      All", {"Eli      Command"}, 2);
    const int none = data.Replace("JOURNAL.SRV", "Eli      All", {}, 2);
    data.Expect("JOURNAL.SRV", none - 1, "has no Eli line");
    data.Replace("IAPB.SRV", "Freelance Bounty Hunter", {"Freelance Hunter"});
    data.Replace("IAPB.SRV", "Frontier Bounty Tracker", {"Frontier Tracker"});
    data.Expect("COPS.SRV",
                LineOf(*ReadLines(data.dir.Path() + "COPS.SRV"), "Eli      Warrant") + 1,
                "this folder has none");
    data.Checked();
}

TEST(DataLint, HeadersInOtherLettersAndServiceCascadesUsedUp) {
    Spoilt data;
    // The service's own tables are found in any letters, a branch's only
    // in capitals: the line branch reads the engineers' tables.
    const int own = data.Replace("NAVY.SRV", "[SKILL TABLES]", {"[Skill Tables]"});
    data.Warns("found only written in capitals", "NAVY.SRV", "[SKILL TABLES]", {"[Skill Tables]"});
    data.Expect("NAVY.SRV", 127, "no [SKILL TABLES] of its own and reads branch \"NAVYENG\"'s");
    // An empty [ACADEMIC] list ends at [CASCADES] and uses it up.
    data.Replace("GUARD.SRV", "[ACADEMIC]", {});
    const int cascades = data.Replace("GUARD.SRV", "[CASCADES]", {"[ACADEMIC]", "[CASCADES]"}) + 1;
    data.Expect("GUARD.SRV", cascades, "the [ACADEMIC] list ends at it");
    const auto found = data.Checked(false);
    EXPECT_FALSE(Warned(found, "NAVY.SRV", own, ""));
    // What the lost cascades named is then an error.
    EXPECT_EQ(CheckStatus(found, false), 1);
}

// Cascades that never end in skills, wherever the lookup finds them: one
// naming itself, a service's line leading back through a standard one (for
// that service only), and a chain one cascade deeper than play splits.
TEST(DataLint, CascadesThatDoNotEnd) {
    Spoilt data;
    std::vector<std::string> chain;
    for (char c = 'A'; c <= 'Z'; ++c)
        chain.push_back(std::string("CHAINA") + c + "/Admin/" +
                        (c < 'Z' ? std::string("CHAINA") + static_cast<char>(c + 1) : "Rifle"));
    chain.insert(chain.begin(), "SELFLOOP/Rifle/SELFLOOP-1");
    chain.push_back("* END *");
    const int self = data.Warns("\"SELFLOOP\" names itself", "cascade.dat", "* END *", chain);
    data.Expect("cascade.dat", self + 1, "\"CHAINAA\" leads through 26 cascades");
    data.Warns("\"GUN COMBAT\" leads back to itself through \"MIXED COMBAT\"", "ARMY.SRV",
               "GUN COMBAT/Battle Rifle/Carbine/Sidearm/Submachinegun/Shotgun/Laser Carbine",
               {"GUN COMBAT/Battle Rifle/MIXED COMBAT"});
    EXPECT_FALSE(Warned(data.Checked(), "cascade.dat", self + 2, ""));  // said once
}

TEST(DataLint, CoursesBenefitsReenlistmentAndCharacteristics) {
    Spoilt data;
    data.Warns("position 2 holds \"2\"", "ARMY.SRV", "1100011", {"1200011"});
    data.Replace("COPS.SRV", "Csh=7", {"Csh=5"});
    data.Replace("PIRATE.SRV", "reenlist=7", {});
    data.Replace("BARBAR.ERI", "SOC=2D-2", {});
    const std::string longName(400, 'n');
    data.Warns("is 400 characters long", "CHELITH.ERI", "Chelith broodkin", {longName});
    data.Warns("is 400 characters long", "COPS.SRV", "PATROL=Uniformed Patrol",
               {"PATROL=" + longName});
    data.Expect("COPS.SRV", FindSection(*ReadLines(data.dir.Path() + "COPS.SRV"), "[MUSTER]"),
                "so a throw of 6 gives nothing");
    data.Expect("PIRATE.SRV", 0, "no reenlist= line");
    data.Expect("BARBAR.ERI", FindSection(*ReadLines(data.dir.Path() + "BARBAR.ERI"), "[STATS]"),
                "the race has 5 characteristics");
    data.Checked();
}

TEST(DataLint, NumbersAndSkillTextsTheRulesCannotUse) {
    Spoilt data;
    data.Warns("\"Computer\"", "ARMY.SRV", "Computer", {"Compter"});
    data.Warns("Stat add fail", "ARMY.SRV", "+1 Soc", {"+1 Sco"});
    data.Warns("characteristic \"EDU \"", "ARMY.SRV", "+1 Edu", {"+1 Edu "});
    data.Warns("reads as the skill \"Recon\" at level 0", "ARMY.SRV", "Recon", {"Recon-Drill"});
    data.Warns("not the cascade GUN COMBAT", "ISCT1.SCH", "Commo", {"Gun Combat"});
    const int ranks = data.Warns("rank 17 and up have no code", "COPS.SRV", "Max=16", {"Max=18"});
    data.Warns("more than two dice", "COPS.SRV", "reenlist=5", {"reenlist=13"});
    // The only DM of a seven-entry table now adds nothing: entry 7 is lost.
    const int dm = data.Warns("adds nothing", "COPS.SRV", "DM +1TL> 11", {"DM +0TL> 11"});
    data.Expect("COPS.SRV", dm + 1, "entry 7 is never rolled");
    data.Checked();
    data.Replace("COPS.SRV", "Max=18", {"Max=17"});  // one rank short is short too
    EXPECT_TRUE(Warned(data.Check(), "COPS.SRV", ranks, "rank 17 has no code"));
}

TEST(DataLint, SchoolFilesAServiceSendsTo) {
    Spoilt data;
    std::filesystem::remove(data.dir.Path() + "ISCT3.SCH");
    std::filesystem::remove(data.dir.Path() + "ICOP2.SCH");
    const int scouts = FindSection(*ReadLines(data.dir.Path() + "SCOUT.SRV"), "[SCHOOL]") + 1;
    const int police = FindSection(*ReadLines(data.dir.Path() + "COPS.SRV"), "[SCHOOL]") + 1;
    data.Expect("SCOUT.SRV", scouts, "ISCT3.SCH is missing: a school throw of 3");
    data.Expect("COPS.SRV", police, "ICOP2.SCH is missing: a school throw of 2");
    data.Checked();

    data.Replace("COPS.SRV", "123456", {"1 3456"});
    EXPECT_TRUE(Warned(data.Check(), "COPS.SRV", police, "no school digit at position 2"));
}

// The police academies the special assignments send each race type to,
// read from the career's own tables.
TEST(DataLint, PoliceAcademiesFollowTheRaceType) {
    const auto files = [](int race, const std::string& line) {
        std::set<std::string> names;
        for (const auto& visit : SpecialSchools(ServiceKind::Cops, race, SchoolDigits(line)))
            names.insert(visit.File);
        return names;
    };
    EXPECT_EQ(files(6, "123456"), std::set<std::string>{"AMCOP.SCH"});
    EXPECT_EQ(files(2, "123456"), (std::set<std::string>{"SCOP1.SCH", "SCOP2.SCH", "SCOP3.SCH",
                                                         "SCOP4.SCH", "SCOP5.SCH", "SCOP6.SCH"}));
    EXPECT_EQ(files(1, "12"), (std::set<std::string>{"ICOP1.SCH", "ICOP2.SCH", ""}));
    EXPECT_TRUE(SpecialSchools(ServiceKind::Army, 1, SchoolDigits("123456")).empty());
}

TEST(DataLint, NearNamesAreATyposDistance) {
    const std::set<std::string> known = {"Admin", "Adman", "Brawling", "Computer", "GUN COMBAT"};
    EXPECT_EQ(NearNames("Admn", known), (std::vector<std::string>{"Adman", "Admin"}));
    EXPECT_TRUE(NearNames("Adm", known).empty());  // two edits: too far for a short name
    EXPECT_EQ(NearNames("computr", known), std::vector<std::string>{"Computer"});
    EXPECT_EQ(NearNames("Gun Combat", known), std::vector<std::string>{"GUN COMBAT"});
    EXPECT_TRUE(NearNames("Computer", known).empty());
    EXPECT_EQ(DidYouMean({"A", "B", "C"}), "did you mean \"A\", \"B\" or \"C\"?");
    EXPECT_EQ(DidYouMean({}), "");
}

TEST(DataLint, SampleDataPassesAStrictCheck) {
    const auto found = CheckDataFolder(SampleDataDir());
    EXPECT_TRUE(found.empty());
}
