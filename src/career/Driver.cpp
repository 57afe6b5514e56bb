#include "career/Driver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ask/Questions.h"
#include "career/Academic.h"
#include "career/Aging.h"
#include "career/Cascades.h"
#include "career/MusterOut.h"
#include "career/Psionics.h"
#include "career/SkillTables.h"
#include "career/Skills.h"
#include "career/Term.h"
#include "career/Transfer.h"
#include "data/YearFacts.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

void StartCareer(Game& g) {
    auto& c = g.career.Character;
    c.CurTerm = 1;
    c.CurLine = 0;
    c.PromotedThisTerm = 0;
    c.TermLog[1].Title = g.rules.Service.Name + " " + g.rules.Service.BranchName;
    NextYear(g);
    ShowCharacter(g, "");
    AcademicOptions(g);

    if (g.rules.Race.Code != RaceAslanMale) AddSkill(g, "Computer-0");
    if (Contains(g.rules.Race.Name, "barbar")) {
        AddSkill(g, "BLADE COMBAT-0");
    } else {
        AddSkill(g, "VEHICLE-0");
        AddSkill(g, "Vacc Suit-0");
        AddSkill(g, "GUN COMBAT-0");
    }
    switch (g.rules.Race.Code) {
        case RaceZhodani:
            AddSkill(g, "Thought Shield");
            if (c.Stats[StatSoc] > 9) {
                PsionicTraining(g);
                if (TopRankOf(g) > 9) c.Rank = 10;
            }
            break;
        case RaceLysithi:
            AddSkill(g, "Thought Shield");
            break;
        case RaceCovenant:
            AddSkill(g, "Waldo Ops");
            AddSkill(g, "TeeSuit");
            break;
        case RaceDroyne:
            AddSkill(g, "Flying-0");
            PsionicTraining(g);
            break;
        case RaceChelith:
            TrySkill(g, 2, 4, "Smell");
            break;
        default:
            break;
    }
    RollSkill(g);
    RollSkill(g);
    const int grants = g.rules.Service.Grant->Size();
    // Each grant is handed out from a copy: a cascade resolved here must not
    // rewrite the branch, or a restarted career would find it decided.
    for (int i = 1; i <= grants; ++i) {
        const std::string& grant = g.rules.Service.Grant[i];
        AddSkill(g, grant);
    }

    if (g.rules.Race.Code == RaceAslanMale || g.rules.Race.Code == RaceAslanFemale) {
        ThrowFor(g, "the rite of passage");
        const int r = RollDice(g, 2, 6);
        int x = 0;
        if (g.rules.Race.Code == RaceAslanMale) {
            for (int i = 4; i <= 6; ++i) x += c.Stats[i] > r ? 2 : 0;
        } else {
            for (int i = 1; i <= 6; ++i) x += c.Stats[i] > r ? 1 : 0;
        }
        AddHistory(g, "Rite of passage: " + std::to_string(x));
    }
    ClearTermWindow(g.windows);
}

int PsionicThreshold(const std::string& code) {
    if (code == "S") return 7;
    if (code == "R") return 11;
    if (code == "D") return 15;
    if (code == "F") return 19;
    if (code == "I") return 23;
    return 100;
}

void PsionicDiscovery(Game& g) {
    const std::string chance(PsionicChance(g));
    if (IsBlank(chance) || g.rules.Race.Code == RaceChelith) return;
    for (int i = 1; i <= StatCount(g); ++i)
        if (EqualsNoCase(TrimView(StatName(g, i)), AddedPsiStat)) return;
    ThrowFor(g, "psionic testing", {}, PsionicThreshold(chance));
    const bool offered = RollDice(g, 2, 6) >= PsionicThreshold(chance);
    ExplainResult(g, offered, "offered", "not offered");
    if (!offered) return;
    if (g.ui.YesNo("The character has chanced on the opportunity for psionic testing and "
                   "training. Do you want to proceed?",
                   g.session.AppTitle, false, MsgIcon::Question))
        PsionicTraining(g);
}

// One year of service. Returns true when the career ends this year.
bool PlayYear(Game& g) {
    auto& c = g.career.Character;
    ClearTermWindow(g.windows);
    ShowCharacter(g, "");
    PsionicDiscovery(g);
    if (c.Stats[StatSoc] == 10 && g.rules.Race.Code == RaceZhodani) PsionicGames(g);
    if (!c.Opt(OptForceSpecial)) ThrowFor(g, "the assignment");
    int roll = c.Opt(OptForceSpecial) ? 12 : RollDice(g, 2, 6);
    if (!c.Opt(OptForceSpecial))
        ExplainOutcome(g,
                       g.rules.Service.AssignByRoll[std::clamp(roll, 0, ServiceRecord::MaxRoll)]);
    if (g.rules.Race.Code == RaceDroyne) ShowCoyns(g);
    ResolveAssignment(g, roll);
    if (g.career.Year.EndsCareer()) return true;
    NextYear(g);
    return g.career.CareerFull;
}

int ReenlistThrow(Game& g) {
    const auto& c = g.career.Character;
    ThrowFor(g, "re-enlistment", {}, g.rules.Service.Reenlist);
    // The throw ends the term just served: it is that term's last year's.
    if (g.career.Explain)
        g.career.Explain->NextAt(
            std::max(1, c.CurTerm - 1),
            std::clamp(g.rules.Race.YearsPerTerm, 0, CharacterRecord::MaxYear));
    int reenlist = RollDice(g, 2, 6);
    const char* coin = "";
    if (g.rules.Race.Code == RaceChelith) {
        const int s = GetSkillLevel(g.career, "Satisfaction");
        reenlist += s >= c.CurTerm / 2.0 ? 1000 : -1000;
        ExplainModifier(g, s >= c.CurTerm / 2.0 ? 1000 : -1000, "Satisfaction against the terms");
    }
    if (g.rules.Race.Code == RaceDroyne) {
        // The coin drawn in the last year of the term just ended decides.
        const int term = std::max(1, c.CurTerm - 1);
        const int year = std::clamp(g.rules.Race.YearsPerTerm, 0, CharacterRecord::MaxYear);
        const YearFacts& drawn = c.TermLog[term].Facts(year);
        if (drawn.Has(YearWord::CoinMinus)) reenlist = 0;
        if (drawn.Has(YearWord::CoinPlus)) reenlist = 100;
        coin = drawn.Has(YearWord::CoinPlus)    ? " (the coin: +)"
               : drawn.Has(YearWord::CoinMinus) ? " (the coin: -)"
                                                : "";
    }
    if (g.career.Explain)
        ExplainOutcome(
            g, std::string(reenlist >= g.rules.Service.Reenlist ? "re-enlisted" : "failed") + coin);
    return reenlist;
}

// The end-of-term choice, also where "Whoops! Go back" returns to. A career
// that ended within a year (a sentence, an accepted invaliding, a full
// record) cannot go on: only mustering out, restarting and scrapping are
// offered, and the prompt names the term it ended in.
std::string EndOfTermChoice(Game& g, bool ended) {
    ClearTermWindow(g.windows);
    const int term = ended ? g.career.Character.CurTerm : g.career.Character.CurTerm - 1;
    g.windows.TermWindow.Label[1] = "End of term " + std::to_string(term) + CrLf;
    if (g.career.ReenlistFailed) g.windows.TermWindow.Label[1] += "  Re-enlistment FAILED";
    if (ended)
        return AskTermButtons(
            g, {"", "", "Muster out", "Restart with this character", "Scrap and start again"});
    return AskTermButtons(g, {"Re-enlist", "Transfer and re-enlist", "Muster out",
                              "Restart with this character", "Scrap and start again"});
}

// After a normal end of term the year routine has already opened the next
// term's first year; stepping back returns to the last year served. It
// never steps back past the first year of the first term.
void StepBack(CareerPart& career, const RulesPart& rules) {
    auto& c = career.Character;
    if (c.CurLine > 1) {
        c.CurLine--;
        return;
    }
    if (c.CurTerm <= 1) return;
    c.CurLine =
        static_cast<int16_t>(std::clamp(rules.Race.YearsPerTerm, 1, CharacterRecord::MaxYear));
    c.CurTerm--;
}

void AdjustMoney(CareerPart& career, const RulesPart& rules) {
    auto& c = career.Character;
    if (c.Stats[StatSoc] > 10 && rules.Race.Code == RaceZhodani)
        c.Money = static_cast<int32_t>(std::min<int64_t>(2LL * c.Money, INT32_MAX));
    if (rules.Race.Code == RaceCovenant && c.Money > 0)
        c.Money = static_cast<int32_t>(std::nearbyint(c.Money * 0.9));
}

// Mustering out, benefits and the race adjustments of money. A career that
// ended within a year (a sentence, an accepted invaliding) stopped in the
// year it was serving, so that year is kept: stepping back there would hide
// the year that ended the career.
// Returns false on "Whoops! Go back", with the career where it stood.
bool MusterOutCareer(Game& g, bool ended) {
    auto& c = g.career.Character;
    const int16_t term = c.CurTerm, year = c.CurLine;
    if (!ended) StepBack(g.career, g.rules);
    ShowCharacter(g, "Mustering out...");
    if (g.career.CareerFull)
        g.ui.Message(
            "This character has served as long as the record can hold, and musters out now.",
            g.session.AppTitle, MsgIcon::Information);
    if (!MusterOut(g)) {
        c.CurTerm = term;
        c.CurLine = year;
        return false;
    }
    AdjustMoney(g.career, g.rules);
    return true;
}

}  // namespace

CareerEnd PlayCareer(Game& g) {
    auto& c = g.career.Character;
    g.career.CareerFull = false;
    g.career.Year = {};
    g.career.ReenlistFailed = false;
    g.windows.TermWindow.Log.clear();  // the message log is the current character's
    // The lists may have been clicked in any order since the roll: the rank
    // is the one the accepted service starts at.
    SetStartingRank(g.career, g.rules);
    ClearTermWindow(g.windows);
    g.ui.ShowTermWindow(g);
    StartCareer(g);

    while (true) {
        g.ui.ShowTermWindow(g);
        c.PromotedThisTerm = 0;
        // The term ends when the years roll into the next one: usually after
        // its last year, sooner when an event (the psionic games, jail) used
        // up years of its own.
        bool ended = false;
        const int term = c.CurTerm;
        do {
            ended = PlayYear(g);
        } while (!ended && c.CurTerm == term);
        g.career.ReenlistFailed = !ended && ReenlistThrow(g) < g.rules.Service.Reenlist;

        std::string choice = ended ? "3" : EndOfTermChoice(g, false);
        while (choice == "3") {
            if (MusterOutCareer(g, ended)) return CareerEnd::Finished;
            choice = EndOfTermChoice(g, ended);
        }
        if (choice == "4") return CareerEnd::Restart;
        if (choice == "5") return CareerEnd::Scrap;
        if (choice == "2") TransferService(g);
    }
}

void NextYear(Game& g) {
    auto& c = g.career.Character;
    const auto& race = g.rules.Race;
    int line = c.CurLine + 1;
    int term = c.CurTerm;
    if (line > race.YearsPerTerm) {
        line = 1;
        term++;
    }
    if (term > CharacterRecord::MaxTerm || line > CharacterRecord::MaxYear) {
        // The record's tables end here: the career cannot go on.
        g.career.CareerFull = true;
        return;
    }
    if (term != c.CurTerm) {
        c.PromotedThisTerm = 0;
        c.TermLog[term].Title = g.rules.Service.BranchName;
    }
    c.CurTerm = static_cast<int16_t>(term);
    c.CurLine = static_cast<int16_t>(line);
    c.Age = static_cast<int16_t>((c.CurTerm - 1) * race.YearsPerTerm + race.BaseAge + c.CurLine);
    if (c.CurLine == race.YearsPerTerm) {
        ShowCharacter(g,
                      "End of term " + std::to_string(c.CurTerm) + " ---------------------------");
        if (c.Age >= race.AgeAt) {
            ShowCharacter(g, "Aging rolls:");
            ApplyAging(g);
        }
    }
    for (int i = 1; i <= StatCount(g); ++i) {
        if (c.Stats[i] < 0) {
            g.ui.Message(
                "One of your character's stats has dropped below 0 and he/she has technically died "
                "of old age. You should scrap this geriatric and start again!",
                g.session.AppTitle, MsgIcon::Critical);
            break;
        }
    }
}

}  // namespace orrimar
