

#include "career/HandOffs.h"
#include "career/Skills.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// A race whose seventh characteristic is psionic strength; a service with merchant ranks and
// exam lines, and bounty contracts at the index of their throw (99: no such target).
struct HuntBench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.career.Character;
    ServiceRecord& s = LoadedRules(t.g).Service;

    explicit HuntBench(const std::string& gains = "") {
        LoadedRules(g).Race.NumStats = 7;
        LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "PSI"};
        LoadedRules(g).Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        c.CurTerm = c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
        auto& a = s.Assignment.Edit();
        //      Name             Surv Deco Prom Skil Loca Capt Kill Empl
        a[2] = {"Wanted Killer", 0, 0, 0, 0, 8, 10, 8, 12};
        a[3] = {"Bail Jumper", 0, 0, 0, 0, 6, 6, 99, 14};
        a[4] = {"Dead Only", 0, 0, 0, 0, 7, 99, 7, 12};
        a[5] = {"No Contract", 0, 0, 0, 0, 99, 99, 99, 13};
        a[6] = {"Training", 0, 0, 0, 0, 99, 99, 99, 14};
        for (int k = 2; k <= 6; ++k) s.AssignByRoll.Edit()[k] = a[k].Name;
        std::tie(s.Command, s.MaxRank) = std::tuple(5, 7);
        for (int k = 1; k <= 8; ++k) s.RankCode[k] = "O" + std::to_string(k);  // O8 > MaxRank
        s.RankCode[2] = " O2 ";                                                // compared trimmed
        s.Qualif = {"", "O1=6=Automatic-0", "O2=7=Pilot-1", "O3=7=Admin-1", "O8=2=Automatic-0"};
        for (const std::string& gain : Split(gains, ','))
            if (!gain.empty()) AddSkill(g, gain);
    }
    // 2D6 totals, single dice negated.
    void Throw(const std::vector<int>& throws) {
        for (int n : throws)
            n < 0 ? t.dice.Push(-n) : t.dice.Push({std::min(6, n - 1), n - std::min(6, n - 1)});
    }
    // The term's history, once every scripted throw and answer was used.
    std::string Done() {
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        std::string lines;
        for (int y = 1; y <= 4; ++y) lines += c.TermLog[c.CurTerm].Line(y);
        return lines;
    }
    std::string Held() const {  // in the order gained
        std::string held;
        for (int i = 1; !c.Skills[i].Name.empty(); ++i)
            held += c.Skills[i].Name + "-" + std::to_string(c.Skills[i].Level) + " ";
        return held;
    }
    // A bounty year (employment offers open); the answer "auto" is automatic generation.
    std::string Hunt(int term, int roll, const std::vector<int>& throws,
                     const std::string& answer = "") {
        c.CurTerm = static_cast<int16_t>(term);
        if (answer == "auto") c.Options[OptAutoGen] = OptOn;
        if (answer.size() == 1) t.ui.Answer(answer);
        Throw(throws);
        t.dice.SetFallback(term >= 3 && !answer.empty());  // the training's throws
        BountyHunt(g, roll);
        return Done();
    }
    // A merchant year (`rank` -1: not commissioned); the line, marking a promotion.
    std::string Merchant(int rank, const std::vector<int>& throws,
                         const std::string& year = "Route ",
                         const std::string& branch = "Free Trader") {
        NameBranch(s, branch);
        c.TermLog[1].SetLine(1, year);
        std::tie(c.Commissioned, c.Rank, c.PromotedThisTerm) =
            std::tuple(rank >= 0 ? 1 : 0, std::max(rank, 0), 0);
        Throw(throws);
        MerchantPosition(g);
        return Done() + (c.PromotedThisTerm ? "(promoted)" : "");
    }
};

// The year's line, "|", the skills held after and any message.
std::string Sorag(const std::string& text, const std::vector<int>& throws,
                  const std::string& gains = "") {
    HuntBench b(gains);
    b.Throw(throws);
    SoragSpecial(b.g, text);
    return b.Done() + "|" + b.Held() + (b.t.ui.messages.empty() ? "" : b.t.ui.messages[0]);
}

}  // namespace

// Each entry logs, then throws for its skills at 5; immunity rises only from level 0, on 10+.
TEST(SoragSpecials, Entries) {
    EXPECT_EQ(Sorag("S:Wpns Trg/D", {}), "|");  // not the weapons training below
    EXPECT_EQ(Sorag("S:Wpns Trng/C", {-4, -4, -4, -5}), "S - Weapons Training |SPECIAL WEAPONS-1 ");
    EXPECT_EQ(Sorag("S:Psi Trg/C", {}), "|");  // no psionic strength: no trace at all
    EXPECT_EQ(Sorag("S:Psi Trg/C", {-5, -4, -6, -5}, "+1 Psi"), "S - Psionic Training |TALENT-3 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-5, -4}), "S - Medical Div |Medical-1 ");
    EXPECT_EQ(Sorag("S:Medical Div/C", {-4, -5, 10}, "Immune Truth Drug-0"),
              "S - Medical Div |Immune Truth Drug-1 Poisons/Antidotes-1 ");
    EXPECT_EQ(Sorag("S:Wpns trng/C", {}), "|Special match fail for SORAG special S:Wpns trng/C");
}

// Locate: +1 each for Hunting above 2 and Edu above 7; capture: +1 each for Persuasion above 2
// and Int above 7. With both targets the user chooses a kill (no modifiers), or the 1D2.
// (The warrant training year that follows, its throws and grants, the golden pages hold.)
TEST(BountyHunting, HuntOfferAndApplication) {
    EXPECT_EQ(HuntBench("Hunting-3,+1 Edu").Hunt(1, 3, {4, 6, 2}), "Located Capture ");
    EXPECT_EQ(HuntBench("Persuasion-3,+1 Int").Hunt(1, 3, {6, 4, 2}), "Located Capture ");
    EXPECT_EQ(HuntBench("Persuasion-2").Hunt(1, 2, {8, 9, 2}, "Y"), "Located Failed to capture ");
    EXPECT_EQ(HuntBench("Persuasion-3,+1 Int").Hunt(1, 2, {8, 7, 2}, "N"),
              "Located Failed to kill ");
    EXPECT_EQ(HuntBench().Hunt(1, 2, {8, -2, 8, 2}, "auto"), "Located Kill ");
    EXPECT_EQ(HuntBench().Hunt(1, 4, {7, 7, 2}), "Located Kill ");  // no question

    // The offer: 2D6 + term against Empl, unless offered, warranted or after a kill. Applying:
    // from term 3, 2D6, +2 for Edu above 7, +1 for Soc above 7, at 11. Also without a hunt.
    HuntBench offered("Hunting-2"), warranted;
    EXPECT_EQ(offered.Hunt(1, 2, {7, 11}), "Lost Employment Offer ");
    EXPECT_EQ(offered.c.BranchOpen[10], 1);
    EXPECT_EQ(offered.t.ui.messages, std::vector<std::string>{"May transfer to IAPB Employed"});
    EXPECT_EQ(HuntBench().Hunt(1, 2, {8, 8, 12}, "N"), "Located Kill ");
    warranted.c.Warranted = 1;
    EXPECT_EQ(warranted.Hunt(4, 2, {2}), "Lost ");  // no offer throw, no question
    EXPECT_EQ(HuntBench().Hunt(3, 5, {10}, "N"), "Employment Offer ");  // 10 + 3 meets 13
    EXPECT_EQ(HuntBench().Hunt(3, 6, {10, 10}, "Y"), "");  // but not 14; 10 is no warrant
    EXPECT_EQ(HuntBench("+1 Soc").Hunt(3, 6, {2, 9}, "Y"), "");
    EXPECT_EQ(HuntBench("+1 Edu").Hunt(3, 6, {2, 9}, "Y"), "IAPB Warranted  ");
    EXPECT_EQ(HuntBench("+1 Edu,+1 Soc").Hunt(3, 6, {2, 8}, "auto"), "IAPB Warranted  ");
    EXPECT_EQ(HuntBench().Hunt(2, 6, {2}), "");  // never asked in term 2
}

// Free traders on a route are commissioned and sit at once; officers sit on routes or as free
// traders; without a position, neither.
TEST(MerchantExams, PositionsAndExams) {
    HuntBench b("Pilot-1");
    EXPECT_EQ(b.Merchant(-1, {4}), "Route No Position ");
    EXPECT_EQ(b.Merchant(-1, {5, 6}), "Route Position Commission O1 (promoted)");
    EXPECT_EQ(b.Merchant(-1, {12}, "Route ", "Deck"), "Route Position ");
    EXPECT_EQ(b.Merchant(1, {5}, "Layover ", "Deck"), "Layover Position ");
    EXPECT_EQ(b.Merchant(1, {5, 7}, "Route ", "Deck"), "Route Position O2 (promoted)");
    EXPECT_EQ(b.Merchant(1, {5, 6}, "Layover "), "Layover Position Failed exam for O2 ");
    EXPECT_EQ(b.Merchant(7, {5}), "Route Position ");  // the top rank
    // The skill (upper case, trimmed) at the level in slots 1..25, or a department test, once.
    HuntBench slot25, slot26, passed;
    for (int i = 1; i <= 25; ++i) slot25.c.Skills[i] = slot26.c.Skills[i] = {"Filler", 3};
    slot25.c.Skills[25] = slot26.c.Skills[26] = {" pilot ", 2};
    EXPECT_EQ(slot25.Merchant(1, {5, 7}), "Route Position O2 (promoted)");
    const std::string refused = "Route Position Not qualified for O2 ";
    EXPECT_EQ(slot26.Merchant(1, {5}) + HuntBench("Pilot-0").Merchant(1, {5}) +
                  HuntBench("Pilots-3").Merchant(1, {5}),
              refused + refused + refused);
    passed.c.DeptTestPassed = 1;
    passed.Merchant(0, {5, 5});  // O1 needs no skill: the test still stands
    EXPECT_EQ(passed.Merchant(1, {5, 7}), "Route Position O2 (promoted)");
    EXPECT_EQ(passed.Merchant(2, {5}), "Route Position Not qualified for O3 ");
    // Unreadable lines are skipped, an empty one ends the list; the first line qualified for.
    HuntBench lines("Admin-1");
    lines.s.Qualif = {"", "O2 7 Pilot-1",    "O2=7=Pilot", " O2 =8=Pilot-1", "O2=9=Admin-1",
                      "", "O2=2=Automatic-0"};
    EXPECT_EQ(lines.Merchant(1, {5, 9}, ""), "Position Not qualified for O2 O2 (promoted)");
    lines.s.Qualif.Edit()[4] = "";
    EXPECT_EQ(lines.Merchant(1, {5}, ""), "Position Not qualified for O2 ");
}
