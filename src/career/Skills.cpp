#include "career/Skills.h"

#include <algorithm>
#include <functional>

#include "ask/Question.h"
#include "career/Cascades.h"
#include "career/SkillTables.h"
#include "data/SkillText.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// A cascade is named in capitals: no letter in it is lower case.
bool NamesCascade(std::string_view name) {
    return !name.empty() &&
           std::none_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The number after a skill's "-" or a characteristic's sign, within
// -MaxSkillStep..MaxSkillStep (the loaders refuse texts outside it; texts
// from elsewhere, school files, are brought inside).
int SkillStep(std::string_view text) {
    return std::clamp(ValInt(text), -MaxSkillStep, MaxSkillStep);
}

bool ChangeCharacteristic(Game& g, const std::string& text) {
    const StatChange change = ReadStatChange(text);
    for (int i = 1; i <= StatCount(g); ++i) {
        if (StatName(g, i) != change.Code) continue;
        const int amount = std::clamp(change.Amount, -MaxSkillStep, MaxSkillStep);
        auto& stat = g.career.Character.Stats[i];
        const int value = stat + (change.Raises ? amount : -amount);
        // The log line first, then the display with the new value.
        if (value > stat) {
            stat = RaisedCharacteristic(g, i, value, [&] { ShowCharacter(g, text); });
        } else {
            stat = static_cast<int16_t>(std::clamp(value, -32768, 32767));
            ShowCharacter(g, text);
        }
        return true;
    }
    ShowCharacter(g, text);
    DataProblemMet(g, "Stat add fail " + text);
    return false;
}

void RecordSkill(Game& g, std::string_view name, int increment, bool keptWhole) {
    static const char* refused[] = {"Bribery",  "Broker", "Equestrian",
                                    "Gambling", "Legal",  "Trader"};
    if (g.rules.Race.Code == RaceCovenant) {
        for (const char* r : refused)
            if (name == r) return;
    }
    if (name.empty()) return;
    auto& skills = g.career.Character.Skills;
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const std::string_view existing = TrimView(skills[i].Name);
        if (existing.empty()) {
            skills[i].Name = name;
            skills[i].Level = static_cast<int16_t>(increment);
            ShowSkills(g.windows);
            return;
        }
        if (existing != name) continue;
        const int level = skills[i].Level + increment;
        if (g.career.Character.Opt(OptCapSkills) && level > 6 &&
            !EqualsNoCase(name, "SATISFACTION") && !keptWhole &&
            g.ui.YesNo(std::string("Skill rolled for ")
                           .append(name)
                           .append(" is too high. Roll again (Yes) or allow it anyway (No)?"),
                       g.session.AppTitle, true, MsgIcon::None)) {
            RollSkill(g);
            return;
        }
        skills[i].Level = static_cast<int16_t>(std::clamp(level, -32768, 32767));
        // The gain's text is for the message log, which only a face that
        // draws keeps.
        ShowCharacter(
            g, g.ui.ShowsViews() ? std::string(name) + "-" + std::to_string(level) : std::string());
        ShowSkills(g.windows);
        return;
    }
    // All 55 slots are taken: the skill is not recorded.
}

}  // namespace

int16_t RaisedCharacteristic(Game& g, int stat, int value, const std::function<void()>& shown) {
    const int now = g.career.Character.Stats[stat];
    const int max = 15 + g.rules.Race.StatMod[stat];
    const bool disallowed = value > max && !g.career.Character.Opt(OptStatsOver15);
    // A gain stops at the species maximum and never lowers what is held:
    // a characteristic already past it (typed in, rolled on many dice)
    // keeps its value.
    if (disallowed) value = std::max(now, max);
    g.career.Character.Stats[stat] = static_cast<int16_t>(std::clamp(value, -32768, 32767));
    if (shown) shown();
    if (disallowed)
        g.ui.Message("Stat increase to " + StatName(g, stat) + " " + std::to_string(max + 1) +
                         " disallowed; exceeds species maximum",
                     g.session.AppTitle, MsgIcon::None);
    return g.career.Character.Stats[stat];
}

namespace {

// A preferred skill may be a cascade whose choices name it again, so taking
// it would split the same cascade for ever; and short names ("M") stand in
// almost every list, so each split could take them all again. Past this
// many preferences within one another, or this many taken for one gain,
// they are left out.
constexpr int MaxPreferenceDepth = 8;
constexpr int MaxPreferencesPerGain = 20;

struct Preferences {
    int Depth = 0;
    int* Left = nullptr;  // preferred skills still to be taken for this gain
};

void AddSkillWithin(Game& g, std::string& text, Preferences preferences);

// The preferred skills that stand among `choices` and are still below their
// wanted level are taken first, each through AddSkill.
void TakePreferredSkills(Game& g, const std::string& choices, std::string_view cascade,
                         Preferences preferences) {
    for (int p = 1; p <= 20; ++p) {
        const std::string& pref = g.session.PrefSkill[p].Name;
        if (IsBlank(pref) || !ContainsNoCase(choices, pref)) continue;
        int current = -1;
        for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
            if (g.career.Character.Skills[i].Name == pref) {
                current = g.career.Character.Skills[i].Level;
                break;
            }
        }
        if (current >= g.session.PrefSkill[p].Level) break;
        if (preferences.Depth >= MaxPreferenceDepth || *preferences.Left <= 0) {
            // Said once for the gain; the cascades are split without them.
            if (*preferences.Left > -1)
                g.ui.Message("Preferred skill " + pref + " leads back into the cascade " +
                                 std::string(cascade) +
                                 " again and again; it is split without preferred skills.",
                             g.session.AppTitle, MsgIcon::Warning);
            *preferences.Left = -1;
            return;
        }
        const bool yes = Answer(
            g, YesNoQuestion{
                   .Text = "Preferred skills recommends ", .Subject = pref, .Icon = MsgIcon::None});
        if (!yes) continue;
        --*preferences.Left;
        std::string taken = pref;
        AddSkillWithin(g, taken, {preferences.Depth + 1, preferences.Left});
    }
}

void AddSkillWithin(Game& g, std::string& text, Preferences preferences) {
    // The gain as received, for the messages and the window's title: kept
    // once it turns out to be a cascade, before the choice replaces it.
    std::string received;
    for (int depth = 0;; ++depth) {
        if (IsStatChange(text)) {
            if (ChangeCharacteristic(g, text)) return;
        }
        const size_t dash = text.find('-');
        const std::string_view whole = text;
        // A view into the gain's text, which stays as it is until the
        // cascade's choice replaces it below.
        const std::string_view name = TrimView(whole.substr(0, dash));
        const int increment = dash == std::string::npos ? 1 : SkillStep(whole.substr(dash + 1));

        const bool cascade = NamesCascade(name);
        if (!cascade || g.career.Character.Opt(OptKeepCascades)) {
            RecordSkill(g, name, increment, cascade);
            return;
        }
        if (depth == 0) received = text;
        // A cascade's name is never a skill: a chain that does not end is
        // said and given up.
        if (depth == MaxCascadeDepth) {
            DataProblemMet(g, "Cascade " + received + " still names a cascade after " +
                                  std::to_string(MaxCascadeDepth) + " splits (" +
                                  std::string(name) + "); nothing is recorded");
            return;
        }
        auto choices = FindCascade(g.rules, name);
        if (!choices) {
            DataProblemMet(g, "Cascade not found " + std::string(name));
            RecordSkill(g, name, increment, false);
            return;
        }
        if (choices->empty()) {
            DataProblemMet(g, "CASCADE BLANK ERROR! " + received);
            return;
        }

        TakePreferredSkills(g, *choices, name, preferences);

        // A closed window lets the dice choose, as "Select for me, please!"
        // does, so no gain is lost.
        const std::string_view picked = Answer(g, PickQuestion{.Choices = *choices,
                                                               .Title = "Split cascade skill ",
                                                               .Subject = received,
                                                               .Dice = PickDice::SelectForMe})
                                            .Text;
        text = picked;
        if (picked.empty() || (picked[0] != '+' && picked[0] != '-'))
            text += "-" + std::to_string(increment);
    }
}

}  // namespace

void AddSkill(Game& g, std::string& text) {
    int left = MaxPreferencesPerGain;
    AddSkillWithin(g, text, {0, &left});
}

void AddSkill(Game& g, const std::string& text) {
    std::string copy = text;
    AddSkill(g, copy);
}

void AddSkill(Game& g, const char* text) {
    AddSkill(g, std::string(text));
}

int GetSkillLevel(const CareerPart& career, const std::string& name) {
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        if (EqualsNoCase(career.Character.Skills[i].Name, name))
            return career.Character.Skills[i].Level;
    }
    return -1;
}

void TrySkill(Game& g, int dice, int target, const std::string& text) {
    ThrowFor(g, text);
    const bool gained = RollDice(g, dice, 6) >= target;
    ExplainTarget(g, target);
    ExplainResult(g, gained, "gained", "not gained");
    if (gained) AddSkill(g, text);
}

}  // namespace orrimar
