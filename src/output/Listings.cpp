#include "output/Listings.h"

#include <algorithm>
#include <vector>

#include "data/Race.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "output/ResumeText.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

constexpr int TitleWidth = 50;

// Lines built as a print statement builds them: text is put on the current
// line, Tab pads to a column, End closes the line.
class Sheet {
  public:
    Sheet& Put(const std::string& text) {
        line_ += text;
        return *this;
    }
    // Spaces up to 1-based column `column`. A line already past it goes on
    // at that column of the next line, so the columns stay aligned.
    Sheet& Tab(size_t column) {
        const size_t want = column > 0 ? column - 1 : 0;
        if (line_.size() > want) End();
        line_.resize(want, ' ');
        return *this;
    }
    // Spaces up to the next print zone of 14 columns.
    Sheet& NextZone() {
        line_.resize((line_.size() / 14 + 1) * 14, ' ');
        return *this;
    }
    void End() {
        lines_.push_back(line_);
        line_.clear();
    }
    void Line(const std::string& text = "") {
        Put(text);
        End();
    }
    std::string Text() const { return JoinLinesCrLf(lines_); }

  private:
    std::vector<std::string> lines_;
    std::string line_;
};

std::string Plus(int value) {
    return "+" + std::to_string(value);
}

// "###,###": no digit at all for zero, as that format gives.
std::string Thousands(long long value) {
    return value == 0 ? "" : FormatThousands(value);
}

void PutSkillTables(Sheet& s, const SkillTableSet& tables) {
    for (int t = 1; t <= ServiceRecord::MaxTables; ++t) {
        const SkillTableRecord& table = tables[t];
        if (table.Title.empty()) continue;
        s.Line();
        s.Line("    " + table.Title);
        const int max = std::clamp(table.Max, 0, SkillTableRecord::MaxEntries);
        for (int e = 1; e <= max; ++e) s.Line("    " + PrintNumber(e) + table.Entry[e]);
        for (int k = 1; k <= SkillTableRecord::MaxEli; ++k)
            if (!table.Eli[k].empty()) s.Line("    " + table.Eli[k].Text);
        for (int k = 1; k <= SkillTableRecord::MaxDM; ++k)
            if (!table.DM[k].empty()) s.Line("    " + table.DM[k].Text);
    }
}

void PutRace(Sheet& s, const RaceRecord& race, std::string_view psionic) {
    s.Line("------------------ Race data for " + race.Name + " ------------------");
    s.Line();
    const int stats = std::clamp(race.NumStats, 0, RaceRecord::MaxStats);
    for (int i = 1; i <= stats; ++i) {
        s.Put("  " + race.StatName[i] + " " + std::to_string(race.StatDice[i]) + "D");
        const int mod = race.StatMod[i];
        if (mod > 0) s.Put(Plus(mod));
        if (mod < 0) s.Put(PrintNumber(mod));
        s.End();
    }
    s.Line();
    // The race keeps no code: "No" is only what the listing shows.
    s.Line("  Chance of discovering psionic training: " +
           (psionic.empty() ? std::string("No") : std::string(psionic)));
    s.Line("  Years in a term: " + PrintNumber(race.YearsPerTerm));
    s.Line("  Starting age: " + PrintNumber(race.BaseAge));
    s.Line("  Aging rolls begin at: " + PrintNumber(race.AgeAt));
    s.Line();
}

void PutService(Sheet& s, const ServiceRecord& sv) {
    s.Line("------------------ Service data for " + sv.Name + " ------------------");
    s.Line();
    for (int k = 1; k <= 3; ++k) s.Line("  Decoration " + PrintNumber(k) + ": " + sv.Medal[k]);
    s.Line("  Wound award " + PrintNumber(4) + ": " + sv.Purple);

    s.Line();
    s.Line("  Academic options:");
    for (int k = 1; k <= ServiceRecord::MaxAcademic; ++k)
        if (!sv.Academic[k].empty()) s.Line("    " + sv.Academic[k]);

    s.Line();
    s.Line("  Skill tables:");
    PutSkillTables(s, sv.SkillTable);

    s.Line();
    s.Line("  Ranks:");
    const int ranks = std::clamp(sv.MaxRank, 0, ServiceRecord::MaxRanks);
    for (int r = 0; r <= ranks; ++r) {
        s.Put("    " + Fit(sv.RankCode[r], 4)).NextZone().Put(sv.RankName[r]);
        s.End();
    }

    s.Line();
    s.Line("  Mustering-out Benefits:");
    s.Put("    Material").Tab(50).Put("Financial");
    s.End();
    const int material = std::clamp(sv.MaterialCount, 0, ServiceRecord::MaxMuster);
    const int cash = std::clamp(sv.CashCount, 0, ServiceRecord::MaxMuster);
    for (int i = 1; i <= std::max(material, cash); ++i) {
        s.Put("    ");
        if (i <= material) s.Put(PrintNumber(i) + sv.Material[i]).Tab(50);
        if (i <= cash) s.Put(PrintNumber(i) + Thousands(sv.Cash[i]) + "Cr");
        s.End();
    }

    s.Line();
    s.Line("  Re-enlist roll: " + Plus(sv.Reenlist));
    s.Line();
}

void PutTarget(Sheet& s, const char* label, int target) {
    s.Put(label).Tab(20).Put(Plus(target));
    s.End();
}

void PutBranch(Sheet& s, const ServiceRecord& sv) {
    s.Line("------------------ Branch data for " + sv.BranchName + " ------------------");
    s.Line();
    s.Line("  Assignments");
    // The branch's last roll index bounds the records shown, as it bounds
    // the assignments a branch can name.
    const int shown = std::clamp(sv.AssignLast, 0, ServiceRecord::MaxAssignments);
    for (int k = 1; k <= shown; ++k) {
        const AssignmentRecord& a = sv.Assignment[k];
        if (a.Name.empty()) continue;
        s.Line("    " + a.Name);
        PutTarget(s, "      Survive: ", a.Surv);
        // A target of 90 or more is never thrown, so it is not listed.
        if (a.Deco < 90) PutTarget(s, "      Decoration: ", a.Deco);
        if (a.Prom < 90) PutTarget(s, "      Promotion: ", a.Prom);
        if (a.Skil < 90) PutTarget(s, "      Skill: ", a.Skil);
    }
    if (sv.Command != 0) {
        s.Line();
        s.Line("  Chance of command: " + Plus(sv.Command));
    }
    if (sv.Type.Kind == ServiceKind::Merchant) {
        s.Line();
        s.Line("  Examinations for merchant ranks");
        s.Line("    Rk 2D Skill required");
        for (int k = 1; k <= ServiceRecord::MaxQualif; ++k)
            if (!sv.Qualif[k].empty()) s.Line("    " + sv.Qualif[k]);
    }
    s.Line();
    s.Line("  Skill tables:");
    PutSkillTables(s, sv.BranchSkillTable);
}

std::string ListTitle(const ListEntry& entry) {
    return Trim(Left(entry.Display, TitleWidth));
}

std::string ListText(const ChoiceList& list) {
    std::string text;
    for (const auto& entry : list.Entries) text += ListTitle(entry) + CrLf;
    return text;
}

void View(Game& g, const std::string& title, const std::string& text) {
    TextViewerModel viewer;
    viewer.TitleLine = title;
    viewer.Text = text;
    g.ui.ViewText(viewer);
}

template <size_t N>
void PutCascadeTable(std::vector<std::string>& html, const CountedLines<N>& cascade) {
    html.push_back("<table width=\"100%\">");
    const int count = cascade.Size();
    for (int i = 1; i <= count; ++i) {
        html.insert(html.end(),
                    {"  <tr>", "    <td>", HtmlEscape(cascade[i]), "    </td>", "  </tr>"});
    }
    html.push_back("</table>");
}

}  // namespace

std::string RaceServiceDataText(const Game& g) {
    Sheet s;
    PutRace(s, g.rules.Race, PsionicChance(g));
    PutService(s, g.rules.Service);
    PutBranch(s, g.rules.Service);
    return s.Text();
}

TextViewerModel RaceServiceDataViewer(const Game& g) {
    TextViewerModel viewer;
    viewer.TitleLine = "Race, Service and Branch Data";
    viewer.Text = RaceServiceDataText(g);
    viewer.FontName = "courier new";
    viewer.FontSize = 10;
    return viewer;
}

void ShowRaceServiceData(Game& g) {
    // Each showing builds its own viewer, so the font never carries over
    // to the next text shown.
    TextViewerModel viewer = RaceServiceDataViewer(g);
    g.ui.ViewText(viewer);
}

std::string AllRacesText(const WindowsPart& windows) {
    return ListText(windows.RaceList);
}

void ShowAllRaces(Game& g) {
    View(g, "All races", AllRacesText(g.windows));
}

std::string AllServicesText(const WindowsPart& windows) {
    return ListText(windows.ServiceList);
}

void ShowAllServicesForRace(Game& g) {
    const ListEntry* race = g.windows.RaceList.Current();
    View(g, "All services available for " + (race ? race->Display : g.rules.Race.Name),
         AllServicesText(g.windows));
}

std::string RaceServicesText(Game& g) {
    std::string text;
    for (int i = 0; i < static_cast<int>(g.windows.RaceList.Entries.size()); ++i) {
        // A race file that cannot be loaded keeps the old race selected, and
        // with it the old service list; its own [FILES] list is read afresh.
        if (!SelectRace(g, i)) ListServices(g, &g.windows.RaceList.Entries[i]);
        text += ListTitle(g.windows.RaceList.Entries[i]) + CrLf;
        for (const auto& service : g.windows.ServiceList.Entries)
            text += "    " + ListTitle(service) + CrLf;
    }
    // The services listed last are those of the race that is loaded.
    ListServices(g);
    return text;
}

void ShowRaceServices(Game& g) {
    const std::string text = RaceServicesText(g);
    View(g, "All races and services", text);
}

void ShowAllBranchesForService(Game&) {}

std::string CascadeListingHtml(const RulesPart& rules) {
    std::vector<std::string> html = {"<HTML>",  "<HEAD>", "<TITLE>Cascade Listing</TITLE>",
                                     "</HEAD>", "<BODY>", ""};
    html.push_back("<h1>Cascade Skill Listings for: " + HtmlEscape(rules.Service.BranchName) +
                   "</h1>");
    html.push_back("<h2>Standard Cascades</h2>");
    PutCascadeTable(html, rules.StdCascade);
    html.push_back("<h2>Race Cascades</h2>");
    PutCascadeTable(html, *rules.Race.Cascade);
    html.push_back("<font color=red>These override the Standard ones</font>");
    html.push_back("<h2>Service Cascades</h2>");
    PutCascadeTable(html, *rules.Service.Cascade);
    html.insert(html.end(), {"<font color=red>These override the Standard and Racial ones</font>",
                             "</BODY>", "</HTML>"});
    return JoinLinesCrLf(html);
}

std::string CascadeListingPath(const SessionPart& session) {
    return ResolveNoCase(session.DataLoc, "clist.htm");
}

void ShowCascadesListing(Game& g) {
    const std::string path = CascadeListingPath(g.session);
    if (std::string problem = WriteFileAtomic(path, CascadeListingHtml(g.rules));
        !problem.empty()) {
        g.ui.Message(problem, g.session.AppTitle, MsgIcon::Critical);
        return;
    }
    g.ui.OpenPage(path);
}

}  // namespace orrimar
