

#include "career/Academic.h"
#include "career/AcademicCourses.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// Every characteristic 7, so no course modifier applies; term 1, year 1.
struct CourseBench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.career.Character;

    explicit CourseBench(const std::string& type) {
        std::tie(LoadedRules(g).Race.NumStats, LoadedRules(g).Race.YearsPerTerm,
                 LoadedRules(g).Service.Type, LoadedRules(g).Service.MaxRank,
                 LoadedRules(g).StdCascade.Count) = std::tuple(6, 4, type, 14, 1);
        c.Stats = {0, 7, 7, 7, 7, 7, 7};
        LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        c.CurTerm = c.CurLine = c.PsiTrained = 1;
        for (int k = 10; k <= 14; ++k)
            LoadedRules(g).Service.RankCode[k] = "O" + std::to_string(k - 9);
        LoadedRules(g).Service.SkillTable.Edit(1) = {
            "Drill", {"", "Eli      All"}, {}, 2, {"", "Rifle", "Tactics"}};
        LoadedRules(g).StdCascade[1] = "OASCIENCE/Physics/Chemistry/Biology";
    }
    // The history lines as "term.year text" joined by "|", then " = " and the skills.
    std::string Record() const {
        std::string all, skills;
        for (int term = 1; term <= 3; ++term)
            for (int year = 1; year <= 4; ++year)
                if (const std::string& line = c.TermLog[term].Line(year); !line.empty())
                    all += (all.empty() ? "" : "|") + std::to_string(term) + "." +
                           std::to_string(year) + " " + line;
        for (const auto& s : c.Skills)
            if (!s.Name.empty())
                skills += (skills.empty() ? "" : ",") + s.Name + "-" + std::to_string(s.Level);
        return all + " = " + skills;
    }
};

struct PathCase {
    std::string course, type, faces, answers, history, skills;  // faces "F": forced success
    std::array<int, 4> end;  // term * 10 + year reached from 1.1, rank, Edu, opened branch
};

}  // namespace

// Each course's road at its throws' edges; a course after "*" replaces a special assignment.
// (Those a batch takes, such as a College failed, the golden pages hold.)
TEST(AcademicCourse, Paths) {
    const std::string C = "College", MA = "Military Academy", ME = "Merchant Academy",
                      NA = "Naval Academy", GS = "Graduate School", otc = "- passed |2.1 OTC Hons ",
                      med = "Med School |3.1 - honours ";
    // clang-format off
    const PathCase cases[] = {
        {C, "MARINE", "544343245", "Y", "- passed ", "", {21, 0, 8, 0}},
        {C, "ARMY", "544344655", "YN", otc, "", {21, 10, 12, 0}},
        {C, "NAVY", "54435415554435", "YNY", "- passed |2.1 NOTC Hons Flight School ",
         "Ship's Boat-1,Navigation-1,Pilot-2", {31, 10, 10, 0}},
        {C, "ARMY", "544344155433355", "YY", otc + med, "Medical-3,Admin-1", {32, 10, 11, 0}},
        {C, "ARMY", "F1", "YY", otc + med, "Medical-3,Admin-1", {32, 10, 11, 0}},
        {MA, "ARMY", "5544", "", "- failed ", "", {11, 0, 7, 0}},
        {MA, "ARMY", "5554411111354", "", "- Hons ", "Tactics-1", {21, 11, 8, 1}},
        {ME, "MERCHANT", "5544", "", "- failed ", "", {11, 0, 7, 0}},
        {ME, "MERCHANT", "5554121254", "111", "- Hons ", "Rifle-2,Tactics-1", {21, 2, 8, 0}},
        {NA, "NAVY", "545411115454431", "NY", "- passed |2.1 Hons Flight School ",
         "Ship's Boat-1,Navigation-1,Pilot-1", {31, 11, 8, 0}},
        {GS, "ARMY", "544365", "23", "- Honours ", "Chemistry-4,Biology-1", {14, 0, 7, 0}},
        {"*Medical School", "ARMY", "44", "", "Med School - rejected ", "", {11, 0, 7, 0}},
        {"*Flight School", "ARMY", "5433", "", "Flight School - failed ", "", {12, 0, 7, 0}},
        {"*Medical School", "ARMY", "544455", "", "Med School ", "Medical-4,Admin-1,Computer-1",
         {21, 0, 8, 0}},
    };
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(k.course + " " + k.history + k.skills);
        CourseBench b(k.type);
        const bool special = k.course[0] == '*';
        // Medical school (reached from a course) and psionic training once done are not listed.
        LoadedRules(b.g).Service.Academic = {"", " Medical School", k.course, "Psionic Training"};
        for (char f : k.faces)
            f == 'F' ? void(b.c.Options[OptForceAcademic] = OptOn) : b.t.dice.Push(f - '0');
        for (char a : (special ? "" : "1") + k.answers) b.t.ui.Answer(std::string(1, a));
        special ? AcademicInPlaceOfSpecial(b.g, &k.course[1]) : AcademicOptions(b.g);
        EXPECT_TRUE(special || b.t.ui.shown.at(0).Text.starts_with(k.course + "/No academic"));
        EXPECT_EQ(b.Record(),
                  "1.1 " + (special ? "" : k.course + " ") + k.history + " = " + k.skills);
        EXPECT_EQ((std::array{b.c.CurTerm * 10 + b.c.CurLine, +b.c.Rank, +b.c.Stats[5],
                              +b.c.BranchOpen[1]}),
                  k.end);
    }
}

// At its target less its modifier a throw passes only with its characteristic above its
// threshold (the others high), and not with one less on the dice.
TEST(AcademicCourse, ModifiersApplyOnlyAboveTheirThresholds) {
    // Admission, success and honours as characteristic, threshold, modifier, target.
    const std::array<int, 12> courses[] = {
        {5, 8, 2, 9, 4, 7, 2, 7, 4, 9, 1, 10},   // College
        {1, 9, 2, 10, 4, 7, 2, 9, 4, 8, 1, 9},   // Military Academy
        {5, 9, 2, 10, 4, 7, 2, 9, 4, 8, 1, 9},   // Merchant Academy
        {6, 9, 2, 9, 5, 7, 2, 9, 4, 9, 1, 9},    // Naval Academy
        {5, 9, 2, 9, 4, 8, 2, 7, 5, 10, 1, 11},  // Graduate School
        {5, 9, 2, 9, 5, 7, 2, 8, 5, 10, 1, 11},  // medical school
        {2, 8, 1, 9, 4, 7, 1, 7, 0, 0, 0, 0},    // flight school: no honours
    };
    for (int n = 0; n < 21 * 4; ++n) {  // throw k = n / 4 in way v = n % 4
        const int k = n / 4, v = n % 4, *th = &courses[k / 3][k % 3 * 4];
        const int value = th[1] + v / 2, total = th[3] - th[2] - v % 2;
        TestGame t;
        for (int i = 1; i <= 6; ++i) t.g.career.Character.Stats[i] = i == th[0] ? value : 15;
        if (th[3] > 0) t.dice.Push({total / 2, total - total / 2});
        EXPECT_EQ(PassCourseThrow(t.g, Course(k / 3), Stage(k % 3)), th[3] && v == 2) << n;
    }
}

// Academic gains obey the species maximum like every other gain, and a later
// grant never lowers what a course gave; "Allow stats over 15" lifts the cap.
TEST(AcademicCourse, GainsStopAtTheSpeciesMaximumAndAreNeverTakenBack) {
    for (const bool over15 : {false, true}) {
        SCOPED_TRACE(over15);
        CourseBench b("ARMY");
        std::tie(b.c.Stats[5], b.c.Options[OptForceAcademic], b.c.Options[OptStatsOver15]) =
            std::tuple(14, OptOn, over15 ? OptOn : OptOff);
        LoadedRules(b.g).Service.Academic = {"", "College"};
        b.t.dice.Push(6);           // education gain 6 - 2 = 4
        b.t.ui.Answer({"1", "N"});  // College; no OTC
        AcademicOptions(b.g);
        EXPECT_EQ(b.c.Stats[5], over15 ? 19 : 15);  // 14 + 4, honours + 1
        EXPECT_EQ(b.t.ui.SawMessage("Stat increase to EDU 16 disallowed"), !over15);
        AddSkill(b.g, "+1 Edu");  // medical school's grant
        EXPECT_EQ(b.c.Stats[5], over15 ? 20 : 15);
    }
    CourseBench b("ARMY");
    b.c.Stats[5] = 17;  // typed in past the maximum
    AddSkill(b.g, "+1 Edu");
    EXPECT_EQ(b.c.Stats[5], 17);
    AddSkill(b.g, "-1 Edu");
    EXPECT_EQ(b.c.Stats[5], 16);
    BuildTermView(b.g);
    EXPECT_TRUE(
        Contains(b.g.windows.TermWindow.Label[3], "EDU: G"));  // the display shows the new value
}
