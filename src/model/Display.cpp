#include "model/Display.h"

#include <algorithm>
#include <tuple>

#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"

namespace orrimar {

const std::string& CurrentYearLine(const Game& g) {
    const auto& c = g.Character;
    return c.TermLog[std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm)]
        .Lines[std::clamp<int>(c.CurLine, 0, CharacterRecord::MaxYear)];
}

void AddHistory(Game& g, const std::string& text) {
    auto& c = g.Character;
    c.TermLog[c.CurTerm].Lines[c.CurLine] += text + " ";
    ShowHistory(g);
    ShowCharacter(g, text);
}

void ShowHistory(Game& g) {
    const auto& c = g.Character;
    auto& list = g.TermWindow.History;
    list.clear();
    const int years = std::min(g.Race.YearsPerTerm, CharacterRecord::MaxYear);
    for (int t = 1; t < c.CurTerm; ++t) {
        list.push_back("Term: " + std::to_string(t) + " " + c.TermLog[t].Title);
        for (int y = 1; y <= years; ++y) list.push_back("    " + c.TermLog[t].Lines[y]);
    }
    list.push_back("Term: " + std::to_string(c.CurTerm) + " " + c.TermLog[c.CurTerm].Title);
    for (int y = 1; y <= c.CurLine; ++y) list.push_back("    " + c.TermLog[c.CurTerm].Lines[y]);
}

void ShowSkills(Game& g) {
    const auto& c = g.Character;
    auto& list = g.TermWindow.Skills;
    list.clear();
    const bool byValue = c.Opt(OptSortSkills);
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const auto& skill = c.Skills[i];
        if (Trim(skill.Name).empty()) continue;
        std::string text = byValue ? std::to_string(skill.Level) + " " + skill.Name
                                   : skill.Name + "-" + std::to_string(skill.Level);
        list.push_back({text, i});
    }
    // The list runs by name, or with the option by level, as numbers: level
    // 10 comes after level 2, which a list sorting its texts would not do.
    const auto key = [&](const TaggedItem& item) {
        const auto& skill = c.Skills[item.Tag];
        return std::make_tuple(byValue ? skill.Level : 0, UCase(skill.Name));
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](const TaggedItem& a, const TaggedItem& b) { return key(a) < key(b); });
}

void ShowCharacter(Game& g, const std::string& text) {
    auto& c = g.Character;
    auto& s = g.Service;
    auto& w = g.TermWindow;
    if (!Trim(text).empty()) w.Log += text + CrLf;
    CalcHitPoints(g);

    std::string stats;
    for (int i = 1; i <= g.Race.NumStats; ++i)
        stats += g.Race.StatName[i] + ": " + HexDigit(c.Stats[i]) + " ";
    if (g.Race.Code == 4) {
        if (c.SocialClass == "P") stats += " (Prole)";
        if (c.SocialClass == "I") stats += " (Intendant)";
        if (c.SocialClass == "N") stats += " (Noble)";
    } else if (g.Race.Code == 12) {
        if (c.SocialClass == "S") stats += " (Servant)";
        if (c.SocialClass == "B") stats += " (Bodyguard)";
        if (c.SocialClass == "W") stats += " (Well-Born)";
        if (c.SocialClass == "N") stats += " (Noble)";
    }
    const bool sorag = UCase(s.Type) == "SORAG";
    if (sorag) {
        int v = std::clamp(ValInt(c.Clearance), 0, 5);
        stats += " Clearance: " + g.ClearanceCode[v];
    }

    if (g.Race.Code == 8) {
        // A race whose rank is its term count: the rank table is written
        // from the character, not read from the service file.
        int rank = std::clamp(c.CurTerm - 1, 1, CharacterRecord::MaxRank);
        c.Rank = static_cast<int16_t>(rank);
        s.RankCode[rank] = (Contains(g.Race.Name, "Leader") ? "O" : "E") + std::to_string(rank);
        s.RankName[rank] = "Rank-" + std::to_string(rank);
        s.MaxRank = rank;
    }

    const int rank = std::clamp<int>(c.Rank, 0, CharacterRecord::MaxRank);
    std::string rankLine;
    if (UCase(s.Type) == "MERCHANT") {
        s.RankCode[0] = "E" + std::to_string(c.CurTerm);
        s.RankName[0] = "Enlisted";
    }
    s.RankCode[rank] = Trim(s.RankCode[rank]);
    rankLine = "T " + std::to_string(c.CurTerm) + " Y " + std::to_string(c.CurLine) + " " +
               Trim(s.RankName[rank]) + " (" + s.RankCode[rank] + ")";
    if (UCase(s.Type) == "MERCHANT") {
        std::string next = rank + 1 <= ServiceRecord::MaxQualif ? s.Qualif[rank + 1] : "";
        std::string req = next.empty() ? "(n/a)" : next.substr(next.find_last_of('=') + 1);
        rankLine += rank == 0 ? " Next req: Commission" : " Next req: " + req;
    }

    w.Label[2] = g.Race.Name + " " + s.BranchName;
    w.Label[3] = stats;
    w.Label[4] = "HP: " + std::to_string(c.HitPoints) + " TL: " + std::to_string(c.TechLevel) +
                 " Age: " + std::to_string(c.Age);
    w.Label[5] = rankLine;
    ShowSkills(g);
    ShowHistory(g);
}

void ShowMoney(Game& g) {
    const auto& c = g.Character;
    std::string text =
        "Current money: Cr" + FormatThousands(c.Money) + CrLf + "Material benefits: ";
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) {
        if (Trim(c.Benefits[i]).empty()) continue;
        text += c.Benefits[i];
        if (c.BenefitCount[i] > 1) text += "-" + std::to_string(c.BenefitCount[i]);
        text += ", ";
    }
    g.TermWindow.Label[1] += text;
}

void ClearTermWindow(Game& g) {
    auto& w = g.TermWindow;
    w.Label[1].clear();
    for (auto& b : w.Button) b = TermButton{};
    w.Answer.clear();
}

}  // namespace orrimar
