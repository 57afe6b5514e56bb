// A year of the bounty-hunting branches: the contract's hunt in place of
// the survival throw, then an employment offer and, from the third term,
// the application for an IAPB warrant.
#include <algorithm>

#include "ask/Question.h"
#include "career/Driver.h"
#include "career/HandOffs.h"
#include "career/Skills.h"
#include "career/specials/FamilyTable.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

using namespace specials;

// A target the service file leaves out.
constexpr int Undefined = 99;
// The BranchOpen entry of the "IAPB Employed" branch.
constexpr int EmployedTag = 10;

bool Defined(int target) {
    return target != Undefined;
}

int Stat(const Game& g, int stat) {
    return g.career.Character.Stats[stat];
}

// Whether the hunter goes for the kill. The choice is only offered when
// the contract allows both; a contract that defines a kill target alone
// is a kill, since a capture throw against an undefined target could never
// succeed.
bool AttemptsKill(Game& g, const AssignmentRecord& a) {
    if (!Defined(a.Capt)) return Defined(a.Kill);
    if (!Defined(a.Kill)) return false;
    const bool capture = Answer(g, YesNoQuestion{.Text = "Attempt capture instead of kill?",
                                                 .AutoRule = YesNoQuestion::Rule::Coin});
    return !capture;
}

// Locates the quarry, then captures or kills it. Returns whether it was killed.
bool Hunt(Game& g, const AssignmentRecord& a) {
    ThrowFor(g, "locating the quarry", {}, a.Loca);
    int locate = RollDice(g, 2, 6);
    if (GetSkillLevel(g.career, "Hunting") > 2) ++locate;
    if (GetSkillLevel(g.career, "Hunting") > 2) ExplainModifier(g, 1, "Hunting 3+");
    if (Stat(g, StatEdu) > 7) ++locate;
    if (Stat(g, StatEdu) > 7) ExplainModifier(g, 1, "EDU 8+");
    ExplainResult(g, locate >= a.Loca, "located", "lost");
    if (locate < a.Loca) {
        AddHistory(g, "Lost");
        return false;
    }
    AddHistory(g, "Located");

    if (AttemptsKill(g, a)) {
        ThrowFor(g, "the kill", {}, a.Kill);
        const bool failed = RollDice(g, 2, 6) < a.Kill;
        ExplainResult(g, failed, "failed", "killed");
        if (failed) {
            AddHistory(g, "Failed to kill");
            return false;
        }
        AddHistory(g, "Kill");
        return true;
    }
    ThrowFor(g, "the capture", {}, a.Capt);
    int capture = RollDice(g, 2, 6);
    if (GetSkillLevel(g.career, "Persuasion") > 2) ++capture;
    if (GetSkillLevel(g.career, "Persuasion") > 2) ExplainModifier(g, 1, "Persuasion 3+");
    if (Stat(g, StatInt) > 7) ++capture;
    if (Stat(g, StatInt) > 7) ExplainModifier(g, 1, "INT 8+");
    ExplainResult(g, capture >= a.Capt, "captured", "failed");
    AddHistory(g, capture < a.Capt ? "Failed to capture" : "Capture");
    return false;
}

// A kill this year rules the offer out, though the throw is still made.
void EmploymentOffer(Game& g, const AssignmentRecord& a, bool killed) {
    auto& c = g.career.Character;
    if (c.BranchOpen[EmployedTag] != 0 || c.Warranted != 0) return;
    ThrowFor(g, "an employment offer", {}, a.Empl);
    const int offer = RollDice(g, 2, 6) + c.CurTerm - (killed ? 99 : 0);
    ExplainModifier(g, c.CurTerm, "terms");
    if (killed) ExplainModifier(g, -99, "a kill this year");
    ExplainResult(g, offer >= a.Empl, "offered", "none");
    if (offer < a.Empl) return;
    AddHistory(g, "Employment Offer");
    c.BranchOpen[EmployedTag] = 1;
    g.ui.Message("May transfer to IAPB Employed", g.session.AppTitle, MsgIcon::None);
}

void WarrantApplication(Game& g) {
    const auto& c = g.career.Character;
    if (c.CurTerm < 3 || c.Warranted != 0) return;
    if (!Answer(g, YesNoQuestion{.Text = "Apply for IAPB Warrant?"})) return;
    ThrowFor(g, "the warrant", {}, 11);
    int application = RollDice(g, 2, 6);
    if (Stat(g, StatEdu) > 7) application += 2;
    if (Stat(g, StatEdu) > 7) ExplainModifier(g, 2, "EDU 8+");
    if (Stat(g, StatSoc) > 7) application += 1;
    if (Stat(g, StatSoc) > 7) ExplainModifier(g, 1, "SOC 8+");
    ExplainResult(g, application >= 11, "granted", "refused");
    if (application >= 11) IAPBWarrantTraining(g);
}

const SpecialTable& WarrantTraining() {
    static const SpecialTable table{
        "IAPB warrant training",
        NoThrow(),
        {Any()
             .Log("IAPB Warranted ")
             .Try(4, {"Pilot", "Legal", "Poisons\\Antidotes", "INVESTIGATION", "STUN WEAPONS",
                      "Security", "Forgery", "GUN COMBAT"})
             .Grant({"Hunting", "GUN COMBAT", "+1 Soc"})}};
    return table;
}

}  // namespace

void BountyHunt(Game& g, int roll) {
    const int at = std::clamp(roll, 0, ServiceRecord::MaxRoll);
    // The contract's targets are those of the record at the throw's index.
    const AssignmentRecord a =
        g.rules.Service.Assignment[std::min(at, ServiceRecord::MaxAssignments)];
    const std::string contract = Trim(g.rules.Service.AssignByRoll[at]);
    bool killed = false;
    if (contract != "Training" && contract != "No Contract") killed = Hunt(g, a);
    EmploymentOffer(g, a, killed);
    WarrantApplication(g);
}

void IAPBWarrantTraining(Game& g) {
    ShowCharacter(g, "IAPB Warrant training");
    NextYear(g);
    RunSpecialTable(g, WarrantTraining());
    g.career.Character.Warranted = 1;
}

}  // namespace orrimar
