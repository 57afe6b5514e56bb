#include "model/Generate.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

int RollDice(Game& g, int count, int sides) {
    if (g.career.Explain) [[unlikely]]
        return ExplainedRoll(g, count, sides);
    if (g.session.OwnDice && count > 0 && sides > 0) return OwnThrow(g, count, sides);
    g.session.ThrowPurpose.clear();
    return g.dice.Sum(count, sides);
}

int RollStat(Game& g, int dice) {
    if (g.career.Character.Opt(OptTrue2D)) {
        ThrowFor(g, "a characteristic");
        return RollDice(g, dice, 6);
    }
    if (dice <= 0) return 0;
    // One die more than asked for, the lowest dropped.
    int sum = 0;
    int lowest = 0;
    for (int i = 0; i <= dice; ++i) {
        ThrowFor(g, "a characteristic (the lowest die is dropped)");
        const int roll = RollDice(g, 1, 6);
        sum += roll;
        lowest = i == 0 ? roll : std::min(lowest, roll);
    }
    return sum - lowest;
}

void CalcHitPoints(Game& g) {
    auto& c = g.career.Character;
    c.HitPoints =
        static_cast<int16_t>((c.Stats[StatStr] + c.Stats[StatDex] + c.Stats[StatEnd]) * 3);
    // Called after every change to the character: the main window's text
    // is written only for a face that shows it, and only when it changes.
    if (!g.ui.ShowsViews()) return;
    SetNumberText(g.windows.Form1.Hits, "", c.HitPoints);
}

void RefreshGauge(Game& g, int i) {
    Gauge& gauge = g.windows.Form1.Gauges[i];
    int max = 6 * g.rules.Race.StatDice[i] + g.rules.Race.StatMod[i];
    if (max < 2) max = 12;
    gauge.Min = 1;
    gauge.Max = max;
    gauge.Value = g.career.Character.Stats[i];
    gauge.Visible = true;
    gauge.Colour = GaugeColour::Green;
    if (gauge.Value < 0.75 * max) gauge.Colour = GaugeColour::Yellow;
    if (gauge.Value < 0.5 * max) gauge.Colour = GaugeColour::Red;
}

void RefreshStatsPanel(Game& g) {
    // The panel is the main window's alone: a face that shows nothing (the
    // batch's) never reads it.
    if (!g.ui.ShowsViews()) {
        CalcHitPoints(g);
        return;
    }
    std::string text;
    for (int i = 1; i <= StatCount(g); ++i) {
        text += StatName(g, i) + ": " + std::to_string(g.career.Character.Stats[i]) + CrLf;
        RefreshGauge(g, i);
    }
    for (int i = StatCount(g) + 1; i <= CharacterRecord::MaxStats; ++i)
        g.windows.Form1.Gauges[i].Visible = false;
    g.windows.Form1.StatsText = text;
    g.windows.Form1.TL = std::to_string(g.career.Character.TechLevel);
    CalcHitPoints(g);
}

void SetStartingRank(CareerPart& career, const RulesPart& rules) {
    const bool merchant = rules.Service.Type.Kind == ServiceKind::Merchant;
    career.Character.Rank = merchant ? 0 : 1;
    career.MerchantRankZero = MerchantRankZeroCode;
}

void Generate(Game& g) {
    const auto& race = g.rules.Race;

    const int16_t rankCap = g.career.Character.Options[RankCap];
    for (int i = 1; i <= CharacterRecord::MaxOptions; ++i)
        g.career.BlankCharacter.Options[i] = g.career.Character.Options[i];
    g.career.PsiTried = {};
    if (g.session.CommandLine == "TEST") {
        g.career.BlankCharacter.Options[OptForceSkill] = OptOn;
        g.career.BlankCharacter.Options[OptAnyTransfer] = OptOn;
        g.career.BlankCharacter.Options[OptAutoGen] = OptOn;
    }
    for (int i = 1; i <= 10; ++i) {
        if (CourseOffer(g, i) == 2) g.career.CourseMark[i] = 1;
    }
    g.career.Character = g.career.BlankCharacter;
    g.career.Character.Options[RankCap] = rankCap;

    auto& c = g.career.Character;
    for (int i = 1; i <= race.NumStats; ++i) {
        int value = RollStat(g, race.StatDice[i]) + race.StatMod[i];
        if ((race.StatDice[i] != 0 || race.StatMod[i] >= 1) && value < 1) value = 1;
        c.Stats[i] = static_cast<int16_t>(value);
    }
    ThrowFor(g, "the tech level");
    c.TechLevel = static_cast<int16_t>(RollDice(g, 1, 6) + 8);

    SetStartingRank(g.career, g.rules);

    if (race.Code == RaceTarrenai) {
        static const char* classes[] = {"", "S", "B", "W", "N"};
        c.SocialClass =
            c.Stats[StatSoc] >= 1 && c.Stats[StatSoc] <= 4 ? classes[c.Stats[StatSoc]] : "";
    }
    if (race.Code == RaceZhodani) {
        auto& psi = c.Stats[StatPsi];
        auto& edu = c.Stats[StatEdu];
        auto& soc = c.Stats[StatSoc];
        if (psi > 8 && soc < 10) soc = 10;
        if (edu > soc) edu = soc;
        if (edu < 8 && soc > 9) edu = 8;
        if (psi > 9 && soc < 10) soc = 10;
        c.SocialClass = soc < 10 ? "P" : soc == 10 ? "I" : "N";
        ShowCharacter(g, "");
    }
    RefreshStatsPanel(g);
}

}  // namespace orrimar
