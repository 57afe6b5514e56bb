#include "output/ResumeText.h"

#include <algorithm>
#include <array>

#include "model/Game.h"
#include "model/OptionCaptions.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    static constexpr auto Special = [] {
        std::array<bool, 256> special{};
        for (const unsigned char c : std::string_view("&<>\"'")) special[c] = true;
        return special;
    }();
    // Runs of plain characters go in whole.
    for (size_t at = 0; at < text.size();) {
        size_t stop = at;
        while (stop < text.size() && !Special[static_cast<unsigned char>(text[stop])]) ++stop;
        out.append(text, at, stop - at);
        if (stop == text.size()) break;
        switch (text[stop]) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += "&#39;";
        }
        at = stop + 1;
    }
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendHtmlEscaped(out, text);
    return out;
}

std::string SafeFileName(std::string_view text) {
    static constexpr std::string_view allowed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890-";
    std::string stem;
    for (char c : UCase(text)) {
        if (stem.size() == 8) break;
        if (allowed.find(c) != std::string_view::npos) stem += c;
    }
    return stem;
}

std::string CharacterNotes(Game& g) {
    auto& c = g.career.Character;
    std::string notes;
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i) {
        if (c.BenefitCount[i] <= 0) continue;
        if (i != 1) notes += ", ";
        notes += c.Benefits[i] + "-" + std::to_string(c.BenefitCount[i]);
    }
    if (g.rules.Race.Code == RaceTarrenai) {
        if (c.SocialClass == "S") notes += " (Servant)";
        if (c.SocialClass == "B") notes += " (Bodyguard)";
        if (c.SocialClass == "W") notes += " (Well-Born)";
        if (c.SocialClass == "N") notes += " (Noble)";
    }
    notes += " Homeworld codes: " + c.Homeworld;
    const int level = g.career.VilaniLevel;
    if (g.career.VilaniOffered && level > 0 && level < MainWindowModel::VilaniLevels)
        notes += MainWindowModel::VilaniCaptions[level];
    if (c.PsiTrained == 0) {
        // Thrown once and kept with the character, so that its pages, its
        // preview and its transfer file show one rating.
        if (!c.LatentPsi) {
            ThrowFor(g, "latent PSI");
            c.LatentPsi = static_cast<int16_t>(RollDice(g, 2, 6) - c.CurTerm);
            ExplainModifier(g, -c.CurTerm, "terms");
        }
        notes += " Untrained (latent) PSI=" + std::to_string(*c.LatentPsi);
    }
    if (g.career.HandEntered == "E") notes += " . ";
    return notes;
}

std::string SkillText(const CareerPart& career) {
    // The term window's list sorted by value, read from its end. Levels
    // are compared as numbers, so a level of 10 stays above a level of 9.
    struct Entry {
        int Level;
        std::string Key;
        int Index;
    };
    const auto& c = career.Character;
    std::vector<Entry> list;
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        if (IsBlank(c.Skills[i].Name)) continue;
        list.push_back({c.Skills[i].Level, UCase(c.Skills[i].Name), i});
    }
    std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) {
        return a.Level != b.Level ? a.Level < b.Level : a.Key < b.Key;
    });
    std::string text;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (!text.empty()) text += ", ";
        const auto& skill = c.Skills[it->Index];
        text += skill.Name + "-" + std::to_string(skill.Level);
    }
    return text;
}

std::vector<std::pair<std::string, int>> MedalEntries(const Game& g) {
    const auto& c = g.career.Character;
    std::vector<std::pair<std::string, int>> medals;
    if (c.Medals[0] > 0) medals.emplace_back(g.rules.Service.Purple, c.Medals[0]);
    for (int k = 1; k <= 3; ++k) {
        if (!EqualsNoCase(Trim(g.rules.Service.Medal[k]), "NONE") && c.Medals[k] >= 1)
            medals.emplace_back(g.rules.Service.Medal[k], c.Medals[k]);
    }
    return medals;
}

std::string MedalText(const Game& g) {
    std::string text;
    for (const auto& [name, count] : MedalEntries(g))
        text += name + " x" + std::to_string(count) + " ";
    return text;
}

std::string SwitchesText(const CareerPart& career) {
    std::string text;
    for (int k = 1; k <= 10; ++k) {
        if (career.Character.Opt(k)) text += std::string(OptionCaption(k - 1)) + " ";
    }
    return text;
}

int RankIndex(const CareerPart& career) {
    return std::clamp<int>(career.Character.Rank, 0, CharacterRecord::MaxRank);
}

std::string RankCodeText(const Game& g) {
    return Fit(RankCodeOf(g, RankIndex(g.career)), 4);
}

std::string RankNameText(const Game& g) {
    return RankNameOf(g, RankIndex(g.career));
}

std::vector<HistoryTerm> HistoryTerms(const Game& g) {
    const auto& c = g.career.Character;
    const int current = std::clamp<int>(c.CurTerm, 0, CharacterRecord::MaxTerm);
    const int years = std::clamp(g.rules.Race.YearsPerTerm, 0, CharacterRecord::MaxYear);
    const int currentYears = std::clamp<int>(c.CurLine, 0, CharacterRecord::MaxYear);
    std::vector<HistoryTerm> terms;
    for (int t = 1; t <= current; ++t) {
        HistoryTerm term{t, c.TermLog[t].Title, {}};
        const int last = t < current ? years : currentYears;
        for (int y = 1; y <= last; ++y) term.Years.push_back(c.TermLog[t].Line(y));
        terms.push_back(std::move(term));
    }
    if (current == 0) {
        // Before the career the current term is term 0.
        HistoryTerm term{0, c.TermLog[0].Title, {}};
        for (int y = 1; y <= currentYears; ++y) term.Years.push_back(c.TermLog[0].Line(y));
        terms.push_back(std::move(term));
    }
    return terms;
}

std::string HistoryTableHtml(const Game& g) {
    std::string html = "<table border=\"1\" width=\"100%\">" + CrLf + "<tr><td>History</td></tr>";
    for (const auto& term : HistoryTerms(g)) {
        html += "<tr><td><font color=\"#800000\">Term: " + std::to_string(term.Term) + " " +
                HtmlEscape(term.Title) + "</td></tr><tr><td><font color=\"#800000\">";
        for (size_t y = 0; y < term.Years.size(); ++y)
            html += std::to_string(y + 1) + "    " + HtmlEscape(term.Years[y]) + "<br>";
        html += "</td></tr>";
    }
    return html + "</table>";
}

}  // namespace orrimar
