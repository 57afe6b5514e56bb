#include "career/Psionics.h"

#include <algorithm>
#include <array>
#include <string>

#include "ask/Question.h"
#include "career/Driver.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

constexpr int Talents = 6;
constexpr int Passes = 6;

// The talents the games score, in the order they are thrown for. The first
// is "Telempathy", not the trained "Telepathy": a telepath earns nothing here.
constexpr std::array<const char*, 6> GamesTalents = {"Telempathy", "Clairvoyance",  "Telekinesis",
                                                     "Awareness",  "Teleportation", "Special"};

// Races that carry psionic strength as a characteristic of their own.
bool HasOwnPsiStat(const RulesPart& rules) {
    return rules.Race.Code == RaceZhodani || rules.Race.Code == RaceDroyne;
}

// The strength becomes the character's characteristic "PSI", after the
// race's own (the skill tables' tests already name it there). A race that
// already uses all ten characteristics leaves no room for it: nothing is
// added (the record ends there) and the strength is told to the user
// instead, so it is not lost silently.
void AddPsiStat(Game& g, int strength) {
    if (g.rules.Race.NumStats >= RaceRecord::MaxStats) {
        g.ui.Message("No room for a PSI characteristic: psionic strength " +
                         std::to_string(strength) + " is not recorded.",
                     g.session.AppTitle, MsgIcon::Information);
        return;
    }
    g.career.Character.PsiStatAdded = true;
    g.career.Character.Stats[StatCount(g)] = static_cast<int16_t>(strength);
    ShowCharacter(g, "");
}

// A race throw counts when the race file gives a real digit for the talent;
// 0 (no PSIrolls) and -99 (a blank or a digit that is not one) fall back to
// the talent's own throw, so no talent becomes a sure thing by a gap in the file.
int TalentTarget(const PsiTalentRecord& talent, int pass) {
    const int base = talent.RaceThrow > 0 ? talent.RaceThrow : talent.Throw;
    return base + pass - 1;
}

std::string TalentChoices(const GameState& g, int pass) {
    std::string list;
    list.reserve(static_cast<size_t>(Talents) * 32);
    for (int i = 1; i <= Talents; ++i) {
        const auto& talent = g.rules.PsiTalent[i];
        if (g.career.PsiTried[i] != 0) continue;
        if (!list.empty()) list += '/';
        list.append(talent.Name).append(" (").append(std::to_string(TalentTarget(talent, pass)));
        list += "+)";
    }
    return list;
}

int FindTalent(const GameState& g, const std::string& name) {
    for (int i = 1; i <= Talents; ++i) {
        if (g.career.PsiTried[i] == 0 && g.rules.PsiTalent[i].Name == name) return i;
    }
    return 0;
}

}  // namespace

void PsionicTraining(Game& g) {
    auto& c = g.career.Character;
    if (c.PsiTrained == 1) return;

    ThrowFor(g, "psionic strength");
    const int strength = std::max(0, RollDice(g, 2, 6) - c.CurTerm);
    ExplainModifier(g, -c.CurTerm, "terms");
    if (!HasOwnPsiStat(g.rules)) AddPsiStat(g, strength);
    // Trained from here on, however the talents go: a second training would
    // throw the strength again over the first.
    c.PsiTrained = 1;

    for (int pass = 1; pass <= Passes; ++pass) {
        const std::string choices = TalentChoices(g, pass);
        if (choices.empty()) break;
        const std::string_view picked =
            Answer(g, PickQuestion{.Choices = choices,
                                   .Title = "Which talent do you want to try and learn next?",
                                   .When = AutoWhen::Never})
                .Text;
        const size_t open = picked.find('(');
        // A closed window holds no "(": the remaining talents are declined.
        if (open == std::string_view::npos) break;
        const int i = FindTalent(g, Trim(picked.substr(0, open)));
        if (i == 0) break;
        const auto& talent = g.rules.PsiTalent[i];

        if (!c.Opt(OptForceAcademic))
            ThrowFor(g, "the talent ", talent.Name, TalentTarget(talent, pass));
        int roll = c.Opt(OptForceAcademic) ? 99 : RollDice(g, 2, 6);
        if (g.rules.Race.Code == RaceDroyne)
            ThrowFor(g, "the talent ", talent.Name, TalentTarget(talent, pass));
        if (g.rules.Race.Code == RaceDroyne) roll += RollDice(g, 1, 6);
        if (g.career.Explain && (g.rules.Race.Code == RaceDroyne || !c.Opt(OptForceAcademic)))
            ExplainResult(g, roll >= TalentTarget(talent, pass), "learned", "not learned");
        if (roll >= TalentTarget(talent, pass)) AddSkill(g, talent.Name);
        g.career.PsiTried[i] = 1;
    }
}

void PsionicGames(Game& g) {
    auto& c = g.career.Character;
    if (c.PsiGamesDone == 1) return;

    const bool compete = Answer(g, YesNoQuestion{.Text = "Compete in the Psionic Games",
                                                 .AutoRule = YesNoQuestion::Rule::Coin});
    if (!compete) return;

    AddHistory(g, "Psionic Games");
    int score = 0;
    for (const char* name : GamesTalents) {
        if (GetSkillLevel(g.career, name) <= 0) continue;
        ThrowFor(g, "the games' ", name);
        const bool won = RollDice(g, 2, 6) <= c.Stats[StatPsi];
        ExplainTarget(g, c.Stats[StatPsi], true);
        ExplainResult(g, won, "+1", "-1");
        score += won ? 1 : -1;
    }
    ThrowFor(g, "the Psionic Games", {}, 12);
    const bool elevated = RollDice(g, 2, 6) + score >= 12;
    ExplainModifier(g, score, "the games' score");
    ExplainResult(g, elevated, "elevated to nobility", "not elevated");
    if (elevated) {
        c.Stats[StatSoc] = 11;
        // A Soc above 10 is the noble caste of race 4 (a new character's
        // caste is set from Soc the same way), so the caste follows.
        if (g.rules.Race.Code == RaceZhodani) c.SocialClass = "N";
        AddSkill(g, "+1 Psi");
        AddHistory(g, "- Elevated to Nobility");
    } else {
        AddHistory(g, "- Failure");
    }
    NextYear(g);
    c.PsiGamesDone = 1;
}

}  // namespace orrimar
