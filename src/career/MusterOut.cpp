#include "career/MusterOut.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "career/SkillTables.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

constexpr int CashRollLimit = 3;

int CountBenefitRolls(const Game& g) {
    const auto& c = g.career.Character;
    int rolls = c.CurTerm;
    if (c.Rank >= 10) ++rolls;
    if (c.Rank >= 13) ++rolls;
    if (c.Rank >= 15) ++rolls;
    if (c.CareerEnded == 1) rolls = 1;
    if (g.rules.Race.Code == RaceAslanMale || g.rules.Race.Code == RaceAslanFemale) rolls *= 2;
    if (c.Warranted == 1) ++rolls;
    return rolls;
}

int32_t CountPension(const CareerPart& career) {
    const auto& c = career.Character;
    if (c.CareerEnded == 1) return 0;
    // The career's last year: the one it ended in, or the last one served.
    const int32_t perTerm = career.Year.Invalided ? 1500 : 1000;
    return c.CurTerm * perTerm;
}

bool HasGambling(const CareerPart& career) {
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i)
        if (career.Character.Skills[i].Name == "Gambling") return true;
    return false;
}

// A table line: the material text in a column wide enough for the longest
// entry and two blanks (at least 20), then the cash, each heading over its
// values; trailing blanks trimmed.
std::string TableLine(const std::string& material, const std::string& cash, size_t width) {
    std::string line = material;
    line.resize(std::max(width, material.size()), ' ');
    return TrimRight(line + cash) + CrLf;
}

void ShowTables(Game& g) {
    const auto& s = g.rules.Service;
    // Only the rows a table has: an unset row past its count would read as
    // an empty benefit and "Cr0".
    const int rows = std::clamp(std::max(s.MaterialCount, s.CashCount), 0,
                                static_cast<int>(ServiceRecord::MaxMuster));
    std::vector<std::string> material;
    size_t width = 20;
    for (int i = 1; i <= rows; ++i) {
        material.push_back(i <= s.MaterialCount ? std::to_string(i) + "  " + s.Material[i]
                                                : std::to_string(i));
        width = std::max(width, material.back().size() + 2);
    }
    std::string text = CrLf + "Mustering out tables" + CrLf;
    text += TableLine("1D Material", "1D Financial", width);
    for (int i = 1; i <= rows; ++i)
        text += TableLine(material[i - 1],
                          i <= s.CashCount ? "Cr" + FormatThousands(s.Cash[i]) : "", width);
    TextViewerModel viewer;
    viewer.TitleLine = "Mustering out tables for " + s.Name;
    viewer.Text = text;
    viewer.FontName = "courier new";
    viewer.FontSize = 9;
    g.ui.ViewText(viewer);
}

void TakeCash(Game& g, int gambling) {
    ThrowFor(g, "the cash table");
    const int roll = std::clamp(RollDice(g, 1, 6) + gambling, 1, ServiceRecord::MaxMuster);
    ExplainModifier(g, gambling, "Gambling");
    if (g.career.Explain) ExplainOutcome(g, "Cr" + FormatThousands(g.rules.Service.Cash[roll]));
    // Held wide and brought back into the field's range, so hostile
    // amounts in a service file cannot overflow the character's money.
    const int64_t money =
        static_cast<int64_t>(g.career.Character.Money) + g.rules.Service.Cash[roll];
    g.career.Character.Money =
        static_cast<int32_t>(std::clamp<int64_t>(money, INT32_MIN, INT32_MAX));
}

void RecordBenefit(CareerPart& career, const std::string& benefit) {
    auto& c = career.Character;
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) {
        if (c.Benefits[i] == benefit) {
            ++c.BenefitCount[i];
            return;
        }
        if (IsBlank(c.Benefits[i])) {
            c.Benefits[i] = benefit;
            c.BenefitCount[i] = 1;
            return;
        }
    }
    // All ten places hold other benefits. A material table reaches only
    // seven entries, so this needs benefits carried in from elsewhere (a
    // loaded character); the record has no eleventh place, and the
    // benefit is not recorded rather than overwriting one the character has.
}

void TakeMaterial(Game& g) {
    ThrowFor(g, "the benefits table");
    int roll = RollDice(g, 1, 6);
    if (g.career.Character.Rank >= TopRankOf(g) - 1) ++roll;
    if (g.career.Character.Rank >= TopRankOf(g) - 1) ExplainModifier(g, 1, "rank near the top");
    const std::string benefit =
        g.rules.Service.Material[std::clamp(roll, 1, ServiceRecord::MaxMuster)];
    ExplainOutcome(g, IsBlank(benefit) ? "nothing" : std::string_view(benefit));
    if (StartsWith(benefit, "-") || StartsWith(benefit, "+") || Contains(benefit, "Tole") ||
        Contains(benefit, "Inde")) {
        AddSkill(g, benefit);
    } else if (Contains(benefit, "Skil") || Contains(benefit, "Trai")) {
        RollSkill(g);
    } else if (!IsBlank(benefit)) {
        // A roll past a short table reads an unset entry: it yields nothing
        // rather than a nameless benefit.
        RecordBenefit(g.career, benefit);
    }
}

void SetUpQuestion(Game& g, int left, int cashTaken, bool firstRoll) {
    auto& w = g.windows.TermWindow;
    ClearTermWindow(g.windows);
    // Written into the label's own room: the question is set up for every
    // benefit rolled.
    w.Label[1].append("Muster out: ").append(std::to_string(left)).append(" benefits to roll");
    w.Label[1] += CrLf;
    ShowMoney(g);
    const auto offer = [&](int k, std::string_view caption) {
        w.Button[k].Caption.assign(caption);
        w.Button[k].Visible = true;
    };
    if (cashTaken < CashRollLimit) offer(1, "Financial table");
    offer(2, "Material table");
    if (left - CashRollLimit > 0) {
        offer(3, "Take 3 cash, ");
        w.Button[3].Caption.append(std::to_string(left - CashRollLimit)).append(" material");
    }
    offer(4, "Show tables");
    if (firstRoll) offer(5, "Whoops! Go back");
}

// The pressed button 1..5, or 0 when the window was closed (or an answer
// named a button that was not offered): the question is asked again.
int ReadChoice(Game& g) {
    const std::string answer = g.ui.AskTerm(g);
    if (answer.size() != 1 || answer[0] < '1' || answer[0] > '5') return 0;
    const int k = answer[0] - '0';
    return g.windows.TermWindow.Button[k].Visible ? k : 0;
}

}  // namespace

bool MusterOut(Game& g) {
    auto& c = g.career.Character;
    const int rolls = CountBenefitRolls(g);
    c.BenefitRolls = static_cast<int16_t>(rolls);
    c.Pension = CountPension(g.career);
    const int gambling = HasGambling(g.career) ? 1 : 0;

    int cashTaken = 0;
    bool automatic = false;  // "Take 3 cash": cash until three, then material
    for (int r = 1; r <= rolls; ++r) {
        const int left = rolls - r + 1;
        bool rolled = false;
        while (!rolled) {
            SetUpQuestion(g, left, cashTaken, r == 1);
            int choice = 0;
            while (choice == 0 || choice == 3) {
                if (automatic)
                    choice = cashTaken < CashRollLimit ? 1 : 2;
                else
                    choice = ReadChoice(g);
                if (choice == 3) automatic = true;
            }
            switch (choice) {
                case 1:
                    ++cashTaken;
                    TakeCash(g, gambling);
                    rolled = true;
                    break;
                case 2:
                    TakeMaterial(g);
                    rolled = true;
                    break;
                case 4:
                    ShowTables(g);
                    break;
                default:  // "Whoops! Go back"
                    return false;
            }
        }
    }
    return true;
}

}  // namespace orrimar
