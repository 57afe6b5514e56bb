// Special assignments of the core services, the dispatcher with its
// academic offer, and the table interpreter.
#include <stdexcept>

#include "SpecialFamiliesBench.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

const std::string Commando =
    "Brawling/GUN COMBAT/Demolitions/Intrusion/Stealth/Survival/Recon/Vacc Suit/BLADE "
    "COMBAT/Instruction";

// A few rows of each table, with their targets, grants and announcements.
// End 7 gives the army its bonus; the navy and guard throw bare.
TEST(SpecialsCore, RepresentativeRows) {
    const std::string tav = "NV Comm/Psychology/INTERPERSONAL/TALENT";
    const std::pair<Who, RowCase> cases[] = {
        {{"NAVY", 3}, {{5}, "- Gunnery School", 5, "GUNNERY/GUNNERY/GUNNERY/GUNNERY", ""}},
        {{"ARMY", 3},
         {{3}, "- Protected Forces", 3, "Vacc Suit/High G Environ/Zero G Environ", ""}},
        {{"MARINE", 11}, Opening({{3}, "- Commando School", 5, Commando, ""}, "Commando", 1)},
        {{"GUARD", 3}, Opening({{3}, " - Tavrchedl' Training", 3, tav, ""}, "Tavrchedl'", 6)},
        {{"GUARD", 10}, Opening({{3}, "Tavrchedl' Training", 3, tav, ""}, "Tavrchedl'", 6)},
        {{"ARMY", 12},
         {{6, 5, 2}, "- General's Aide - Command College", 4, "Tactics/Leader/Recon", "+1 Soc"}},
        {{"MERCHANT", 0}, {{2}, "- Trade station", 4, "Broker/Liaison", "Trader"}},
        {{"MERCHANT", 2}, {{3}, "- Deck school", 5, "Commo/Computer/GUNNERY", ""}},
        {{"JOURNAL", 3, 7},
         {{1}, "- Survival school", 4, "Survival/GUN COMBAT/HAND COMBAT/Jack of Trades", ""}},
        {{"PIRATE", 3}, {{3}, "- Sabotage", 4, "Demolition/Intrusion/Disguise", ""}}};
    for (const auto& [who, row] : cases) ExpectRow(who, row);
    // Once the branch is open the school takes the character as instructor.
    ExpectRow({"ARMY", 4}, {{2}, "- Commando School (as instructor)", 0, "", "Instruction"},
              [](Bench& b) { b.c.BranchOpen[1] = 1; });
}

// Army +1 for End 7 or more, marine +1 for Edu above 6, guard and officers
// never; navy +1 for Edu above 7; merchant +1 for Edu above 8, +1 outside a
// "Deck" branch from rank 6, and never above 7.
TEST(SpecialsCore, Modifiers) {
    struct Case {
        const char* type;
        int rank, end, edu;
        const char* branch;
        int face;
        const char* history;
    };
    const Case cases[] = {
        {"ARMY", 8, 7, 6, "", 5, "- OCS"},           {"ARMY", 8, 6, 9, "", 5, "- Recruiting"},
        {"MARINE", 8, 6, 7, "", 5, "- OCS"},         {"MARINE", 8, 9, 6, "", 5, "- Recruiting"},
        {"GUARD", 8, 9, 9, "", 5, "- Recruiting"},   {"ARMY", 11, 9, 9, "", 5, "- Recruiting"},
        {"Navy", 3, 7, 7, "", 1, "- cross-train"},   {"NAVY", 3, 7, 8, "", 1, "- Specialist"},
        {"NAVY", 8, 7, 8, "", 6, "- OCS"},           {"MERCHANT", 5, 7, 8, "", 5, "- Purser"},
        {"MERCHANT", 6, 7, 8, "", 5, "- Business"},  {"MERCHANT", 6, 7, 8, "Deck", 5, "- Purser"},
        {"MERCHANT", 2, 7, 9, "", 5, "- Business"},  {"MERCHANT", 6, 7, 9, "", 6, "- Department"},
        {"MERCHANT", 0, 7, 9, "", 6, "- Commission"}};
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.type) + " rank " + std::to_string(k.rank) + " End " +
                     std::to_string(k.end) + " Edu " + std::to_string(k.edu) + " " + k.branch);
        Bench b(k.type, k.rank);
        b.g.Service.BranchName = k.branch;
        b.c.Stats[StatEnd] = static_cast<int16_t>(k.end);
        b.c.Stats[StatEdu] = static_cast<int16_t>(k.edu);
        EXPECT_EQ(b.Outcome({k.face}).rfind(k.history, 0), 0u) << b.Year();
        EXPECT_EQ(b.c.DeptTestPassed, std::string(k.history) == "- Department" ? 1 : 0);
        EXPECT_EQ(b.c.Commissioned, k.rank == 0 ? 1 : 0);
    }
}

// Int + Edu of 15 takes the technical list, 16 the academic one.
TEST(SpecialsCore, SpecialistSchoolSwitchesAtSixteen) {
    const std::tuple<const char*, int, int, const char*> cases[] = {
        {"NAVY", 15, 1, "Mechanical"}, {"NAVY", 15, 6, "Ship's Boat"}, {"NAVY", 16, 1, "ACADEMIC"},
        {"NAVY", 16, 6, "Liaison"},    {"ARMY", 15, 5, "VEHICLE"},     {"ARMY", 16, 4, "ENVIRON"}};
    for (const auto& [type, sum, p, skill] : cases) {
        Bench b(type, 3);
        b.c.Stats[StatEnd] = 6;
        b.c.Stats[StatInt] = static_cast<int16_t>(sum - 7);
        b.t.dice.Push({2, p});
        b.Run();
        EXPECT_EQ(b.Year(), "- Specialist School ");
        EXPECT_EQ(b.Level(skill), 1) << type << " " << sum << " " << p;
    }
}

TEST(SpecialsCore, OfficerCandidateSchool) {
    const int cases[][3] = {{3, 10, 2}, {7, 11, 2}, {8, 12, 0}};  // from, to, throws
    for (const auto& [from, to, rolls] : cases) {
        Bench b("ARMY", from);
        b.t.dice.Push(6);
        b.SkillRolls(rolls);
        b.Run();
        EXPECT_EQ(b.Year(), "- OCS ");
        EXPECT_EQ(b.c.Rank, to);
        EXPECT_EQ(b.Level("Rifle"), rolls > 0 ? rolls : -1);
        EXPECT_NE(b.g.TermWindow.Log.find("Promoted to officer rank O" + std::to_string(to - 9)),
                  std::string::npos);
    }
    Bench trained("ARMY", 7, 12);  // race type 12 trains instead
    trained.t.dice.Push(6);
    trained.SkillRolls(3);
    trained.Run();
    EXPECT_EQ(trained.Year(), "- Training ");
    EXPECT_EQ(trained.c.Rank, 7);
    EXPECT_EQ(trained.Level("Rifle"), 3);
}

TEST(SpecialsCore, AttacheAndAide) {
    for (int rank : {14, 15}) {  // promoted only below the top rank
        Bench b("ARMY", rank);
        b.t.dice.Push({6, 4});
        b.Run();
        EXPECT_EQ(b.Year(), "- Military Attache ");
        EXPECT_EQ(b.c.Stats[StatSoc], 8);
        EXPECT_EQ(b.c.Rank, 15);
        EXPECT_EQ(b.g.TermWindow.Log.find("Promoted!") != std::string::npos, rank == 14);
    }
    Bench d("ARMY", 12);  // the follow-on die has five sides
    d.t.dice.Push({6, 5, 6});
    EXPECT_THROW(SpecialAssignment(d.g), std::logic_error);
    // The admiral's aide throws 1D5 on the navy officer table without the
    // Edu modifier: its 4 posts the aide again, here as attache.
    ExpectRow({"NAVY", 12},
              {{3, 5, 4, 1}, "- Admiral's Aide - Naval Attache", 0, "", "+1 Soc/+1 Soc"},
              [](Bench& b) { b.c.Stats[StatEdu] = 8; });
}

TEST(SpecialsDispatch, CareerCodes) {
    Bench b("SCOUT", 3);
    b.Run();
    EXPECT_EQ(b.t.ui.messages,
              std::vector<std::string>{"Specials not defined for career type SCOUT"});
    EXPECT_EQ(b.Year(), "");
    for (const char* type : {"EXPLORER", "SORAG", "Explorer"}) {
        Bench quiet(type, 3);
        quiet.Run();
        EXPECT_TRUE(quiet.t.ui.shown.empty()) << type;
    }
}

// Courses marked 1 are offered in course order (2 is one taken before, 8
// and above no course); the normal choice or a closed window keeps the
// service's table; a course taken is marked 2.
TEST(SpecialsDispatch, AcademicOffer) {
    Bench b("JOURNAL", 3);
    b.c.Options[OptAcademicSpecials] = OptOn;
    b.g.Service.PlusEdu = {0, 1, 0, 2, 0, 0, 0, 1, 1, 1, 0};
    b.t.ui.Answer({"3", "0"});
    b.t.dice.Push({2, 3});
    SpecialAssignment(b.g);
    b.Run();
    ASSERT_EQ(b.t.ui.shown.size(), 2u);
    EXPECT_EQ(b.t.ui.shown[0].Text, "College/Flight School/Take normal Special Assignment");
    EXPECT_EQ(b.t.ui.shown[0].Title, "Academic available instead of Special");
    EXPECT_EQ(b.Year(), "- Journalism school - Space school ");
    EXPECT_EQ(b.g.Service.PlusEdu[7], 1);

    b.t.ui.Answer("2");  // Flight School
    b.t.dice.SetFallback(true);
    SpecialAssignment(b.g);
    EXPECT_EQ(b.g.Service.PlusEdu[7], 2);
    EXPECT_EQ(b.g.Service.PlusEdu[1], 1);
    EXPECT_EQ(b.Year().find("Language"), std::string::npos) << "the journalist table was thrown";
}

// A characteristic as the result, conditions on race, skill and term,
// fixed re-throws into a further table, a range, picks and money.
TEST(SpecialsTable, InterpreterFeatures) {
    static const SpecialTable target{
        "Target",
        Die(1, 6),
        {At(2).Log("two").Pay(500), At(4, 5).If(SkillAbove("Medical", 2)).Log("teach"),
         AtLeast(4).Log("study").Grant({"Medical-3"})}};
    const auto toTarget = []() -> const SpecialTable& { return target; };
    const SpecialTable bySoc{
        "By Soc",
        StatValue(StatSoc).Plus(1, {TermAtMost(5)}),
        {At(8).If(Not(RaceIs(3))).Then(toTarget, Fixed(2)), At(9).Then(toTarget, Fixed(4)),
         At(10).Log("pick").PickSkills(1, 3, "Brawling/BLADE COMBAT", "Select Skill")}};

    Bench b("ARMY", 3);
    RunSpecialTable(b.g, bySoc);  // Soc 7 + 1 = 8: no throw at all
    b.c.Stats[StatSoc] = 8;
    RunSpecialTable(b.g, bySoc);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.Year(), "two study teach ");

    b.c.CurTerm = 6;
    RunSpecialTable(b.g, bySoc);  // 8 again, but race 3 has no row there
    b.g.Race.Code = 3;
    RunSpecialTable(b.g, bySoc);
    b.c.Stats[StatSoc] = 10;
    b.t.dice.Push(2);           // two picks
    b.t.ui.Answer({"2", "0"});  // the closed window leaves it to a die
    b.t.dice.Push(1);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.Year(), "two pick ");
    EXPECT_EQ(b.c.Money, 1000);
    EXPECT_EQ(b.Level("BLADE COMBAT"), 1);
    EXPECT_EQ(b.Level("Brawling"), 1);
    EXPECT_EQ(b.t.dice.Left(), 0u);
}

// A table that leads back to itself stops with a message, not a crash.
TEST(SpecialsTable, EndlessChainIsBounded) {
    static SpecialTable loop{"Loop", NoThrow(), {}};
    loop.Rows = {Any().Log("x").Then([]() -> const SpecialTable& { return loop; })};
    Bench b("ARMY", 3);
    RunSpecialTable(b.g, loop);
    EXPECT_TRUE(b.t.ui.SawMessage("Special assignment tables lead too deep at Loop"));
    EXPECT_EQ(b.Year().size(), 2u * 21);
}

}  // namespace
