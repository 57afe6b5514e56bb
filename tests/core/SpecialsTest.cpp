#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "career/Specials.h"
#include "career/specials/SharedResults.h"
#include "career/specials/SpecialTable.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "support/TestGame.h"

using namespace orrimar;
using namespace orrimar::specials;

namespace {

// A six-characteristic race and a service with ranks E0..E9, O1..O6 and
// one skill table, built here so every case states each throw it makes.
// Cascades are kept whole, so "XTRAIN" or "GUN COMBAT" are plain gains.
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    explicit Bench(const std::string& type = "ARMY", int rank = 3) {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = type;
        s.BranchName = "Line";
        s.MaxRank = 15;
        for (int k = 0; k <= 15; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.SkillTable[1].Title = "Drill";
        s.SkillTable[1].Eli[1] = "Eli      All";
        s.SkillTable[1].Max = 6;
        s.SkillTable[1].Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = static_cast<int16_t>(rank);
        c.CurTerm = 1;
        c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }

    std::string Year() const { return c.TermLog[1].Lines[1]; }
    int Level(const std::string& name) const { return GetSkillLevel(g, name); }
    // `count` skill-table throws, each landing on "Rifle".
    void SkillRolls(int count) {
        for (int k = 0; k < count; ++k) {
            t.ui.Answer("1");
            t.dice.Push(1);
        }
    }
    // Runs the special assignment and checks every scripted throw and
    // answer was used.
    void Run() {
        SpecialAssignment(g);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
    }
    // The history after the table throw `face`, the rest of the throws
    // random and every choice made by dice.
    std::string Outcome(int face) {
        c.Options[OptAutoGen] = OptOn;
        t.dice.Push(face);
        t.dice.SetFallback(true);
        SpecialAssignment(g);
        return Year();
    }
};

// One result of a table: the table die, the history, the skills thrown
// for at `target` (in order) and the skills granted.
struct RowCase {
    int face;
    std::string history;
    int target;
    std::string tried;    // "/"-separated
    std::string granted;  // "/"-separated
};

std::vector<std::string> Names(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : Split(list, '/');
}

// Applies each row to a fresh character. The tried skills are thrown for
// alternately at exactly the target (gained) and one below (not gained),
// so each row's target and skill order are checked, not just its names.
void ExpectRows(const std::string& type, int rank, void (*setup)(Bench&),
                const std::vector<RowCase>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(type + " rank " + std::to_string(rank) + " face " + std::to_string(row.face) +
                     ": " + row.history);
        Bench b(type, rank);
        if (setup) setup(b);
        b.t.dice.Push(row.face);
        std::map<std::string, int> gains;
        for (const auto& name : Names(row.granted)) ++gains[name];
        const auto tried = Names(row.tried);
        for (size_t k = 0; k < tried.size(); ++k) {
            b.t.dice.Push(k % 2 == 0 ? row.target : row.target - 1);
            gains[tried[k]] += k % 2 == 0 ? 1 : 0;
        }
        b.Run();
        EXPECT_EQ(b.Year(), row.history + " ");
        for (const auto& [name, count] : gains)
            EXPECT_EQ(b.Level(name), count > 0 ? count : -1) << name;
    }
}

// Neither the army's End bonus nor the marines' Edu bonus.
void NoBonus(Bench& b) {
    b.c.Stats[StatEnd] = 6;
    b.c.Stats[StatEdu] = 6;
}

// ---- The navy ----------------------------------------------------------

TEST(SpecialsNavy, EnlistedRows) {
    ExpectRows(
        "NAVY", 3, nullptr,
        {
            {1, "- cross-train", 0, "", "XTRAIN"},
            {3, "- Recruiting", 0, "", "Recruiting"},
            {4, "- Engineering School", 5, "Mechanical/Electronics/Gravitics/Engineering", ""},
            {5, "- Gunnery School", 5, "GUNNERY/GUNNERY/GUNNERY/GUNNERY", ""},
        });
}

TEST(SpecialsNavy, OfficerRows) {
    ExpectRows("NAVY", 11, nullptr,
               {
                   {1, "- cross-train", 0, "", "XTRAIN"},
                   {2, "- Intelligence School", 4,
                    "Forgery/Bribery/Streetwise/Interrogation/GUN COMBAT", ""},
                   {3, "- Recruiting", 0, "", "Recruiting"},
                   {5, "- Command College", 4, "Ship Tactics/Fleet Tactics/Leader/Admin", ""},
                   {6, "- Staff College", 4, "Admin/Fleet Tactics/Computer/Robot Ops/Liaison", ""},
               });
}

// The +1 needs Edu above 7, for enlisted and officers alike.
TEST(SpecialsNavy, EducationModifier) {
    EXPECT_EQ(Bench("NAVY", 3).Outcome(1), "- cross-train ");
    Bench enlisted("NAVY", 3);
    enlisted.c.Stats[StatEdu] = 8;
    EXPECT_EQ(enlisted.Outcome(1).rfind("- Specialist School ", 0), 0u);
    Bench plain("NAVY", 11);
    EXPECT_EQ(plain.Outcome(5).rfind("- Command College ", 0), 0u);
    Bench top("NAVY", 11);
    top.c.Stats[StatEdu] = 8;
    EXPECT_EQ(top.Outcome(5).rfind("- Staff College ", 0), 0u);
}

// ---- Specialist School --------------------------------------------------

// Int + Edu of 15 takes the technical list, 16 the academic one; each
// position of both lists is checked.
void ExpectSpecialist(const std::string& type, int face, const std::vector<std::string>& technical,
                      const std::vector<std::string>& academic) {
    for (int sum : {15, 16}) {
        const auto& list = sum == 15 ? technical : academic;
        for (int p = 1; p <= 6; ++p) {
            SCOPED_TRACE(type + " Int+Edu " + std::to_string(sum) + " p " + std::to_string(p));
            Bench b(type, 3);
            b.c.Stats[StatEnd] = 6;
            b.c.Stats[StatEdu] = 7;
            b.c.Stats[StatInt] = static_cast<int16_t>(sum - 7);
            b.t.dice.Push({face, p});
            b.Run();
            EXPECT_EQ(b.Year(), "- Specialist School ");
            EXPECT_EQ(b.Level(list[p - 1]), 1);
        }
    }
}

TEST(SpecialsSpecialist, NavyLists) {
    ExpectSpecialist(
        "NAVY", 2, {"Mechanical", "Electronics", "Gravitic", "Commo", "Engineering", "Ship's Boat"},
        {"ACADEMIC", "Medical", "SPACE TECHNICAL", "SPACE", "Computer", "Liaison"});
}

TEST(SpecialsSpecialist, ArmyLists) {
    ExpectSpecialist("ARMY", 2,
                     {"Mechanical", "Electronics", "Gravitic", "Commo", "VEHICLE", "Ship's Boat"},
                     {"ACADEMIC", "Medical", "SPACE", "ENVIRON", "Computer", "Liaison"});
}

// ---- The army, marines and guard ---------------------------------------

TEST(SpecialsArmy, EnlistedRows) {
    for (const char* type : {"ARMY", "MARINE"}) {
        ExpectRows(type, 3, NoBonus,
                   {
                       {1, "- cross-training", 0, "", "XTRAIN"},
                       {3, "- Commando School", 5,
                        "Brawling/GUN COMBAT/Demolitions/Intrusion/Stealth/Survival/Recon/Vacc "
                        "Suit/BLADE COMBAT/Instruction",
                        ""},
                       {4, "- Protected Forces", 3, "Vacc Suit/High G Environ/Zero G Environ", ""},
                       {5, "- Recruiting", 0, "", "Recruiting"},
                   });
    }
}

TEST(SpecialsArmy, OfficerRows) {
    ExpectRows(
        "ARMY", 11, nullptr,
        {
            {1, "- Intelligence School", 4, "Forgery/Bribery/Streetwise/Interrogation/VICE", ""},
            {2, "- Command College", 4, "Tactics/Leader/Recon", ""},
            {4, "- Staff College", 4, "Admin/Combat Engineering/Computer/Robot Ops", ""},
            {5, "- Recruiting", 0, "", "Recruiting"},
        });
}

TEST(SpecialsArmy, GuardTrainsTavrchedl) {
    const std::string skills = "NV Comm/Psychology/INTERPERSONAL/TALENT";
    ExpectRows("GUARD", 3, nullptr, {{3, " - Tavrchedl' Training", 3, skills, ""}});
    ExpectRows("GUARD", 10, nullptr, {{3, "Tavrchedl' Training", 3, skills, ""}});

    Bench b("GUARD", 3);
    b.t.dice.Push({3, 6, 6, 6, 6});
    b.Run();
    EXPECT_EQ(b.c.BranchOpen[6], 1);
    EXPECT_EQ(b.c.BranchOpen[1], 0);
    ASSERT_EQ(b.t.ui.messages,
              std::vector<std::string>{"Transfer to branch Tavrchedl' now available"});
    EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
}

// Army +1 for End 7 or more, marine +1 for Edu above 6, guard never, and
// officers never: a 5 becomes OCS only with the bonus.
TEST(SpecialsArmy, EnlistedModifiers) {
    struct Case {
        const char* type;
        int rank, end, edu;
        bool bonus;
    };
    const Case cases[] = {
        {"ARMY", 8, 7, 6, true},     {"ARMY", 8, 6, 9, false},  {"MARINE", 8, 6, 7, true},
        {"MARINE", 8, 9, 6, false},  {"GUARD", 8, 9, 9, false}, {"ARMY", 11, 9, 9, false},
        {"MARINE", 11, 9, 9, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.type) + " rank " + std::to_string(k.rank) + " End " +
                     std::to_string(k.end) + " Edu " + std::to_string(k.edu));
        Bench b(k.type, k.rank);
        b.c.Stats[StatEnd] = static_cast<int16_t>(k.end);
        b.c.Stats[StatEdu] = static_cast<int16_t>(k.edu);
        EXPECT_EQ(b.Outcome(5), k.bonus ? "- OCS " : "- Recruiting ");
    }
}

// ---- OCS -----------------------------------------------------------------

TEST(SpecialsOcs, RankFromEnlistedRank) {
    struct Case {
        int from, to, rolls;
    };
    for (const Case k :
         {Case{3, 10, 2}, Case{0, 10, 2}, Case{7, 11, 2}, Case{8, 12, 0}, Case{9, 12, 0}}) {
        SCOPED_TRACE("from rank " + std::to_string(k.from));
        Bench b("ARMY", k.from);
        NoBonus(b);
        b.t.dice.Push(6);
        b.SkillRolls(k.rolls);
        b.Run();
        EXPECT_EQ(b.c.Rank, k.to);
        EXPECT_EQ(b.Year(), "- OCS ");
        EXPECT_EQ(b.Level("Rifle"), k.rolls > 0 ? k.rolls : -1);
        EXPECT_NE(b.g.TermWindow.Log.find("Promoted to officer rank O" + std::to_string(k.to - 9)),
                  std::string::npos);
    }
}

TEST(SpecialsOcs, NavyOcsAtSixAndSeven) {
    Bench b("NAVY", 8);
    b.c.Stats[StatEdu] = 8;
    b.t.dice.Push(6);  // 7 with the modifier
    b.Run();
    EXPECT_EQ(b.c.Rank, 12);
    EXPECT_EQ(b.Year(), "- OCS ");
}

TEST(SpecialsOcs, RaceTwelveTrainsInstead) {
    Bench b("ARMY", 7);
    NoBonus(b);
    b.g.Race.Code = 12;
    b.t.dice.Push(6);
    b.SkillRolls(3);
    b.Run();
    EXPECT_EQ(b.c.Rank, 7);
    EXPECT_EQ(b.Year(), "- Training ");
    EXPECT_EQ(b.Level("Rifle"), 3);
    EXPECT_EQ(b.g.TermWindow.Log.find("Promoted"), std::string::npos);
}

// ---- Commando School -----------------------------------------------------

TEST(SpecialsCommando, FirstTimeOpensTheBranch) {
    Bench b("MARINE", 11);
    b.t.dice.Push({3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    b.Run();
    EXPECT_EQ(b.Year(), "- Commando School ");
    EXPECT_EQ(b.c.BranchOpen[1], 1);
    EXPECT_EQ(b.Level("Instruction"), 1);
    ASSERT_EQ(b.t.ui.messages,
              std::vector<std::string>{"Transfer to branch Commando now available"});
    EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
}

TEST(SpecialsCommando, InstructorOnceTheBranchIsOpen) {
    Bench b("ARMY", 4);
    NoBonus(b);
    b.c.BranchOpen[1] = 1;
    b.t.dice.Push(3);
    b.Run();
    EXPECT_EQ(b.Year(), "- Commando School (as instructor) ");
    EXPECT_EQ(b.Level("Instruction"), 1);
    EXPECT_EQ(b.Level("Brawling"), -1);
    EXPECT_TRUE(b.t.ui.messages.empty());
}

// ---- Attache and aide ----------------------------------------------------

TEST(SpecialsAttache, PromotedBelowMaxRankOnly) {
    for (int rank : {14, 15}) {
        SCOPED_TRACE("rank " + std::to_string(rank));
        Bench b("ARMY", rank);
        b.t.dice.Push({6, 4});
        b.Run();
        EXPECT_EQ(b.Year(), "- Military Attache ");
        EXPECT_EQ(b.c.Stats[StatSoc], 8);
        EXPECT_EQ(b.c.Rank, 15);
        EXPECT_EQ(b.g.TermWindow.Log.find("Promoted!") != std::string::npos, rank == 14);
    }
}

// The General's Aide throws 1D5 on the army officer table: results 1 to 5.
TEST(SpecialsAttache, GeneralsAideFollowOn) {
    const std::vector<RowCase> followOn = {
        {1, "- Intelligence School", 4, "Forgery/Bribery/Streetwise/Interrogation/VICE", ""},
        {2, "- Command College", 4, "Tactics/Leader/Recon", ""},
        {3, "- Commando School", 5,
         "Brawling/GUN COMBAT/Demolitions/Intrusion/Stealth/Survival/Recon/Vacc Suit/BLADE "
         "COMBAT/Instruction",
         ""},
        {4, "- Staff College", 4, "Admin/Combat Engineering/Computer/Robot Ops", ""},
        {5, "- Recruiting", 0, "", "Recruiting"},
    };
    for (const auto& row : followOn) {
        auto aide = row;
        aide.history = "- General's Aide " + row.history;
        ExpectRows("ARMY", 12, [](Bench& b) { b.t.dice.Push({6, 5}); }, {aide});
    }
    Bench b("ARMY", 12);
    b.t.dice.Push({6, 6, 5});
    b.Run();
    EXPECT_EQ(b.c.Stats[StatSoc], 8);
    EXPECT_EQ(b.c.Rank, 12);

    // The follow-on die has five sides: a 6 is no face of it.
    Bench d("ARMY", 12);
    d.t.dice.Push({6, 5, 6});
    EXPECT_THROW(SpecialAssignment(d.g), std::logic_error);
}

// The Admiral's Aide throws 1D5 on the navy officer table, without the
// Edu modifier; its result 4 may post the aide again.
TEST(SpecialsAttache, AdmiralsAideFollowOn) {
    Bench b("NAVY", 12);
    b.c.Stats[StatEdu] = 8;
    b.t.dice.Push({3, 5, 5, 4, 4, 4, 4});  // 4 with the modifier; aide; Command College
    b.Run();
    EXPECT_EQ(b.Year(), "- Admiral's Aide - Command College ");
    EXPECT_EQ(b.c.Stats[StatSoc], 8);
    EXPECT_EQ(b.Level("Ship Tactics"), 1);

    Bench twice("NAVY", 12);
    twice.t.dice.Push({4, 6, 4, 1});  // aide, then attache on the follow-on
    twice.Run();
    EXPECT_EQ(twice.Year(), "- Admiral's Aide - Naval Attache ");
    EXPECT_EQ(twice.c.Stats[StatSoc], 9);
    EXPECT_EQ(twice.c.Rank, 13);
}

// ---- The merchants -------------------------------------------------------

TEST(SpecialsMerchant, RankZeroRows) {
    ExpectRows("MERCHANT", 0, nullptr,
               {
                   {1, "- Security training", 4,
                    "Zero G Environ/Zero G Weapons/Vacc suit/Brawling/Computer", ""},
                   {2, "- Trade station", 4, "Broker/Liaison", "Trader"},
                   {3, "- Helm training", 5, "Navigation/Pilot/Ship's Boat", ""},
                   {4, "- Drive training", 5, "Electronics/Engineering/Gravitics/Mechanical", ""},
                   {5, "- Steward training", 4, "Admin/Liaison/Steward", ""},
               });
}

TEST(SpecialsMerchant, RankedRows) {
    ExpectRows("MERCHANT", 2, nullptr,
               {
                   {1, "- Trade station", 4, "Broker/Liaison", "Trader"},
                   {2, "- Command school", 5, "Admin/Leader/Legal/Ship Tactics", ""},
                   {3, "- Deck school", 5, "Commo/Computer/GUNNERY", ""},
                   {4, "- Engineering school", 5,
                    "Admin/Computer/Electronics/Engineering/Mechanical/Gravitics", ""},
                   {5, "- Purser school", 4, "Admin/Computer/Liaison", ""},
                   {6, "- Business school", 5, "Admin/Computer/Legal/Liaison", ""},
               });
}

TEST(SpecialsMerchant, CommissionAtRankZero) {
    for (int edu : {8, 9}) {
        Bench b("MERCHANT", 0);
        b.c.Stats[StatEdu] = static_cast<int16_t>(edu);
        b.t.dice.Push(6);  // 6, or 7 with the Edu modifier
        b.Run();
        EXPECT_EQ(b.Year(), "- Commission O0 ");
        EXPECT_EQ(b.c.Commissioned, 1);
        EXPECT_EQ(b.c.Rank, 1);
    }
}

// +1 for Edu above 8; +1 outside a "Deck" branch from rank 6; capped at 7.
TEST(SpecialsMerchant, Modifiers) {
    struct Case {
        const char* branch;
        int rank, edu, face;
        const char* history;
    };
    const Case cases[] = {
        {"Engine Room", 2, 8, 5, "- Purser school"},
        {"Engine Room", 2, 9, 5, "- Business school"},
        {"Engine Room", 5, 8, 5, "- Purser school"},
        {"Engine Room", 6, 8, 5, "- Business school"},
        {"Deck Officers", 6, 8, 5, "- Purser school"},
        {"Engine Room", 6, 9, 5, "- Department test"},
        {"Engine Room", 6, 9, 6, "- Department test"},  // 8 counts as 7
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.branch) + " rank " + std::to_string(k.rank) + " Edu " +
                     std::to_string(k.edu) + " face " + std::to_string(k.face));
        Bench b("MERCHANT", k.rank);
        b.g.Service.BranchName = k.branch;
        b.c.Stats[StatEdu] = static_cast<int16_t>(k.edu);
        EXPECT_EQ(b.Outcome(k.face).rfind(std::string(k.history) + " ", 0), 0u);
        EXPECT_EQ(b.c.DeptTestPassed, std::string(k.history) == "- Department test" ? 1 : 0);
    }
}

TEST(SpecialsMerchant, AslanRacesUseTheirOwnTables) {
    for (int race : {6, 7}) {
        SCOPED_TRACE("race " + std::to_string(race));
        Bench b("MERCHANT", 0);
        b.g.Race.Code = race;
        const std::string year = b.Outcome(1);
        for (const char* text : {"- Security training", "- Trade station", "- Helm training",
                                 "- Drive training", "- Steward training", "- Commission O0"})
            EXPECT_EQ(year.find(text), std::string::npos) << text;
        EXPECT_FALSE(b.t.ui.SawMessage("Specials not defined"));
    }
}

// ---- Journalists and corsairs --------------------------------------------

TEST(SpecialsJournal, Rows) {
    const std::vector<RowCase> rows = {
        {1, "- Survival school", 4, "Survival/GUN COMBAT/Hunting/HAND COMBAT/Jack of Trades", ""},
        {2, "- Journalism school", 0, "", "Instruction"},
        {3, "- Space school", 0, "", "Vacc Suit"},
        {4, "- Ship training", 4, "Pilot/Navigation/Engineering/SPACE", ""},
        {5, "- Language school", 0, "", "Language"},
        {6, "- Language school", 0, "", "Language"},
    };
    ExpectRows("JOURNAL", 3, nullptr, rows);
}

TEST(SpecialsJournal, RaceSevenNeitherHuntsNorPilots) {
    ExpectRows(
        "JOURNAL", 3, [](Bench& b) { b.g.Race.Code = 7; },
        {
            {1, "- Survival school", 4, "Survival/GUN COMBAT/HAND COMBAT/Jack of Trades", ""},
            {4, "- Ship training", 4, "Navigation/Engineering/SPACE", ""},
        });
}

TEST(SpecialsCorsair, Rows) {
    for (const char* type : {"CORSAIR", "PIRATE"}) {
        ExpectRows(type, 3, nullptr,
                   {
                       {1, "- Infiltrate", 5, "Stealth/Reconnaisance/Bribery/Disguise/Tactics", ""},
                       {2, "- Mutiny", 5, "Stealth/GUN COMBAT/Leader/Tactics", ""},
                       {3, "- Sabotage", 4, "Demolition/Intrusion/Disguise", ""},
                       {4, "- Ship Heist", 4, "Disguise/Bribery/Forgery/GUN COMBAT", ""},
                       {5, "- Lieutenant", 4,
                        "Leader/Recruiting/Interrogation/Bootlicking/GUN COMBAT", ""},
                   });
    }
}

// ---- The dispatcher --------------------------------------------------------

TEST(SpecialsDispatch, UnknownCareerCode) {
    Bench b("SCOUT", 3);
    b.Run();
    EXPECT_EQ(b.t.ui.messages,
              std::vector<std::string>{"Specials not defined for career type SCOUT"});
    EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
    EXPECT_EQ(b.Year(), "");
}

TEST(SpecialsDispatch, ExplorerAndSoragPassQuietly) {
    for (const char* type : {"EXPLORER", "SORAG", "Explorer"}) {
        Bench b(type, 3);
        b.Run();
        EXPECT_TRUE(b.t.ui.shown.empty()) << type;
        EXPECT_EQ(b.Year(), "") << type;
    }
}

TEST(SpecialsDispatch, CareerCodeReadWithoutCase) {
    Bench b("Navy", 3);
    b.t.dice.Push(3);
    b.Run();
    EXPECT_EQ(b.Year(), "- Recruiting ");
}

// Every other family has a routine of its own: none of them is "not defined".
TEST(SpecialsDispatch, EveryFamilyIsDispatched) {
    for (const char* type : {"COPS", "DMIL", "DNAVY", "IRIS", "PARTY", "SOLSEC", "IMOJ", "FMILIT",
                             "MMILIT", "FSPACE", "MSPACE", "COAFC", "COAFCSD", "COAFCPD"}) {
        Bench b(type, 3);
        b.Outcome(1);
        EXPECT_FALSE(b.t.ui.SawMessage("Specials not defined")) << type;
    }
}

// ---- The academic offer ----------------------------------------------------

TEST(SpecialsAcademic, ChoicesInCourseOrder) {
    Bench b("JOURNAL", 3);
    b.c.Options[OptAcademicSpecials] = OptOn;
    b.g.Service.PlusEdu = {0, 1, 0, 0, 0, 0, 2, 1, 1, 1, 0};
    b.t.ui.Answer("3");  // Take normal Special Assignment
    b.t.dice.Push(2);
    b.Run();
    ASSERT_FALSE(b.t.ui.shown.empty());
    EXPECT_EQ(b.t.ui.shown.front().Kind, "pickone");
    EXPECT_EQ(b.t.ui.shown.front().Text, "College/Flight School/Take normal Special Assignment");
    EXPECT_EQ(b.t.ui.shown.front().Title, "Academic available instead of Special");
    EXPECT_EQ(b.Year(), "- Journalism school ");
    EXPECT_EQ(b.g.Service.PlusEdu[1], 1);
    EXPECT_EQ(b.g.Service.PlusEdu[7], 1);
}

TEST(SpecialsAcademic, CourseTakenInsteadAndMarked) {
    Bench b("JOURNAL", 3);
    b.c.Options[OptAcademicSpecials] = OptOn;
    b.g.Service.PlusEdu[1] = 1;
    b.g.Service.PlusEdu[3] = 1;
    b.t.ui.Answer("2");  // Merchant Academy
    b.t.dice.SetFallback(true);
    b.t.dice.Push({1, 1});  // turned away at admission, should the course throw
    SpecialAssignment(b.g);
    EXPECT_EQ(b.g.Service.PlusEdu[3], 2);
    EXPECT_EQ(b.g.Service.PlusEdu[1], 1);
    EXPECT_EQ(b.Year().find("school"), std::string::npos) << "the journalist table was thrown";
    EXPECT_EQ(b.g.AcademicFlag, "\"");

    // A course marked 2 is not offered again.
    Bench later("JOURNAL", 3);
    later.c.Options[OptAcademicSpecials] = OptOn;
    later.g.Service.PlusEdu[1] = 1;
    later.g.Service.PlusEdu[3] = 2;
    later.t.ui.Answer("2");
    later.t.dice.Push(3);
    later.Run();
    EXPECT_EQ(later.t.ui.shown.front().Text, "College/Take normal Special Assignment");
    EXPECT_EQ(later.Year(), "- Space school ");
}

TEST(SpecialsAcademic, NoOfferWithoutOptionOrCourse) {
    Bench off("JOURNAL", 3);
    off.g.Service.PlusEdu[1] = 1;
    off.t.dice.Push(2);
    off.Run();
    EXPECT_TRUE(off.t.ui.shown.empty());

    Bench none("JOURNAL", 3);
    none.c.Options[OptAcademicSpecials] = OptOn;
    none.g.Service.PlusEdu = {0, 2, 0, 0, 0, 0, 0, 0, 1, 1, 1};  // 8..10 are no courses
    none.t.dice.Push(2);
    none.Run();
    EXPECT_TRUE(none.t.ui.shown.empty());
    EXPECT_EQ(none.Year(), "- Journalism school ");
}

// Under automatic generation the dice choose; a closed window keeps the
// normal assignment.
TEST(SpecialsAcademic, AutomaticAndClosedWindow) {
    Bench b("JOURNAL", 3);
    b.c.Options[OptAcademicSpecials] = OptOn;
    b.c.Options[OptAutoGen] = OptOn;
    b.g.Service.PlusEdu[1] = 1;
    b.g.Service.PlusEdu[7] = 1;
    b.t.dice.Push({3, 2});
    b.Run();
    EXPECT_TRUE(b.t.ui.shown.empty());
    EXPECT_EQ(b.Year(), "- Journalism school ");

    Bench closed("JOURNAL", 3);
    closed.c.Options[OptAcademicSpecials] = OptOn;
    closed.g.Service.PlusEdu[2] = 1;
    closed.t.ui.Answer("0");
    closed.t.dice.Push(2);
    closed.Run();
    EXPECT_EQ(closed.Year(), "- Journalism school ");
    EXPECT_EQ(closed.g.Service.PlusEdu[2], 1);
}

// ---- The interpreter -------------------------------------------------------

// Features the core services do not use yet: a characteristic as the
// result, negated and skill conditions, fixed re-throws, picked skills and
// money; and a result no row covers.
TEST(SpecialsTable, InterpreterFeatures) {
    static const SpecialTable target{
        "Target",
        Die(1, 6),
        {
            At(2).Log("two").Pay(500),
            At(4).If(SkillAbove("Medical", 2)).Log("instructor").Grant({"Instruction"}),
            At(4).Log("student").Grant({"Medical-3"}),
        },
    };
    const SpecialTable bySoc{
        "By Soc",
        StatValue(StatSoc).Plus(1, {TermAtMost(5)}),
        {
            At(8).If(Not(RaceIs(3))).Then([]() -> const SpecialTable& { return target; }, Fixed(2)),
            At(9).Then([]() -> const SpecialTable& { return target; }, Fixed(4)),
            At(10).Log("- Assassination").PickSkills(1, 3, "Brawling/BLADE COMBAT", "Select Skill"),
        },
    };

    Bench b;
    RunSpecialTable(b.g, bySoc);  // Soc 7 + 1 = 8: no throw at all
    EXPECT_EQ(b.Year(), "two ");
    EXPECT_EQ(b.c.Money, 500);

    b.c.Stats[StatSoc] = 8;
    RunSpecialTable(b.g, bySoc);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.Year(), "two student instructor ");

    b.c.CurTerm = 6;
    RunSpecialTable(b.g, bySoc);  // 8 again, but race 3 has no row there
    b.g.Race.Code = 3;
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.c.TermLog[6].Lines[1], "two ");
    EXPECT_EQ(b.c.Money, 1000);

    b.c.Stats[StatSoc] = 10;
    b.t.dice.Push(2);           // two picks
    b.t.ui.Answer({"2", "0"});  // the closed window leaves it to a die
    b.t.dice.Push(1);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.c.TermLog[6].Lines[1], "two - Assassination ");
    EXPECT_EQ(b.Level("BLADE COMBAT"), 1);
    EXPECT_EQ(b.Level("Brawling"), 1);
    EXPECT_EQ(b.t.dice.Left(), 0u);
}

// A table that leads back to itself stops with a message, not a crash.
TEST(SpecialsTable, EndlessChainIsBounded) {
    static SpecialTable loop{"Loop", NoThrow(), {}};
    loop.Rows = {Any().Log("x").Then([]() -> const SpecialTable& { return loop; })};
    Bench b;
    RunSpecialTable(b.g, loop);
    EXPECT_TRUE(b.t.ui.SawMessage("Special assignment tables lead too deep at Loop"));
    EXPECT_EQ(b.Year().size(), 2u * 21);
}

}  // namespace
