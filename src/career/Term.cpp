#include "career/Term.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "career/CourtMartial.h"
#include "career/HandOffs.h"
#include "career/SkillTables.h"
#include "career/Skills.h"
#include "data/YearFacts.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "model/SchoolFiles.h"
#include "model/Throws.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// SORAG re-throws before the year is given up. Re-throwing only starts
// when some 2D6 result is open at the character's clearance, so even the
// rarest open result (1 in 36) is all but certain to come up well before
// this; the bound only guards against an endless loop.
constexpr int MaxClearanceThrows = 1000;

const std::string& AssignText(const RulesPart& rules, int roll) {
    return rules.Service.AssignByRoll[std::clamp(roll, 0, ServiceRecord::MaxRoll)];
}

int ClampRank(int rank) {
    return std::clamp(rank, 0, CharacterRecord::MaxRank);
}

// The clearance digit; a clearance never set (blank) reads as 0.
int ClearanceDigit(const CareerPart& career) {
    const std::string& c = career.Character.Clearance;
    if (c.empty() || c[0] < '0' || c[0] > '9') return 0;
    return std::min(c[0] - '0', 5);
}

void SetClearance(CareerPart& career, int digit) {
    career.Character.Clearance = std::string(1, static_cast<char>('0' + digit));
}

// The assignment's clearance letter must not sort after the character's
// clearance code; an assignment without one is open to all.
bool ClearanceAllows(const Game& g, int roll) {
    const char letter =
        g.rules.Service.AssignClearance[std::clamp(roll, 0, ServiceRecord::MaxRoll)];
    if (letter == '\0') return true;
    const std::string& code = g.rules.ClearanceCode[ClearanceDigit(g.career)];
    return !code.empty() &&
           static_cast<unsigned char>(letter) <= static_cast<unsigned char>(code[0]);
}

// SORAG: re-throws `roll` until its assignment is open at the
// character's clearance. Returns false when the resolution ends here (a
// special assignment, or no assignment open at all).
bool SoragAssignment(Game& g, int& roll) {
    bool anyOpen = false;
    for (int r = 2; r <= 12; ++r) anyOpen = anyOpen || ClearanceAllows(g, r);
    int throws = 0;
    while (!ClearanceAllows(g, roll)) {
        // With nothing open the year passes without an assignment: playing
        // a barred one, or an unmatched record with no targets, would hand
        // out the year's rewards for nothing.
        if (!anyOpen || throws == MaxClearanceThrows) {
            AddHistory(g, "No assignment open at this clearance");
            roll = 0;
            return false;
        }
        ThrowFor(g, "the assignment (again: not open at this clearance)");
        roll = RollDice(g, 2, 6);
        ExplainOutcome(g, AssignText(g.rules, roll));
        ++throws;
    }
    const std::string& text = AssignText(g.rules, roll);
    if (StartsWith(text, "S:")) {
        SoragSpecial(g, text);
        return false;
    }
    return true;
}

// The first record 1..15 whose trimmed name equals the assignment's; 0 when
// none does. An empty name never matches the empty slots after the last
// record.
int MatchAssignment(const RulesPart& rules, const std::string& name) {
    const std::string_view wanted = TrimView(name);
    if (wanted.empty()) return 0;
    for (int k = 1; k <= ServiceRecord::MaxAssignments; ++k) {
        if (TrimView(rules.Service.Assignment[k].Name) == wanted) return k;
    }
    return 0;
}

std::string AskBadWound(Game& g) {
    auto& w = g.windows.TermWindow;
    ClearTermWindow(g.windows);
    w.Label[1] = "Character has been badly wounded and recommended to be invalided out";
    w.Button[1] = {"Carry on", true};
    w.Button[2] = {"Accept this", true};
    g.ui.Beep();
    // Closing the window accepts nothing: the career carries on, as it
    // does for "Carry on".
    w.Answer = g.ui.AskTerm(g);
    return w.Answer;
}

// Survival and wounds; an accepted invaliding is the year's outcome.
void Survival(Game& g, const AssignmentRecord& a) {
    auto& c = g.career.Character;
    ThrowFor(g, "survival", {}, a.Surv);
    const int t = RollDice(g, 2, 6);
    ExplainResult(g, t >= a.Surv, "survived", t == 2 ? "badly wounded" : "wounded");
    if (t >= a.Surv) return;
    const bool decorated = g.rules.Service.Purple != "None";
    if (t != 2) {
        AddHistory(g, "Wnd" + WoundLocation(g));
        if (decorated) ++c.Medals[0];
        return;
    }
    const std::string reply = AskBadWound(g);
    if (decorated) ++c.Medals[0];
    AddHistory(g, "Bad Wnd" + WoundLocation(g));
    if (reply != "2") return;
    AddHistory(g, "- invalided out");
    g.career.Year.Invalided = true;
}

// The highest decoration level 1..3 the throw reaches, 0 for none.
int DecorationLevel(int t, int deco) {
    const int64_t target = deco;
    if (t >= target + 6) return 3;
    if (t >= target + 3) return 2;
    if (t >= target) return 1;
    return 0;
}

void AwardDecoration(Game& g, int level) {
    if (level < 1 || level > 3) return;
    auto& c = g.career.Character;
    const std::string name = g.rules.Service.Medal[level];
    if (IsBlank(name) || Contains(name, "NONE")) return;
    AddHistory(g, name);
    ++c.Medals[level];
    for (int n = 1; n <= 3; ++n) {
        if (name != "Bonus x" + std::to_string(n)) continue;
        ThrowFor(g, "the decoration's bonus (Cr100 a point)");
        const int64_t money = int64_t{c.Money} + 100 * RollDice(g, n, 10);
        c.Money = static_cast<int32_t>(std::min<int64_t>(money, INT32_MAX));
    }
}

void ExplainDecoration(Game& g, int t, int deco, bool coward) {
    if (coward || g.session.CourtMartialEveryYear) {
        ExplainOutcome(g, coward ? "court martial for cowardice (10 or more below the target)"
                                 : "court martial (COURTMARTIAL)");
        return;
    }
    const int level = DecorationLevel(t, deco);
    ExplainOutcome(g, level == 0 ? "none"
                                 : Trim(g.rules.Service.Medal[level]) + " (grade " +
                                       std::to_string(level) + ")");
}

// Raises the rank by `ranks` and logs the new code.
void Promote(Game& g, int ranks) {
    SetRank(g.career, g.career.Character.Rank + ranks);
    AddHistory(g, Trim(RankCodeOf(g, g.career.Character.Rank)));
}

// Promotion, or a merchant's position instead.
void Promotion(Game& g, const std::string& name, const AssignmentRecord& a, bool military) {
    auto& c = g.career.Character;
    const auto& s = g.rules.Service;
    if (s.Type.Kind == ServiceKind::Merchant) {
        MerchantPosition(g);
        return;
    }
    if (s.Type.Kind == ServiceKind::Imoj && c.Rank >= 8 &&
        (TrimView(name) == "Training" || TrimView(name) == "Agency Ops"))
        return;
    ThrowFor(g, "promotion", {}, a.Prom);
    const int t = RollDice(g, 2, 6);
    ExplainResult(g, t >= a.Prom, "reached", "not reached");
    if (g.rules.Race.Code == RaceChelith && t >= a.Prom) {
        AddSkill(g, "Satisfaction-1");
        AddHistory(g, "(Satisfied)");
    }
    if (t < a.Prom) return;
    const int rank = ClampRank(c.Rank);
    if (rank >= std::min(TopRankOf(g), CharacterRecord::MaxRank)) return;
    // Crossing from enlisted to officer is a commission, never a promotion.
    if (TrimView(RankCodeOf(g, rank)).substr(0, 1) == "E" &&
        TrimView(RankCodeOf(g, rank + 1)).substr(0, 1) == "O")
        return;
    if (military && rank > 9 && c.PromotedThisTerm == 1) return;
    Promote(g, 1);
    c.PromotedThisTerm = 1;
}

// The "Cap rank" option.
void ApplyRankCap(CareerPart& career) {
    auto& c = career.Character;
    if (!c.Opt(OptCapRank)) return;
    const int cap = ClampRank(c.Options[RankCap]);
    if (c.Rank >= cap) SetRank(career, cap);
}

// SORAG's yearly clearance throw, against a target set by the branch.
void ClearanceThrow(Game& g) {
    const int target = g.rules.Service.ClearanceTarget;
    ThrowFor(g, "clearance", {}, target);
    const int t = RollDice(g, 2, 6);
    ExplainOutcome(g, t == 2        ? "a 2 lowers it"
                      : t >= target ? "raised, if not at the top"
                                    : "kept");
    const int digit = ClearanceDigit(g.career);
    if (t == 2) {
        if (digit <= 1) return;
        SetClearance(g.career, digit - 1);
        AddHistory(g, "Busted to " + g.rules.ClearanceCode[digit - 1]);
    } else if (digit < 5 && t >= target) {
        SetClearance(g.career, digit + 1);
        AddHistory(g, "Clearance: " + g.rules.ClearanceCode[digit + 1]);
    }
}

// A training year of scouts and explorers: a school instead of the skill
// throw; without the school's file, the usual skill-table roll.
void ScoutSchool(Game& g) {
    ThrowFor(g, "the school");
    const int position = RollDice(g, 1, 6);
    const char digit = g.rules.Service.School.At(position);
    const std::string file = ScoutSchoolFile(digit);
    ExplainOutcome(g, file);
    if (file.empty()) {
        RollSkill(g);
        return;
    }
    const SchoolFileRead school = ReadSchoolFile(g, file);
    if (!school.Path) {
        RollSkill(g);
        return;
    }
    const auto& lines = school.Lines;
    if (!lines || lines->size() < 7) {
        DataProblemMet(g,
                       "The school file " + FileNameOf(*school.Path) +
                           " needs a title line and six skill lines; a skill-table roll is made "
                           "instead.",
                       MsgIcon::Warning);
        RollSkill(g);
        return;
    }
    const int taken = (digit == '1' || digit == '2' || digit == '6') ? 2 : 1;
    for (int k = 0; k < taken; ++k) {
        ThrowFor(g, "the school's skill");
        AddSkill(g, (*lines)[RollDice(g, 1, 6)]);
    }
}

// The skill throw.
void SkillThrow(Game& g, const AssignmentRecord& a) {
    if (CurrentYearFacts(g.career).Has(YearWord::Training) &&
        TrainsAtSchool(g.rules.Service.Type.Kind)) {
        ScoutSchool(g);
        return;
    }
    ThrowFor(g, "a skill", {}, a.Skil);
    const bool reached = RollDice(g, 2, 6) >= a.Skil;
    ExplainResult(g, reached, "a skill roll",
                  g.career.Character.Opt(OptForceSkill) ? "a skill roll all the same (Force skill)"
                                                        : "no skill");
    if (reached || g.career.Character.Opt(OptForceSkill)) RollSkill(g);
}

// Race type 3's charisma table, one row for each throw 2..12 (named by the
// first field): on success the characteristic change, the decoration level
// and the ranks gained; on failure the change and the ranks lost.
struct CharismaRow {
    int Throw;
    const char* Success;
    int Decoration;
    int RanksUp;
    const char* Failure;
    int RanksDown;
};
constexpr std::array<CharismaRow, 11> Charisma = {{
    {2, "+2 Cha", 3, 0, "-2 Cha", 0},
    {3, "+1 Cha", 2, 0, "-1 Cha", 0},
    {4, "+1 Cha", 1, 0, "", 0},
    {5, "+1 Cha", 0, 0, "", 0},
    {6, "", 0, 0, "", 0},
    {7, "", 0, 0, "", 0},
    {8, "", 0, 0, "", 0},
    {9, "+1 Cha", 0, 0, "-1 Cha", 0},
    {10, "+1 Cha", 0, 1, "-1 Cha", 0},
    {11, "+2 Cha", 0, 1, "-1 Cha", 1},
    {12, "+2 Cha", 0, 2, "-2 Cha", 2},
}};

}  // namespace

bool IsMilitary(ServiceKind kind) {
    using enum ServiceKind;
    static constexpr std::array military = {Army,    FMilit,  FSpace, MMilit, MSpace, Corsair,
                                            CoafcPd, CoafcSd, Marine, Navy,   Coafc};
    return std::find(military.begin(), military.end(), kind) != military.end();
}

bool TrainsAtSchool(ServiceKind kind) {
    return kind == ServiceKind::Scout || kind == ServiceKind::Explorer;
}

std::string ScoutSchoolFile(char digit) {
    if (digit < '0' || digit > '9') return "";
    return std::string("ISCT") + digit + ".SCH";
}

std::string WoundLocation(Game& g) {
    ThrowFor(g, "the wound's place");
    const int t = RollDice(g, 2, 6);
    const char* place = " (arm)";
    if (t == 4) place = " (head)";
    if (t == 6 || t == 8) place = " (lower torso)";
    if (t == 5 || t == 7 || t == 9) place = " (chest)";
    if (t == 3 || t == 10 || t == 11) place = " (leg)";
    ExplainOutcome(g, std::string_view(place + 2, std::char_traits<char>::length(place) - 3));
    return place;
}

void CharismaEvent(Game& g, int assignment) {
    const auto& a =
        g.rules.Service.Assignment[std::clamp(assignment, 0, ServiceRecord::MaxAssignments)];
    ThrowFor(g, "charisma", {}, a.Prom);
    const int t = RollDice(g, 2, 6);
    ExplainResult(g, t >= a.Prom, "success", "no success");
    const CharismaRow& row = Charisma[std::clamp(t, 2, 12) - 2];
    const int rank = ClampRank(g.career.Character.Rank);
    if (t >= a.Prom) {
        AddHistory(g, "Success");
        if (*row.Success) AddSkill(g, row.Success);
        // Decorations follow everyone's rule: a "NONE" grade is never
        // awarded and a bonus grade pays its money.
        AwardDecoration(g, row.Decoration);
        if (row.RanksUp > 0 &&
            rank + row.RanksUp <= std::min(TopRankOf(g), CharacterRecord::MaxRank))
            Promote(g, row.RanksUp);
        return;
    }
    AddHistory(g, "No success");
    if (*row.Failure) AddSkill(g, row.Failure);
    if (row.RanksDown > 0 && rank - row.RanksDown >= 1) {
        SetRank(g.career, rank - row.RanksDown);
        AddHistory(g, row.RanksDown == 1 ? "Demoted 1 rank" : "Demoted 2 ranks");
    }
}

void ResolveAssignment(Game& g, int& roll) {
    auto& c = g.career.Character;
    g.career.Year = {};
    const auto& s = g.rules.Service;
    // The service type as the year began: the hand-offs below may reload
    // or change the service.
    const bool sorag = s.Type.Kind == ServiceKind::Sorag;
    const bool militaryService = IsMilitary(s.Type.Kind);
    roll = std::clamp(roll, 0, ServiceRecord::MaxRoll);
    if (sorag && !SoragAssignment(g, roll)) return;

    const std::string name = AssignText(g.rules, roll);
    if (!EqualsNoCase(name, "BLANK")) AddHistory(g, name);

    bool military = false;
    if (s.Bounty) {
        // The hunt replaces survival and command; the later steps use the
        // record at the index of the throw.
        BountyHunt(g, roll);
    } else {
        military = militaryService;
        roll = MatchAssignment(g.rules, name);
        if (name == "Special") {
            SpecialAssignment(g);
            return;
        }
        if (roll == 0) DataProblemMet(g, "Can't match assignment " + name);
        Survival(g, s.Assignment[roll]);
        if (military && c.Rank > 9) {
            ThrowFor(g, "command", {}, s.Command);
            const bool command = RollDice(g, 2, 6) >= s.Command;
            ExplainResult(g, command, "command (Cmd)", "staff (Staff)");
            AddHistory(g, command ? "Cmd" : "Staff");
        }
    }
    // A copy: the hand-offs below may reload or change the service.
    const AssignmentRecord a = s.Assignment[roll];

    if (g.rules.Race.Code == RaceVargr) {
        CharismaEvent(g, roll);
    } else {
        ThrowFor(g, "decoration", {}, a.Deco);
        const int t = RollDice(g, 2, 6);
        const bool coward = military && a.Deco < 90 && t <= int64_t{a.Deco} - 10;
        if (g.career.Explain) ExplainDecoration(g, t, a.Deco, coward);
        if (coward || g.session.CourtMartialEveryYear) {
            HoldCourtMartial(g);
            return;
        }
        AwardDecoration(g, DecorationLevel(t, a.Deco));
        Promotion(g, name, a, military);
    }
    ApplyRankCap(g.career);
    if (sorag) ClearanceThrow(g);
    SkillThrow(g, a);
}

}  // namespace orrimar
