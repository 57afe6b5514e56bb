#include "output/BuiltInResume.h"

#include <algorithm>

#include "model/Game.h"
#include "model/Text.h"
#include "output/ResumeText.h"

namespace orrimar {

namespace {

const std::string q = "\"";
const std::string ValueCell = "<td><font color=" + q + "#800000" + q + ">";
const std::string Table100 = "<table border=" + q + "1" + q + " width=" + q + "100%" + q + ">";

void Add(std::vector<std::string>& page, std::initializer_list<std::string> lines) {
    page.insert(page.end(), lines);
}

void AddValueCell(std::vector<std::string>& page, const std::string& value) {
    Add(page, {ValueCell, value, "</font></td>"});
}

}  // namespace

std::vector<std::string> BuiltInResumeLines(Game& g, const std::string& date,
                                            const std::string& extraFooter) {
    const auto& c = g.Character;
    const std::string name = HtmlEscape(c.Name);
    const std::string titled = name.empty() ? "" : " - " + name;
    std::vector<std::string> page;

    Add(page, {"<html>", "<head>", "<meta http-equiv=" + q + "Content-Type" + q,
               "content=" + q + "text/html; charset=iso-8859-1" + q + ">",
               "<title>Astrovane Character Resume" + titled + "</title>", "</head>",
               "<body bgcolor=" + q + "#808080" + q + " text=" + q + "#000000" + q + ">",
               "<h1><font color=" + q + "#008000" + q + ">Astrovane Character Resume" + titled +
                   "</font></h1>",
               "<h2><font color=" + q + "#000000" + q + "><em><u>" +
                   HtmlEscape(g.Service.BranchName) + "</u></em></font></h2>"});

    // Characteristics: names over values.
    const int stats = std::clamp(g.Race.NumStats, 0, CharacterRecord::MaxStats);
    Add(page, {"<table border=" + q + "1" + q + " width=" + q + "100%" + q + " bordercolor=" + q +
                   "#FFFFFF" + q + ">",
               "<tr>"});
    for (int i = 1; i <= stats; ++i)
        page.push_back("<td align=" + q + "center" + q + "><strong>" +
                       HtmlEscape(Fit(g.Race.StatName[i], 3)) + "</strong></td>");
    Add(page, {"</tr>", "    <tr>"});
    for (int i = 1; i <= stats; ++i) {
        page.push_back("<td align=" + q + "center" + q + "><font color=" + q + "#800000" + q +
                       "><strong>");
        page.push_back(PrintNumber(c.Stats[i]) + "</strong></font></td>");
    }
    Add(page, {"</tr>", "</table>"});

    // Hits, terms, age, TL, pension and rank.
    Add(page, {Table100, "<tr>", "        <td>Hits</td>", "        <td>Terms</td>",
               "        <td>Age</td>", "        <td>TL</td>", "        <td>Pension</td>",
               "        <td>Rank</td>", "    </tr>", "    <tr>"});
    for (int value : {int(c.HitPoints), int(c.CurTerm), int(c.Age), int(c.TechLevel)})
        AddValueCell(page, PrintNumber(value));
    AddValueCell(page, "Cr" + FormatThousands(c.Pension));
    AddValueCell(page, HtmlEscape(RankNameText(g) + " (" + RankCodeText(g) + ")"));
    Add(page, {"</tr>", "</table>"});

    Add(page, {Table100, "    <tr>", "        <td>Skills</td>", "    </tr>", "    <tr>",
               "        " + ValueCell, HtmlEscape(SkillText(g)), "</tr>", "</table>"});

    Add(page, {Table100, "<tr>", "<td>Bank balance</td>", "<td>Material Benefits and notes</td>",
               "</tr>", " <tr>"});
    AddValueCell(page, "Cr" + FormatThousands(c.Money));
    AddValueCell(page, HtmlEscape(CharacterNotes(g)));
    Add(page, {"</tr>", "</table>"});

    Add(page, {Table100, "<tr>", "<td>Medals/Bonuses</td>", "</tr>", "<tr>", ValueCell});
    for (const auto& [medal, count] : MedalEntries(g))
        page.push_back(HtmlEscape(medal) + " x" + std::to_string(count) + " ");
    Add(page, {"</font></td>", "</table>"});

    Add(page, {Table100, "<tr>", "<td>History</td>", "</tr>"});
    for (const auto& term : HistoryTerms(g)) {
        Add(page, {"<tr>",
                   ValueCell + "Term: " + std::to_string(term.Term) + " " + HtmlEscape(term.Title) +
                       "</td>",
                   "</tr>", "<tr>" + ValueCell});
        for (size_t y = 0; y < term.Years.size(); ++y)
            page.push_back(std::to_string(y + 1) + "    " + HtmlEscape(term.Years[y]) + "<br>");
        page.push_back("</td></tr>");
    }
    page.push_back("</table>");

    page.push_back("<h3>Generated on " + HtmlEscape(date) + " by " + HtmlEscape(g.AppTitle) + " ");
    if (g.Form1.HandEntered == "E") page.push_back(".");
    Add(page, {"</h3>", "<p>Switches:", HtmlEscape(SwitchesText(g)) + "</p>"});
    if (!extraFooter.empty()) page.push_back("<p>" + HtmlEscape(extraFooter) + "</p>");
    Add(page, {"</body>", "</html>"});
    return page;
}

std::string LongDate(const std::tm& tm) {
    static const char* days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
    static const char* months[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
    const int day = std::clamp(tm.tm_wday, 0, 6);
    const int month = std::clamp(tm.tm_mon, 0, 11);
    return std::string(days[day]) + ", " + months[month] + " " + std::to_string(tm.tm_mday) + ", " +
           std::to_string(tm.tm_year + 1900);
}

std::string TodayLongDate() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return LongDate(tm);
}

}  // namespace orrimar
