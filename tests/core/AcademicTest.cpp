#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "career/Academic.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// Every characteristic 7, so no course modifier applies; term 1, year 1.
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    explicit Bench(const std::string& type = "ARMY") {
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = type;
        s.MaxRank = 14;
        for (int k = 10; k <= 14; ++k) s.RankCode[k] = "O" + std::to_string(k - 9);
        s.SkillTable[1] = {"Drill", {"", "Eli      All"}, {}, 2, {"", "Rifle", "Tactics"}};
        g.StdCascade[0] = "1";
        g.StdCascade[1] = "OASCIENCE/Physics/Chemistry/Biology";
        c.CurTerm = c.CurLine = 1;
        c.PsiTrained = 1;
    }
    // The history lines as "term.year text" joined by "|", then " = " and the skills.
    std::string Record() const {
        std::string all, skills;
        for (int term = 1; term <= 3; ++term)
            for (int year = 1; year <= 4; ++year)
                if (!c.TermLog[term].Lines[year].empty())
                    all += (all.empty() ? "" : "|") + std::to_string(term) + "." +
                           std::to_string(year) + " " + c.TermLog[term].Lines[year];
        for (const auto& s : c.Skills)
            if (!s.Name.empty())
                skills += (skills.empty() ? "" : ",") + s.Name + "-" + std::to_string(s.Level);
        return all + " = " + skills;
    }
};

struct PathCase {
    std::string course, type, faces, answers, history, skills;
    int forced, at, rank, edu, branchOpen;
};

}  // namespace

// Each course's road at its throws' edges: history (after the course's
// name), skills, years spent (term * 10 + year reached from 1.1), rank, Edu
// and the opened branch. Faces and answers are one character each.
TEST(AcademicCourse, Paths) {
    const std::string C = "College", MA = "Military Academy", ME = "Merchant Academy",
                      NA = "Naval Academy", GS = "Graduate School", otc = "- passed |2.1 OTC Hons ",
                      med = "Med School |3.1 - honours ";
    // clang-format off
    const std::vector<PathCase> cases = {
        {C, "ARMY", "44", "", "- rejected ", "", 0, 11, 0, 7, 0},
        {C, "ARMY", "5433", "", "- failed ", "", 0, 12, 0, 7, 0},
        {C, "MARINE", "544343245", "Y", "- passed ", "", 0, 21, 0, 8, 0},
        {C, "ARMY", "544344655", "YN", otc, "", 0, 21, 10, 12, 0},
        {C, "NAVY", "54435415554435", "YNY", "- passed |2.1 NOTC Hons Flight School ",
         "Ship's Boat-1,Navigation-1,Pilot-2", 0, 31, 10, 10, 0},
        {C, "ARMY", "544344155433355", "YY", otc + med, "Medical-3,Admin-1", 0, 32, 10, 11, 0},
        {C, "ARMY", "1", "YY", otc + med, "Medical-3,Admin-1", 1, 32, 10, 11, 0},
        {MA, "ARMY", "45", "", "- rejected ", "", 0, 11, 0, 7, 0},
        {MA, "ARMY", "5544", "", "- failed ", "", 0, 11, 0, 7, 0},
        {MA, "ARMY", "5554431111344", "", "", "Tactics-1", 0, 21, 11, 8, 0},
        {MA, "ARMY", "5554111111354", "", "- Hons ", "", 0, 21, 11, 8, 1},
        {ME, "MERCHANT", "5544", "", "- failed ", "", 0, 11, 0, 7, 0},
        {ME, "MERCHANT", "5554121254", "111", "- Hons ", "Rifle-2,Tactics-1", 0, 21, 2, 8, 0},
        {NA, "NAVY", "5444", "", "- failed ", "", 0, 12, 0, 7, 0},
        {NA, "NAVY", "5454141644", "", "- passed ", "Vacc Suit-1,Engineering-1", 0, 21, 11, 8, 0},
        {NA, "NAVY", "545411115454431", "NY", "- passed |2.1 Hons Flight School ",
         "Ship's Boat-1,Navigation-1,Pilot-1", 0, 31, 11, 8, 0},
        {NA, "NAVY", "1111", "NN", "- passed |2.1 Hons ", "", 1, 21, 11, 8, 0},
        {GS, "ARMY", "5433", "", "- failed ", "", 0, 21, 0, 7, 0},
        {GS, "ARMY", "544355", "21", "", "Chemistry-3,Physics-1", 0, 14, 0, 7, 0},
        {GS, "ARMY", "544365", "23", "- Honours ", "Chemistry-4,Biology-1", 0, 14, 0, 7, 0},
    };
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(k.course + " " + k.history + k.skills);
        Bench b(k.type);
        b.c.Options[OptForceAcademic] = k.forced ? OptOn : OptOff;
        // Schools reached only from a course, and psionic training once done, are not listed.
        b.g.Service.Academic = {"", " Medical School", k.course, "Flight School",
                                "Psionic Training"};
        for (char f : k.faces) b.t.dice.Push(f - '0');
        for (char a : "1" + k.answers) b.t.ui.Answer(std::string(1, a));
        AcademicOptions(b.g);
        EXPECT_EQ(b.t.dice.Left() + b.t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        EXPECT_EQ(b.t.ui.shown[0].Text, k.course + "/No academic studies before enlistment");
        EXPECT_EQ(b.Record(), "1.1 " + k.course + " " + k.history + " = " + k.skills);
        EXPECT_EQ(std::make_tuple(b.c.CurTerm * 10 + b.c.CurLine, +b.c.Rank, +b.c.Stats[5],
                                  +b.c.BranchOpen[1]),
                  std::make_tuple(k.at, k.rank, k.edu, k.branchOpen));
    }
}

// In place of a special assignment the course is the dispatcher's pick,
// medical and flight school included; the flag answers one call only.
TEST(AcademicCourse, InPlaceOfSpecial) {
    Bench b;
    auto special = [&](const std::string& course, std::initializer_list<int> faces) {
        b.g.AcademicFlag = "ACADEMIC";
        b.g.PickText = course;
        b.t.dice.Push(faces);
        AcademicOptions(b.g);
        EXPECT_EQ(b.t.dice.Left(), 0u);
        EXPECT_EQ(b.g.AcademicFlag, "\"");
    };
    special("Medical School", {4, 4});              // rejected
    special("Flight School", {5, 4, 3, 3});         // failed: one year
    special("Medical School", {5, 4, 4, 4, 5, 5});  // no honours: four years
    special("Cooking School", {});
    EXPECT_EQ(b.c.Stats[5], 8);
    EXPECT_EQ(b.Record(),
              "1.1 Med School - rejected Flight School - failed |1.2 Med School |2.2 Cooking "
              "School  = Medical-4,Admin-1,Computer-1");
    EXPECT_EQ(b.t.ui.messages, std::vector<std::string>{"Academic option not recognized!"});
}
