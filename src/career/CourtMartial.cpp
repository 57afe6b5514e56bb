#include "career/CourtMartial.h"

#include <algorithm>
#include <string>

#include "career/Driver.h"
#include "data/YearFacts.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

void PutVerdict(WindowsPart& windows) {
    ClearTermWindow(windows);
    windows.TermWindow.Label[1] = "Character has been court-martialled for cowardice";
    windows.TermWindow.Button[1] = {"OK", true};
}

// Busting needs rank to spare: 2 or more for one rank, above 2 for two.
void Bust(Game& g, int ranks) {
    auto& c = g.career.Character;
    c.Rank = static_cast<int16_t>(std::clamp<int>(c.Rank, 0, CharacterRecord::MaxRank));
    if (ranks == 1 ? c.Rank < 2 : c.Rank <= 2) return;
    AddHistory(g, ranks == 1 ? "- busted 1 rank to" : "- busted 2 ranks to");
    c.Rank = static_cast<int16_t>(c.Rank - ranks);
    AddHistory(g, Trim(RankCodeOf(g, c.Rank)));
}

// Whether one more year still fits the history table; jail years stop at
// its end rather than write past it.
bool NextYearFits(const Game& g) {
    const auto& c = g.career.Character;
    if (c.CurLine + 1 > g.rules.Race.YearsPerTerm) return c.CurTerm < CharacterRecord::MaxTerm;
    return c.CurLine < CharacterRecord::MaxYear;
}

// Jail years are lived, not served: the character ages through them (the
// year routine makes their aging throws), but the career ended in the year
// of the sentence, so its history, its term count and the questions after
// it stop there. Only the age keeps the years.
void Jail(Game& g, int years) {
    auto& c = g.career.Character;
    AddHistory(g, ", jail for " + std::to_string(years) + " years, DD");
    c.CareerEnded = 1;
    const int16_t term = c.CurTerm, year = c.CurLine;
    for (int y = 0; y < years && NextYearFits(g); ++y) NextYear(g);
    c.CurTerm = term;
    c.CurLine = year;
}

}  // namespace

int SentenceThrow(Game& g) {
    const auto& c = g.career.Character;
    ThrowFor(g, "the sentence");
    int sentence = RollDice(g, 1, 6);
    if (c.Rank >= 7 && c.Rank <= 9) ++sentence;
    if (c.Rank >= 7 && c.Rank <= 9) ExplainModifier(g, 1, "rank 7 to 9");
    const YearFacts& year = CurrentYearFacts(g.career);
    if (year.Has(YearWord::Training)) --sentence;
    if (year.Has(YearWord::Training)) ExplainModifier(g, -1, WordText(YearWord::Training));
    for (const YearWord grave : {YearWord::Raid, YearWord::Battle, YearWord::CtrIns,
                                 YearWord::PoliceAction, YearWord::Siege, YearWord::Cmd}) {
        if (year.Has(grave)) sentence += 2;
        if (year.Has(grave)) ExplainModifier(g, 2, WordText(grave));
    }
    return sentence;
}

void ApplySentence(Game& g, int sentence) {
    auto& c = g.career.Character;
    if (sentence <= 1) {
        AddHistory(g, "- reprimand");
    } else if (sentence == 2) {
        Bust(g, 1);
    } else if (sentence == 3) {
        Bust(g, 2);
    } else if (sentence == 4) {
        Bust(g, 2);
        ThrowFor(g, "months in jail");
        AddHistory(g, ", jail for " + std::to_string(RollDice(g, 2, 6)) + " months");
    } else if (sentence == YearOutcome::JailSentence) {
        ThrowFor(g, "years in jail");
        Jail(g, RollDice(g, 1, 6));
    } else if (sentence <= 7) {
        ThrowFor(g, "years in jail");
        Jail(g, RollDice(g, 2, 6));
    } else if (sentence <= 9) {
        AddHistory(g, ", Death sentence, escape, KCr10 reward");
        c.CareerEnded = 1;
    } else {
        ThrowFor(g, "guards killed");
        AddHistory(g, ", Death sentence, escape killing " + std::to_string(RollDice(g, 1, 6)) +
                          " guards, KCr10 reward");
        c.CareerEnded = 1;
    }
}

void HoldCourtMartial(Game& g) {
    ClearTermWindow(g.windows);
    AddHistory(g, "Court martial");
    g.ui.Beep();
    PutVerdict(g.windows);
    g.career.Year.CourtMartialled = true;
    g.career.Year.Sentence = SentenceThrow(g);
    ApplySentence(g, g.career.Year.Sentence);
    ShowCharacter(g, "");
    // Jail years pass through the year routine, which may use the window:
    // the verdict is put back before it is shown. Any answer, closing the
    // window included, acknowledges it.
    PutVerdict(g.windows);
    g.windows.TermWindow.Answer = g.ui.AskTerm(g);
}

}  // namespace orrimar
