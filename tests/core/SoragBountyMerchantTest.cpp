#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "career/Specials.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "startup/Service.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A seven-characteristic race (the seventh is psionic strength) with
// four-year terms; cascades are kept whole, so "XTRAIN" is a plain gain.
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;
    ServiceRecord& s = t.g.Service;

    Bench() {
        g.Race.NumStats = 7;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "PSI"};
        g.Race.YearsPerTerm = 4;
        g.Race.AgeAt = 10000;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        c.CurTerm = c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }
    // Gains (comma-separated), then 2D6 totals or single dice negated.
    void Set(const std::string& gains, const std::vector<int>& throws) {
        for (std::string gain : Split(gains, ','))
            if (!gain.empty()) AddSkill(g, gain);
        for (int n : throws)
            n < 0 ? t.dice.Push(-n) : t.dice.Push({std::min(6, n - 1), n - std::min(6, n - 1)});
    }
    // The term's history, once every scripted throw and answer was used.
    std::string Done() {
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        std::string lines;
        for (int y = 1; y <= 4; ++y) lines += c.TermLog[c.CurTerm].Lines[y];
        return lines;
    }
    std::string Held() const {  // in the order gained
        std::string held;
        for (int i = 1; !c.Skills[i].Name.empty(); ++i)
            held += c.Skills[i].Name + "-" + std::to_string(c.Skills[i].Level) + " ";
        return held;
    }
};

// The year's line, "|", the skills held after and any message.
std::string Sorag(const std::string& text, const std::vector<int>& throws,
                  const std::string& gains = "") {
    Bench b;
    b.Set(gains, throws);
    SoragSpecial(b.g, text);
    return b.Done() + "|" + b.Held() + (b.t.ui.messages.empty() ? "" : b.t.ui.messages[0]);
}

constexpr bool Open = true, Closed = false;  // the employment offer

// A bounty year, on `at` if given; the answer "auto" is automatic
// generation. Contracts sit at the index of their throw, as the hunt reads
// them: 2 allows capture or kill, 3 capture only, 4 kill only, 7 neither;
// 5 and 6 have no hunt. Returns the term's history.
std::string Hunt(int term, bool offers, int roll, const std::vector<int>& throws,
                 const std::string& gains = "", const std::string& answer = "",
                 Bench* at = nullptr) {
    std::optional<Bench> local;
    Bench& b = at ? *at : local.emplace();
    auto& a = b.s.Assignment;
    //      Name             Surv Deco Prom Skil Loca Capt Kill Empl
    a[2] = {"Wanted Killer", 0, 0, 0, 0, 8, 10, 8, 12};
    a[3] = {"Bail Jumper", 0, 0, 0, 0, 6, 6, 99, 14};
    a[4] = {"Dead Only", 0, 0, 0, 0, 7, 99, 7, 12};
    a[5] = {"No Contract", 0, 0, 0, 0, 99, 99, 99, 13};
    a[6] = {"Training", 0, 0, 0, 0, 99, 99, 99, 14};
    a[7] = {"Hopeless", 0, 0, 0, 0, 5, 99, 99, 14};
    for (int k = 2; k <= 7; ++k) b.s.AssignByRoll[k] = a[k].Name;
    b.c.CurTerm = static_cast<int16_t>(term);
    b.c.BranchOpen[10] = offers ? 0 : 1;
    if (answer == "auto") b.c.Options[OptAutoGen] = OptOn;
    if (answer.size() == 1) b.t.ui.Answer(answer);
    b.Set(gains, throws);
    // A warrant application may lead to the training: its throws are random.
    b.t.dice.SetFallback(term >= 3 && !answer.empty());
    BountyHunt(b.g, roll);
    return b.Done();
}

// A merchant year (`rank` -1: not commissioned); returns the line, marking a promotion.
std::string Merchant(Bench& b, int rank, const std::vector<int>& throws,
                     std::string year = "Route ", std::string branch = "Free Trader") {
    b.s.BranchName = std::move(branch);
    b.s.Command = 5;
    b.s.MaxRank = 7;
    for (int k = 1; k <= 8; ++k) b.s.RankCode[k] = "O" + std::to_string(k);  // O8 > MaxRank
    b.s.RankCode[2] = " O2 ";                                                // compared trimmed
    if (b.s.Qualif[1].empty())
        b.s.Qualif = {"", "O1=6=Automatic-0", "O2=7=Pilot-1", "O3=7=Admin-1", "O8=2=Automatic-0"};
    b.c.TermLog[1].Lines[1] = std::move(year);
    b.c.Commissioned = rank >= 0 ? 1 : 0;
    b.c.Rank = static_cast<int16_t>(std::max(rank, 0));
    b.c.PromotedThisTerm = 0;
    b.Set("", throws);
    MerchantPosition(b.g);
    return b.Done() + (b.c.PromotedThisTerm ? "(promoted)" : "");
}
std::string Merchant(int rank, const std::vector<int>& throws, std::string year = "Route ",
                     std::string branch = "Free Trader") {
    Bench b;
    AddSkill(b.g, "Pilot-1");
    return Merchant(b, rank, throws, std::move(year), std::move(branch));
}

}  // namespace

// Each entry logs, then throws for its skills "at 5" in order; truth-drug
// immunity is only deepened from level 0, on 2D6 of 10 or more.
TEST(SoragSpecials, Entries) {
    EXPECT_EQ(Sorag("S:Cmdo Schl/C", {-5, -4, -6, -4, -5}),
              "S - Commando School |Demolition-1 Recon-1 Unarmed Combat-1 ");
    EXPECT_EQ(Sorag("S:Wpns Trg/D", {}), "|");  // not the weapons training below
    EXPECT_EQ(Sorag("S:Wpns Trng/C", {-4, -4, -4, -5}), "S - Weapons Training |SPECIAL WEAPONS-1 ");
    EXPECT_EQ(Sorag("S:Psi Trg/C", {}), "|");  // no psionic strength: no trace at all
    EXPECT_EQ(Sorag("S:Psi Trg/C", {-5, -4, -6, -5}, "+1 Psi"), "S - Psionic Training |TALENT-3 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-5, -4}), "S - Medical Div |Medical-1 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-4, -5, 10}, "Immune Truth Drug-0"),
              "S - Medical Div |Immune Truth Drug-1 Poisons/Antidotes-1 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-4, -4, 9}, "Immune Truth Drug-0"),
              "S - Medical Div |Immune Truth Drug-0 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-4, -4}, "Immune Truth Drug-1"),
              "S - Medical Div |Immune Truth Drug-1 ");
    EXPECT_EQ(Sorag("S:Wpns trng/C", {}), "|Special match fail for SORAG special S:Wpns trng/C");
}

// Locate: +1 each for Hunting above 2 and Edu above 7; capture: +1 each for
// Persuasion above 2 and Int above 7. With both targets the user chooses
// ("no" is a kill, thrown without modifiers), or automatic generation 1D2.
TEST(BountyHunting, Hunt) {
    EXPECT_EQ(Hunt(1, Closed, 3, {5}, "Hunting-2"), "Lost ");
    EXPECT_EQ(Hunt(1, Closed, 3, {4, 6}, "Hunting-3,+1 Edu"), "Located Capture ");
    EXPECT_EQ(Hunt(1, Closed, 3, {6, 5}, "Persuasion-2"), "Located Failed to capture ");
    EXPECT_EQ(Hunt(1, Closed, 3, {6, 4}, "Persuasion-3,+1 Int"), "Located Capture ");
    EXPECT_EQ(Hunt(1, Closed, 2, {8, 10}, "", "Y"), "Located Capture ");
    EXPECT_EQ(Hunt(1, Closed, 2, {8, 8}, "", "N"), "Located Kill ");
    EXPECT_EQ(Hunt(1, Closed, 2, {8, 7}, "Persuasion-3,+1 Int", "N"), "Located Failed to kill ");
    EXPECT_EQ(Hunt(1, Closed, 2, {8, -2, 8}, "", "auto"), "Located Kill ");
    EXPECT_EQ(Hunt(1, Closed, 4, {7, 7}), "Located Kill ");  // no question
    EXPECT_EQ(Hunt(1, Closed, 7, {5, 12}, "Persuasion-3,+1 Int"), "Located Failed to capture ");
}

// The offer: 2D6 + term against Empl, while neither the branch nor a
// warrant is held; a kill this year rules it out. The application: from
// term 3, 2D6, +2 for Edu above 7, +1 for Soc above 7, at 11. Years
// without a hunt still allow both.
TEST(BountyHunting, OfferAndApplication) {
    Bench offered, warranted;
    EXPECT_EQ(Hunt(1, Open, 2, {2, 11}, "", "", &offered), "Lost Employment Offer ");
    EXPECT_EQ(offered.c.BranchOpen[10], 1);
    EXPECT_EQ(offered.t.ui.messages, std::vector<std::string>{"May transfer to IAPB Employed"});
    EXPECT_EQ(Hunt(1, Open, 2, {2, 10}), "Lost ");  // 10 + 1 misses 12
    EXPECT_EQ(Hunt(1, Open, 2, {8, 8, 12}, "", "N"), "Located Kill ");
    warranted.c.Warranted = 1;
    EXPECT_EQ(Hunt(4, Open, 2, {2}, "", "", &warranted), "Lost ");  // no offer throw, no question

    EXPECT_EQ(Hunt(3, Open, 5, {10}, "", "N"), "Employment Offer ");  // 10 + 3 meets 13
    EXPECT_EQ(Hunt(3, Open, 6, {10, 10}, "", "Y"), "");  // but not 14; 10 is no warrant
    EXPECT_EQ(Hunt(3, Open, 6, {2, 9}, "+1 Soc", "Y"), "");
    EXPECT_EQ(Hunt(3, Open, 6, {2, 9}, "+1 Edu", "Y"), "IAPB Warranted  ");
    EXPECT_EQ(Hunt(3, Open, 6, {2, 8}, "+1 Edu,+1 Soc", "auto"), "IAPB Warranted  ");
    EXPECT_EQ(Hunt(2, Open, 6, {2}), "");  // never asked in term 2
}

// The training year passes inside the bounty year; skills at 4, then grants.
TEST(BountyHunting, WarrantTrainingTakesAYear) {
    Bench b;
    b.c.CurLine = 2;
    Hunt(3, Closed, 6, {11, -4, -3, -4, -3, -4, -3, -4, -3}, "", "Y", &b);
    EXPECT_EQ(b.c.CurLine * 100 + b.c.Age, 3 * 100 + 2 * 4 + 3);
    EXPECT_EQ(b.c.TermLog[3].Lines[3], "IAPB Warranted  ");
    EXPECT_NE(b.g.TermWindow.Log.find("IAPB Warrant training"), std::string::npos);
    EXPECT_EQ(b.Held(),
              "Pilot-1 Poisons\\Antidotes-1 STUN WEAPONS-1 Forgery-1 Hunting-1 GUN COMBAT-1 ");
    EXPECT_EQ(b.c.Stats[6] * 10 + b.c.Warranted, 81);
}

// No position: no commission or exam. A free trader on a route is commissioned
// with the position and sits at once; officers sit on routes or as free traders.
TEST(MerchantExams, PositionCommissionAndExam) {
    EXPECT_EQ(Merchant(-1, {4}), "Route No Position ");
    EXPECT_EQ(Merchant(1, {4}), "Route No Position ");
    EXPECT_EQ(Merchant(-1, {5, 6}), "Route Position Commission O1 (promoted)");
    EXPECT_EQ(Merchant(-1, {5, 5}), "Route Position Commission Failed exam for O1 ");
    EXPECT_EQ(Merchant(-1, {12}, "Layover "), "Layover Position ");
    EXPECT_EQ(Merchant(-1, {12}, "Route ", "Deck"), "Route Position ");
    EXPECT_EQ(Merchant(1, {5}, "Layover ", "Deck"), "Layover Position ");
    EXPECT_EQ(Merchant(1, {5, 7}, "Route ", "Deck"), "Route Position O2 (promoted)");
    EXPECT_EQ(Merchant(1, {5, 6}, "Layover "), "Layover Position Failed exam for O2 ");
    EXPECT_EQ(Merchant(7, {5}), "Route Position ");  // the top rank
}

// The skill, compared in upper case and trimmed, at the level or above in the
// first 25 slots; a passed department test stands in once (not for "Automatic").
TEST(MerchantExams, Qualification) {
    Bench slot25, slot26, low, longer, passed, automatic;
    for (int i = 1; i <= 25; ++i) slot25.c.Skills[i] = slot26.c.Skills[i] = {"Filler", 3};
    slot25.c.Skills[25] = slot26.c.Skills[26] = {" pilot ", 2};
    EXPECT_EQ(Merchant(slot25, 1, {5, 7}), "Route Position O2 (promoted)");
    AddSkill(low.g, "Pilot-0");
    AddSkill(longer.g, "Pilots-3");
    const std::string refused = "Route Position Not qualified for O2 ";
    EXPECT_EQ(Merchant(slot26, 1, {5}) + Merchant(low, 1, {5}) + Merchant(longer, 1, {5}),
              refused + refused + refused);

    passed.c.DeptTestPassed = automatic.c.DeptTestPassed = 1;
    EXPECT_EQ(Merchant(passed, 1, {5, 7}), "Route Position O2 (promoted)");
    EXPECT_EQ(Merchant(passed, 2, {5}), "Route Position Not qualified for O3 ");
    Merchant(automatic, 0, {5, 5});
    EXPECT_EQ(automatic.c.DeptTestPassed, 1);
}

// Unreadable lines are passed over, an empty line ends the list, and a
// rank may have several lines: the first one qualified for is sat.
TEST(MerchantExams, ExaminationLines) {
    Bench b;
    AddSkill(b.g, "Admin-1");
    b.s.Qualif = {"", "O2 7 Pilot-1",    "O2=7=Pilot", " O2 =8=Pilot-1", "O2=9=Admin-1",
                  "", "O2=2=Automatic-0"};
    EXPECT_EQ(Merchant(b, 1, {5, 9}, ""), "Position Not qualified for O2 O2 (promoted)");
    b.s.Qualif[4] = "";
    EXPECT_EQ(Merchant(b, 1, {5}, ""), "Position Not qualified for O2 ");
}
