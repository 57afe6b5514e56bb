// Service files and branch sections: reading order, forward-search quirks,
// limits and the branch list.

#include "data/Service.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

std::vector<std::string> Tables() {
    return {"[SKILL TABLES]", "Personal", "Eli      All", "DM +1TL> 11", "ignored line",
            "Max=3",          "+1 STR",   "Brawling",     "GUN COMBAT",  "Empty table",
            "Eli      NCO",   "Max=0",    "[MUSTER]",     "Mat=2",       "Low Passage",
            "+1 EDU",         "Csh=3",    "1000, 2000",   "5000"};
}

std::vector<std::string> Branches() {
    return Split(
        "*ONE|Branch One|skipped|First=2|Lst=4|Raid|Special|Patrol|skipped|A=Raid|Surv=5|Deco=8|"
        "Prom=7|Skil=6|A=Patrol|Surv=4|A=Raid|Loca=3|[SKILL TABLES]|Branch table|Eli      All|"
        "Max=1|Tactics|[END OF BRANCH]|*TWO|Branch Two|x|First=3|Lst=3|Guard|x|A=Guard|Surv=3|"
        "[GRANT]|Leader|Admin|[END OF FILE]",
        '|');
}

std::vector<std::string> ServiceFile(std::vector<std::string> head) {
    auto add = [&](const std::vector<std::string>& more) {
        head.insert(head.end(), more.begin(), more.end());
    };
    add({"[FILES]", "ONE=Branch one", "TWO=Branch two/TN3", "[RANKS]", "Max=3", "E1=Private",
         "CORPORAL=Corporal", "O1=Lieutenant", "[PLUSEDU]", "1020x", "[SCHOOL]", "123456",
         "[COMMAND]", "Command=8", "type=ARMY", "medal1=Star", "purple=", "reenlist=6"});
    add(Tables());
    add(Branches());
    return head;
}

ServiceRecord Read(const std::vector<std::string>& lines, DataProblem* failure = nullptr) {
    TempDir dir;
    ServiceRecord s;
    DataProblem problem;
    bool ok = ReadServiceFile(dir.Write("S.SRV", lines), s, problem);
    if (failure)
        *failure = problem;
    else
        EXPECT_TRUE(ok) << problem.Text();
    return s;
}

// A service file written and read, for its branches to be read next.
struct Loaded {
    TempDir dir;
    std::string path;
    ServiceRecord s;
    DataProblem p;
    explicit Loaded(const std::vector<std::string>& lines) : path(dir.Write("S.SRV", lines)) {
        EXPECT_TRUE(ReadServiceFile(path, s, p)) << p.Text();
    }
    bool Branch(const std::string& key) { return ReadBranch(path, key, s, p); }
};

}  // namespace

TEST(ServiceFile, ReadsTheServiceSections) {
    ServiceRecord s = Read(ServiceFile({"Test Army", "[ACADEMIC]", "College", "Military Academy",
                                        "[SOMETHING]", "[CASCADES]", "GUN COMBAT/Rifle"}));
    // A non-digit in [PLUSEDU] gives 0; an empty key value takes the default.
    EXPECT_EQ(std::tie(s.Name, s.Academic[2], s.Cascade->Count, s.MaxRank, s.RankCode[1],
                       s.RankCode[2], s.RankName[3], s.PlusEdu[1], s.PlusEdu[3], s.PlusEdu[5]),
              std::make_tuple("Test Army", "Military Academy", 1, 3, "E1  ", "CORP", "Lieutenant",
                              1, 2, 0));
    const auto& t1 = s.SkillTable[1];
    EXPECT_EQ(std::tie(t1.Title, t1.Eli[1].Text, t1.DM[1].Text, t1.Max, t1.Entry[3],
                       s.SkillTable[2].Title, s.SkillTable[2].Max),
              std::make_tuple("Personal", "Eli      All", "DM +1TL> 11", 3, "GUN COMBAT",
                              "Empty table", 0));
    EXPECT_EQ(std::tie(s.MaterialCount, s.Material[2], s.CashCount, s.Cash[2], s.Cash[3], s.Type,
                       s.Medal[1], s.Purple, s.Reenlist),
              std::make_tuple(2, "+1 EDU", 3, 2000, 5000, "ARMY", "Star", "Purple Heart", 6));
}

TEST(ServiceFile, SequentialSectionQuirks) {
    // ([CASCADES] right after the academic lines ends them and is consumed: the checker's
    // test of that warning meets it on the sample data.)
    // No [ACADEMIC] at all: the academic search reads to the end, no cascades.
    ServiceRecord none = Read(ServiceFile({"S", "[CASCADES]", "GUN COMBAT/Rifle"}));
    EXPECT_EQ(none.Cascade->Count, 0);
    // "[academic]" in lower case is not the header; "[ranks]" would be found.
    ServiceRecord lower =
        Read(ServiceFile({"S", "[academic]", "College", "[X]", "[CASCADES]", "A/b"}));
    EXPECT_EQ(lower.Academic[1], "");
}

TEST(ServiceFile, OutOfFormatFilesAreRejected) {
    DataProblem p;
    std::vector<std::string> noTables = {"S", "[MUSTER]", "Mat=0", "Csh=0"};
    Read(noTables, &p);
    EXPECT_NE(p.Message.find("[SKILL TABLES]"), std::string::npos);
    EXPECT_EQ(p.File, "S.SRV");

    Read({"S", "[SKILL TABLES]", "T", "Eli      All", "Max=1", "Entry"}, &p);
    EXPECT_NE(p.Message.find("end of the file"), std::string::npos);

    Read({"S", "[RANKS]", "Max=1", "E1 Private", "[SKILL TABLES]", "[MUSTER]", "Mat=0", "Csh=0"},
         &p);
    EXPECT_EQ(p.Line, 4);

    Read({"S", "[SKILL TABLES]", "T", "Max=16", "[MUSTER]", "Mat=0", "Csh=0"}, &p);
    EXPECT_EQ(p.Line, 4);

    Read({"S", "[SKILL TABLES]", "[MUSTER]", "Mat=11"}, &p);
    EXPECT_NE(p.Message.find("material"), std::string::npos);
    // Ten entries, the most a table holds, are read.
    std::vector<std::string> ten = {"S", "[SKILL TABLES]", "[MUSTER]", "Mat=0", "Csh=10"};
    ten.insert(ten.end(), 10, "1000");
    EXPECT_TRUE(Read(ten, &p).Cash[10] == 1000 && p.Message.empty()) << p.Text();

    // Levels, changes and targets beyond their range, at their line.
    Read({"S", "[SKILL TABLES]", "T", "Eli      All", "Max=1", "Admin-2147483647", "[MUSTER]",
          "Mat=0", "Csh=0"},
         &p);
    EXPECT_EQ(p.Text(), "S.SRV:6: \"Admin-2147483647\": a level or change must be -99 to 99.");
    Read({"S", "[SKILL TABLES]", "[MUSTER]", "Mat=1", "+99999999999 Str", "Csh=0"}, &p);
    EXPECT_EQ(p.Line, 5);
    Read({"S", "reenlist=99999999999", "[SKILL TABLES]", "[MUSTER]", "Mat=0", "Csh=0"}, &p);
    EXPECT_EQ(p.Text(), "S.SRV:2: reenlist must be -999 to 999.");
}

TEST(BranchSection, ReadsAssignmentsTablesGrantsAndKeepsUnreadFields) {
    Loaded file(ServiceFile({"S"}));
    ServiceRecord& s = file.s;
    ASSERT_TRUE(file.Branch("one")) << file.p.Text();  // header case ignored
    // No Deco line gives 99; a repeated name still starts a new assignment.
    const auto& a = s.Assignment;
    EXPECT_EQ(
        std::tie(s.BranchName, s.AssignFirst, s.AssignLast, s.AssignByRoll[3], a[1].Name, a[1].Deco,
                 a[2].Name, a[2].Deco, a[2].Prom, a[3].Name, a[3].Loca),
        std::make_tuple("Branch One", 2, 4, "Special", "Raid", 8, "Patrol", 99, 0, "Raid", 3));
    // No [GRANT] of its own: the search runs on into branch TWO's grants.
    EXPECT_EQ(
        std::tie(s.BranchSkillTable[1].Entry[1], s.School, s.Command, s.Grant->Count, s.Grant[2]),
        std::make_tuple("Tactics", SchoolDigits("123456", 13), 8, 2, "Admin"));

    ASSERT_TRUE(file.Branch("TWO"));
    // Outside the new range, beyond the new count, no tables of its own: kept.
    EXPECT_EQ(std::tie(s.AssignFirst, s.AssignByRoll[2], a[1].Name, a[2].Name,
                       s.BranchSkillTable[1].Entry[1]),
              std::make_tuple(3, "Raid", "Guard", "Patrol", "Tactics"));
}

TEST(BranchSection, TargetsAndGrantsOutsideTheirRangeAreRefused) {
    for (const auto& [from, to] :
         {std::pair{"Deco=8", "Deco=99999999999"}, std::pair{"Surv=5", "Surv=-1000"},
          std::pair{"Admin", "Admin-100"}}) {
        auto lines = ServiceFile({"S"});
        const auto at = std::find(lines.begin(), lines.end(), std::string(from));
        *at = to;
        Loaded file(lines);
        EXPECT_FALSE(file.Branch(std::string(from) == "Admin" ? "TWO" : "ONE")) << to;
        EXPECT_EQ(file.p.Line, at - lines.begin() + 1) << to << " " << file.p.Text();
    }
}

TEST(BranchSection, EndOfFileStopsTheGrantSearch) {
    auto lines = ServiceFile({"S"});
    // Put an "[END OF FILE]" between branch ONE and branch TWO's grants.
    auto at = std::find(lines.begin(), lines.end(), "*TWO");
    lines.insert(at, "[END OF FILE]");
    Loaded file(lines);
    ASSERT_TRUE(file.Branch("ONE"));
    EXPECT_EQ(file.s.Grant->Count, 0);
}

TEST(BranchSection, MissingHeaderOrBrokenBranchLeavesTheBranchAsItWas) {
    auto lines = ServiceFile({"S"});
    lines.insert(lines.end(), {"*BAD", "Bad", "x", "First=2", "Lst=16"});
    Loaded file(lines);
    ASSERT_TRUE(file.Branch("ONE"));
    const ServiceRecord before = file.s;
    EXPECT_FALSE(file.Branch("NOPE"));
    EXPECT_NE(file.p.Message.find("NOPE"), std::string::npos);
    EXPECT_FALSE(file.Branch("BAD"));
    EXPECT_TRUE(file.s == before);
}

TEST(BranchList, TransferMarkersOpenWithTheirFlagOrAnyTransfer) {
    TestGame t;
    TempDir data;
    data.Write("A.ERI", {"Alpha", "Type=1", "[STATS]", "STR=2D", "[FILES]", "S.SRV=Service"});
    data.Write("S.SRV", ServiceFile({"S"}));
    t.dice.SetFallback(true);
    t.g.session.DataLoc = data.Path();
    ListRaces(t.g);
    SelectService(t.g, 0);
    ASSERT_EQ(t.g.windows.BranchList.Entries.size(), 1u);
    // Exactly one branch: it is loaded at once and Accept is enabled.
    EXPECT_EQ(t.g.rules.Service.BranchName, "Branch One");
    EXPECT_TRUE(t.g.windows.Form1.AcceptEnabled);

    t.g.career.Character.BranchOpen[3] = 1;
    SelectService(t.g, 0);
    ASSERT_EQ(t.g.windows.BranchList.Entries.size(), 2u);
    EXPECT_EQ(t.g.windows.BranchList.Entries[1].Display, "Branch two");
    EXPECT_FALSE(t.g.windows.Form1.AcceptEnabled);

    t.g.career.Character.BranchOpen[3] = 0;
    t.g.career.Character.Options[OptAnyTransfer] = OptOn;
    ListBranches(t.g);
    EXPECT_EQ(t.g.windows.BranchList.Entries.size(), 2u);
    SelectBranch(t.g, 1);
    EXPECT_EQ(t.g.rules.Service.BranchName, "Branch Two");
    EXPECT_TRUE(t.g.windows.Form1.AcceptEnabled);
}
