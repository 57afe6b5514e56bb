#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/Academic.h"
#include "career/AcademicCourses.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A four-year race with every characteristic at 7 (no course modifier
// applies) and a small service; the career starts at term 1, year 1.
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    Bench() {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        g.Race.AgeAt = 10000;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = "ARMY";
        s.MaxRank = 14;
        for (int k = 1; k <= 14; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.SkillTable[1] = {
            "Drill", {"", "Eli      All"}, {}, 3, {"", "Rifle", "Tactics", "Leader"}};
        g.StdCascade[0] = "1";
        g.StdCascade[1] = "OASCIENCE/Physics/Chemistry/Biology";
        c.CurTerm = 1;
        c.CurLine = 1;
    }

    // Every non-empty history line as "term.year text", joined by "|".
    std::string History() const {
        std::string all;
        for (int term = 1; term <= 3; ++term)
            for (int year = 1; year <= 4; ++year)
                if (!c.TermLog[term].Lines[year].empty())
                    all += (all.empty() ? "" : "|") + std::to_string(term) + "." +
                           std::to_string(year) + " " + c.TermLog[term].Lines[year];
        return all;
    }
    std::string Skills() const {
        std::string all;
        for (const auto& s : c.Skills)
            if (!s.Name.empty())
                all += (all.empty() ? "" : ",") + s.Name + "-" + std::to_string(s.Level);
        return all;
    }
    void Play() {
        AcademicOptions(g);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
    }
    int Picks() const {
        int n = 0;
        for (const auto& s : t.ui.shown) n += s.Title == "Select academic option";
        return n;
    }
};

class AcademicTest : public ::testing::Test, protected Bench {};

// Each modifier belongs to its characteristic and threshold, and each
// throw passes exactly at its target.
TEST_F(AcademicTest, ThrowTable) {
    struct Row {
        const AcademicThrow& actual;
        int stat, above, mod, target;
    };
    const Row rows[] = {
        {CourseThrow(Course::College, Stage::Admission), 5, 8, 2, 9},
        {CourseThrow(Course::College, Stage::Success), 4, 7, 2, 7},
        {CourseThrow(Course::College, Stage::Honours), 4, 9, 1, 10},
        {CourseThrow(Course::MilitaryAcademy, Stage::Admission), 1, 9, 2, 10},
        {CourseThrow(Course::MilitaryAcademy, Stage::Success), 4, 7, 2, 9},
        {CourseThrow(Course::MilitaryAcademy, Stage::Honours), 4, 8, 1, 9},
        {CourseThrow(Course::MerchantAcademy, Stage::Admission), 5, 9, 2, 10},
        {CourseThrow(Course::MerchantAcademy, Stage::Success), 4, 7, 2, 9},
        {CourseThrow(Course::MerchantAcademy, Stage::Honours), 4, 8, 1, 9},
        {CourseThrow(Course::NavalAcademy, Stage::Admission), 6, 9, 2, 9},
        {CourseThrow(Course::NavalAcademy, Stage::Success), 5, 7, 2, 9},
        {CourseThrow(Course::NavalAcademy, Stage::Honours), 4, 9, 1, 9},
        {CourseThrow(Course::GraduateSchool, Stage::Admission), 5, 9, 2, 9},
        {CourseThrow(Course::GraduateSchool, Stage::Success), 4, 8, 2, 7},
        {CourseThrow(Course::GraduateSchool, Stage::Honours), 5, 10, 1, 11},
        {CourseThrow(Course::MedicalSchool, Stage::Admission), 5, 9, 2, 9},
        {CourseThrow(Course::MedicalSchool, Stage::Success), 5, 7, 2, 8},
        {CourseThrow(Course::MedicalSchool, Stage::Honours), 5, 10, 1, 11},
        {CourseThrow(Course::FlightSchool, Stage::Admission), 2, 8, 1, 9},
        {CourseThrow(Course::FlightSchool, Stage::Success), 4, 7, 1, 7},
        {OtcThrow, 6, 7, 1, 8},
        {NotcThrow, 6, 9, 1, 9},
    };
    auto pass = [&](const AcademicThrow& roll, int total) {
        t.dice.Push({total / 2, total - total / 2});
        return PassThrow(g, roll);
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stat * 1000 + r.above * 10 + r.target);
        c.Stats.fill(0);
        c.Stats[r.stat] = static_cast<int16_t>(r.above + 1);
        EXPECT_TRUE(pass(r.actual, r.target - r.mod));
        EXPECT_FALSE(pass(r.actual, r.target - r.mod - 1));
        c.Stats[r.stat] = static_cast<int16_t>(r.above);
        EXPECT_FALSE(pass(r.actual, r.target - 1));
        EXPECT_TRUE(pass(r.actual, r.target));
    }
    EXPECT_FALSE(PassCourseThrow(g, Course::FlightSchool, Stage::Honours));  // none, no throw
    EXPECT_EQ(t.dice.Left(), 0u);
}

struct PathCase {
    const char* name;
    std::string course, type;
    bool forced;
    std::vector<int> faces;
    std::vector<std::string> answers;  // after the course pick
    int term, line;
    std::string history, skills;
    int rank, edu, branchOpen;
};

// The whole road of each course: throws, questions, history, skills,
// rank, Edu and the years spent (from term 1, year 1).
TEST(AcademicCourse, Paths) {
    const std::string passed = "1.1 College - passed ";
    // clang-format off
    const std::vector<PathCase> cases = {
        {"college rejected", "College", "ARMY", false, {4, 4}, {}, 1, 1,
         "1.1 College - rejected ", "", 0, 7, 0},
        {"college failed", "College", "ARMY", false, {5, 4, 3, 3}, {}, 1, 2,
         "1.1 College - failed ", "", 0, 7, 0},
        {"college, OTC declined, no honours", "College", "ARMY", false,
         {5, 4, 4, 3, 1, 4, 5}, {"N"}, 2, 1, passed, "", 0, 8, 0},
        {"college, OTC thrown 7 fails", "College", "MARINE", false,
         {5, 4, 4, 3, 4, 3, 2, 4, 5}, {"Y"}, 2, 1, passed, "", 0, 8, 0},
        // With OTC and honours medical school is offered; declined, an
        // army cadet gets no flight school offer.
        {"college, OTC, honours", "College", "ARMY", false,
         {5, 4, 4, 3, 4, 4, 6, 5, 5}, {"Y", "N"}, 2, 1, passed + "|2.1 OTC Hons ", "", 10, 12, 0},
        {"college, NOTC, honours, flight", "College", "NAVY", false,
         {5, 4, 4, 3, 5, 4, 1, 5, 5, 5, 4, 4, 3, 5}, {"Y", "N", "Y"}, 3, 1,
         passed + "|2.1 NOTC Hons Flight School ", "Ship's Boat-1,Navigation-1,Pilot-2", 10, 10, 0},
        {"college, OTC, honours, medical", "College", "ARMY", false,
         {5, 4, 4, 3, 4, 4, 1, 5, 5, 4, 3, 3, 3, 5, 5}, {"Y", "Y"}, 3, 2,
         passed + "|2.1 OTC Hons Med School |3.1 - honours ", "Medical-3,Admin-1", 10, 11, 0},
        {"college forced", "College", "ARMY", true, {1}, {"Y", "Y"}, 3, 2,
         passed + "|2.1 OTC Hons Med School |3.1 - honours ", "Medical-3,Admin-1", 10, 11, 0},
        {"military rejected", "Military Academy", "ARMY", false, {4, 5}, {}, 1, 1,
         "1.1 Military Academy - rejected ", "", 0, 7, 0},
        {"military failed", "Military Academy", "ARMY", false, {5, 5, 4, 4}, {}, 1, 1,
         "1.1 Military Academy - failed ", "", 0, 7, 0},
        {"military passed", "Military Academy", "ARMY", false,
         {5, 5, 5, 4, 4, 3, 6, 1, 5, 4, 3, 4, 4}, {}, 2, 1, "1.1 Military Academy ",
         "Tactics-1,Admin-1,Forward Observer-1,Computer-1", 11, 8, 0},
        {"military honours", "Military Academy", "ARMY", false,
         {5, 5, 5, 4, 1, 1, 1, 1, 1, 1, 3, 5, 4}, {}, 2, 1, "1.1 Military Academy - Hons ", "",
         11, 8, 1},
        {"merchant failed", "Merchant Academy", "MERCHANT", false, {5, 5, 4, 4}, {}, 1, 1,
         "1.1 Merchant Academy - failed ", "", 0, 7, 0},
        {"merchant honours", "Merchant Academy", "MERCHANT", false,
         {5, 5, 5, 4, 1, 2, 1, 2, 5, 4}, {"1", "1", "1"}, 2, 1,
         "1.1 Merchant Academy - Hons ", "Rifle-2,Tactics-1", 2, 8, 0},
        {"naval failed", "Naval Academy", "NAVY", false, {5, 4, 4, 4}, {}, 1, 2,
         "1.1 Naval Academy - failed ", "", 0, 7, 0},
        {"naval, no honours", "Naval Academy", "NAVY", false,
         {5, 4, 5, 4, 1, 4, 1, 6, 4, 4}, {}, 2, 1,
         "1.1 Naval Academy - passed ", "Vacc Suit-1,Engineering-1", 11, 8, 0},
        {"naval honours, flight", "Naval Academy", "NAVY", false,
         {5, 4, 5, 4, 1, 4, 1, 6, 5, 4, 5, 4, 4, 3, 1}, {"N", "Y"}, 3, 1,
         "1.1 Naval Academy - passed |2.1 Hons Flight School ",
         "Vacc Suit-1,Engineering-1,Ship's Boat-1,Navigation-1,Pilot-1", 11, 8, 0},
        {"naval forced, offers declined", "Naval Academy", "NAVY", true, {1, 1, 1, 1},
         {"N", "N"}, 2, 1, "1.1 Naval Academy - passed |2.1 Hons ", "", 11, 8, 0},
        {"graduate failed", "Graduate School", "ARMY", false, {5, 4, 3, 3}, {}, 2, 1,
         "1.1 Graduate School - failed ", "", 0, 7, 0},
        {"graduate passed", "Graduate School", "ARMY", false, {5, 4, 4, 3, 5, 5}, {"2", "1"},
         1, 4, "1.1 Graduate School ", "Chemistry-3,Physics-1", 0, 7, 0},
        {"graduate honours", "Graduate School", "ARMY", false, {5, 4, 4, 3, 6, 5}, {"2", "3"},
         1, 4, "1.1 Graduate School - Honours ", "Chemistry-4,Biology-1", 0, 7, 0},
    };
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        Bench b;
        auto& c = b.c;
        c.Options[OptForceAcademic] = k.forced ? OptOn : OptOff;
        b.g.Service.Type = k.type;
        b.g.Service.Academic = {"", k.course};
        for (int f : k.faces) b.t.dice.Push(f);
        b.t.ui.Answer("1");
        for (const auto& a : k.answers) b.t.ui.Answer(a);
        b.Play();
        EXPECT_EQ(b.History(), k.history);
        EXPECT_EQ(b.Skills(), k.skills);
        EXPECT_EQ(c.CurTerm, k.term);
        EXPECT_EQ(c.CurLine, k.line);
        EXPECT_EQ(c.Rank, k.rank);
        EXPECT_EQ(c.Stats[5], k.edu);
        EXPECT_EQ(c.BranchOpen[1], k.branchOpen);
    }
}

// The list keeps the file's order, leaves out what cannot be chosen here,
// and ends with the way out; choosing it (or closing) spends nothing.
TEST_F(AcademicTest, SelectionList) {
    g.Service.Academic = {"",
                          "College",
                          " Medical School",
                          "",
                          "Flight School",
                          "Psionic Training ",
                          "Naval Academy"};
    t.ui.Answer("4");
    Play();
    t.ui.Answer("0");  // closed
    Play();
    c.PsiTrained = 1;
    t.ui.Answer("3");
    Play();
    ASSERT_EQ(t.ui.shown.size(), 3u);
    EXPECT_EQ(t.ui.shown[0].Text,
              "College/Psionic Training/Naval Academy/No academic studies before enlistment");
    EXPECT_EQ(t.ui.shown[0].Title, "Select academic option");
    EXPECT_EQ(t.ui.shown[2].Text, "College/Naval Academy/No academic studies before enlistment");
    EXPECT_EQ(History(), "");
    EXPECT_EQ(c.CurLine, 1);
    EXPECT_EQ(g.AcademicFlag, "\"");
}

// Psionic training leads back to a fresh list.
TEST_F(AcademicTest, PsionicTrainingReturnsToList) {
    for (auto& talent : g.PsiTalent) talent.Learned = 1;  // nothing to choose in training
    t.dice.SetFallback(true);                             // its strength throw
    g.Service.Academic = {"", "Psionic Training"};
    t.ui.Answer({"1", "2"});
    AcademicOptions(g);
    EXPECT_EQ(Picks(), 2);
    EXPECT_EQ(History(), "1.1 Psionic Training ");
}

// A course named in the file but unknown here, from the list or from a
// special assignment, is reported and spends nothing.
TEST_F(AcademicTest, UnknownCourse) {
    g.Service.Academic = {"", "Basket Weaving"};
    t.ui.Answer("1");
    Play();
    g.AcademicFlag = "ACADEMIC";
    g.PickText = "Cooking School";
    Play();
    EXPECT_EQ(t.ui.messages, std::vector<std::string>({"Academic option not recognized!",
                                                       "Academic option not recognized!"}));
    EXPECT_EQ(History(), "1.1 Basket Weaving Cooking School ");
    EXPECT_EQ(c.CurLine, 1);
}

// In place of a special assignment the course comes from the dispatcher's
// pick; medical and flight school go straight to their procedures. The
// flag is spent by the call, so the next call offers the list again.
TEST_F(AcademicTest, InPlaceOfSpecial) {
    auto special = [&](const std::string& course, std::initializer_list<int> faces) {
        g.AcademicFlag = "ACADEMIC";
        g.PickText = course;
        t.dice.Push(faces);
        Play();
        EXPECT_EQ(g.AcademicFlag, "\"");
    };
    special("Medical School", {4, 4});  // admission 8: rejected
    EXPECT_EQ(History(), "1.1 Med School - rejected ");
    special("Flight School", {5, 4, 3, 3});  // failed: one year
    EXPECT_EQ(c.CurLine, 2);
    special("Medical School", {5, 4, 4, 4, 5, 5});  // passed, honours missed: four years
    EXPECT_EQ(Skills(), "Medical-4,Admin-1,Computer-1");
    EXPECT_EQ(c.Stats[5], 8);
    EXPECT_EQ(c.CurTerm, 2);
    EXPECT_EQ(c.CurLine, 2);
    special("College", {4, 4});
    EXPECT_EQ(History(),
              "1.1 Med School - rejected Flight School - failed |1.2 Med School |2.2 College - "
              "rejected ");
    EXPECT_EQ(Picks(), 0);
    g.Service.Academic = {"", "College"};
    t.ui.Answer("2");
    Play();
    EXPECT_EQ(Picks(), 1);
}

// The gain is 1D6 less 2 or 3, +1 above Int 8, never below 1.
TEST_F(AcademicTest, EducationGain) {
    struct Row {
        int die, subtract, intel, gain;
    };
    for (const Row& r : {Row{1, 2, 7, 1}, Row{2, 2, 7, 1}, Row{1, 2, 9, 1}, Row{6, 2, 9, 5},
                         Row{3, 3, 8, 1}, Row{6, 3, 7, 3}}) {
        c.Stats[4] = static_cast<int16_t>(r.intel);
        c.Stats[5] = 7;
        t.dice.Push(r.die);
        EXPECT_EQ(EducationGain(g, r.subtract, " EDU"), r.gain);
        EXPECT_EQ(c.Stats[5], 7 + r.gain);
    }
    EXPECT_NE(g.TermWindow.Log.find("+5 EDU"), std::string::npos);
}

// Ranks stay inside the service's table and a course never lowers one.
TEST_F(AcademicTest, CourseRanks) {
    g.Service.MaxRank = 9;  // enlisted ranks only
    GrantCourseRank(g, 11);
    GrantOfficerRank(g);
    EXPECT_EQ(c.Rank, 0);
    g.Service.MaxRank = 40;  // a file claiming more ranks than the record holds
    GrantCourseRank(g, 26);
    EXPECT_EQ(c.Rank, 0);
    GrantOfficerRank(g);
    EXPECT_EQ(c.Rank, 10);
    c.Rank = 13;
    GrantCourseRank(g, 11);
    GrantOfficerRank(g);
    EXPECT_EQ(c.Rank, 13);
}

// The major and minor explanations are left out under the sort option.
TEST_F(AcademicTest, GraduateMessages) {
    g.Service.Academic = {"", "Graduate School"};
    t.dice.Push({5, 4, 4, 3, 5, 5});
    t.ui.Answer({"1", "1", "1"});
    Play();
    EXPECT_EQ(t.ui.messages, std::vector<std::string>(
                                 {"Select a skill to be the character's MAJOR field of study",
                                  "Select a skill to be the character's MINOR field of study"}));
    c.Options[OptSortSkills] = OptOn;
    t.dice.Push({5, 4, 4, 3, 5, 5});
    t.ui.Answer({"1", "1", "1"});
    Play();
    EXPECT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(Skills(), "Physics-8");
}

}  // namespace
