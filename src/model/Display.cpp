#include "model/Display.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "model/Game.h"
#include "model/Generate.h"
#include "text/Text.h"

namespace orrimar {

const std::string& CurrentYearLine(const CareerPart& career) {
    const auto& c = career.Character;
    return c.TermLog[std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm)].Line(
        std::clamp<int>(c.CurLine, 0, CharacterRecord::MaxYear));
}

const YearFacts& CurrentYearFacts(const CareerPart& career) {
    const auto& c = career.Character;
    return c.TermLog[std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm)].Facts(
        std::clamp<int>(c.CurLine, 0, CharacterRecord::MaxYear));
}

void AddHistory(Game& g, std::string_view text) {
    auto& c = g.career.Character;
    c.TermLog[c.CurTerm].Log(static_cast<size_t>(c.CurLine), text);
    ShowHistory(g.windows);
    ShowCharacter(g, text);
}

namespace {

void BuildHistory(Game& g) {
    const auto& c = g.career.Character;
    auto& list = g.windows.TermWindow.History;
    list.clear();
    const int years = std::min(g.rules.Race.YearsPerTerm, CharacterRecord::MaxYear);
    for (int t = 1; t < c.CurTerm; ++t) {
        list.push_back("Term: " + std::to_string(t) + " " + c.TermLog[t].Title);
        for (int y = 1; y <= years; ++y) list.push_back("    " + c.TermLog[t].Line(y));
    }
    list.push_back("Term: " + std::to_string(c.CurTerm) + " " + c.TermLog[c.CurTerm].Title);
    for (int y = 1; y <= c.CurLine; ++y) list.push_back("    " + c.TermLog[c.CurTerm].Line(y));
}

void BuildSkills(WindowsPart& windows, const CareerPart& career) {
    const auto& c = career.Character;
    auto& list = windows.TermWindow.Skills;
    list.clear();
    const bool byValue = c.Opt(OptSortSkills);
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const auto& skill = c.Skills[i];
        if (IsBlank(skill.Name)) continue;
        std::string text = byValue ? std::to_string(skill.Level) + " " + skill.Name
                                   : skill.Name + "-" + std::to_string(skill.Level);
        list.push_back({text, i});
    }
    // The list runs by name, or with the option by level, as numbers: level
    // 10 comes after level 2, which a list sorting its texts would not do.
    std::vector<std::tuple<int, std::string, TaggedItem>> keyed;
    for (auto& item : list) {
        const auto& skill = c.Skills[item.Tag];
        keyed.emplace_back(byValue ? skill.Level : 0, UCase(skill.Name), std::move(item));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    list.clear();
    for (auto& entry : keyed) list.push_back(std::move(std::get<2>(entry)));
}

// The character lines of the term window.
void BuildCharacterLines(Game& g) {
    const auto& c = g.career.Character;
    const auto& s = g.rules.Service;
    auto& w = g.windows.TermWindow;
    std::string stats;
    for (int i = 1; i <= StatCount(g); ++i)
        stats += StatName(g, i) + ": " + HexDigit(c.Stats[i]) + " ";
    if (g.rules.Race.Code == RaceZhodani) {
        if (c.SocialClass == "P") stats += " (Prole)";
        if (c.SocialClass == "I") stats += " (Intendant)";
        if (c.SocialClass == "N") stats += " (Noble)";
    } else if (g.rules.Race.Code == RaceTarrenai) {
        if (c.SocialClass == "S") stats += " (Servant)";
        if (c.SocialClass == "B") stats += " (Bodyguard)";
        if (c.SocialClass == "W") stats += " (Well-Born)";
        if (c.SocialClass == "N") stats += " (Noble)";
    }
    if (s.Type.Kind == ServiceKind::Sorag) {
        int v = std::clamp(ValInt(c.Clearance), 0, 5);
        stats += " Clearance: " + g.rules.ClearanceCode[v];
    }

    const int rank = std::clamp<int>(c.Rank, 0, CharacterRecord::MaxRank);
    std::string rankLine = "T " + std::to_string(c.CurTerm) + " Y " + std::to_string(c.CurLine) +
                           " " + Trim(RankNameOf(g, rank)) + " (" + Trim(RankCodeOf(g, rank)) + ")";
    if (s.Type.Kind == ServiceKind::Merchant) {
        std::string next = rank + 1 <= ServiceRecord::MaxQualif ? s.Qualif[rank + 1] : "";
        std::string req = next.empty() ? "(n/a)" : next.substr(next.find_last_of('=') + 1);
        rankLine += rank == 0 ? " Next req: Commission" : " Next req: " + req;
    }

    w.Label[2] = g.rules.Race.Name + " " + s.BranchName;
    w.Label[3] = stats;
    w.Label[4] = "HP: " + std::to_string(c.HitPoints) + " TL: " + std::to_string(c.TechLevel) +
                 " Age: " + std::to_string(c.Age);
    w.Label[5] = rankLine;
}

}  // namespace

void ShowHistory(WindowsPart& windows) {
    windows.TermWindow.Stale = true;
}

void ShowSkills(WindowsPart& windows) {
    windows.TermWindow.Stale = true;
}

void ShowCharacter(Game& g, std::string_view text) {
    auto& c = g.career.Character;
    auto& w = g.windows.TermWindow;
    // The message log is the window's own; a face that shows nothing (the
    // batch's) never reads it.
    if (g.ui.ShowsViews() && !IsBlank(text)) {
        w.Log += text;
        w.Log += CrLf;
    }
    CalcHitPoints(g);

    // What the display has always settled: the rank of a race whose rank
    // is its term count, and the code of a merchant's rank 0. They stay
    // here, where the rules have them happen, whether or not anyone looks
    // at the window; both are the career's, over the service's table.
    if (g.rules.Race.Code == RaceDroyne) {
        const int rank = std::clamp(c.CurTerm - 1, 1, CharacterRecord::MaxRank);
        c.Rank = static_cast<int16_t>(rank);
        auto& written = g.career.TermRanks;
        written.Code[static_cast<size_t>(rank)] =
            (Contains(g.rules.Race.Name, "Leader") ? "O" : "E") + std::to_string(rank);
        written.Name[static_cast<size_t>(rank)] = "Rank-" + std::to_string(rank);
        written.Top = rank;
    }
    if (g.rules.Service.Type.Kind == ServiceKind::Merchant) {
        // Settled on every event: written only when the term has moved on.
        SetNumberText(g.career.MerchantRankZero, "E", c.CurTerm);
    }
    w.Stale = true;
}

bool BuildTermView(Game& g) {
    if (!g.windows.TermWindow.Stale) return false;
    BuildCharacterLines(g);
    BuildSkills(g.windows, g.career);
    BuildHistory(g);
    g.windows.TermWindow.Stale = false;
    return true;
}

void ShowMoney(Game& g) {
    // The money line is the window's alone; the batch's face never reads it.
    if (!g.ui.ShowsViews()) return;
    const auto& c = g.career.Character;
    std::string text =
        "Current money: Cr" + FormatThousands(c.Money) + CrLf + "Material benefits: ";
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) {
        if (IsBlank(c.Benefits[i])) continue;
        text += c.Benefits[i];
        if (c.BenefitCount[i] > 1) text += "-" + std::to_string(c.BenefitCount[i]);
        text += ", ";
    }
    g.windows.TermWindow.Label[1] += text;
}

void ClearTermWindow(WindowsPart& windows) {
    auto& w = windows.TermWindow;
    w.Label[1].clear();
    for (auto& b : w.Button) {
        b.Caption.clear();
        b.Visible = false;
    }
    w.Answer.clear();
}

}  // namespace orrimar
