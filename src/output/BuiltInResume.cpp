#include "output/BuiltInResume.h"

#include <algorithm>

#include "model/Game.h"
#include "output/PageText.h"
#include "output/ResumeText.h"
#include "text/Text.h"

namespace orrimar {

namespace {

constexpr std::string_view ValueCell = "<td><font color=\"#800000\">";
constexpr std::string_view Table100 = "<table border=\"1\" width=\"100%\">";

void AddValueCell(PageText& page, std::string_view value) {
    page.Line(ValueCell);
    page.Line(value);
    page.Line("</font></td>");
}

void Lines(PageText& page, std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) page.Line(line);
}

void BuiltInResume(Game& g, const std::string& date, const std::string& extraFooter,
                   PageText& page) {
    const auto& c = g.career.Character;
    const std::string name = HtmlEscape(c.Name);
    const std::string_view dash = name.empty() ? "" : " - ";

    Lines(page, {"<html>", "<head>", "<meta http-equiv=\"Content-Type\"",
                 "content=\"text/html; charset=iso-8859-1\">"});
    page.Line("<title>Astrovane Character Resume", dash, name, "</title>");
    Lines(page, {"</head>", "<body bgcolor=\"#808080\" text=\"#000000\">"});
    page.Line("<h1><font color=\"#008000\">Astrovane Character Resume", dash, name, "</font></h1>");
    page.Line("<h2><font color=\"#000000\"><em><u>", Escaped{g.rules.Service.BranchName},
              "</u></em></font></h2>");

    // Characteristics: names over values.
    const int stats = std::clamp(StatCount(g), 0, CharacterRecord::MaxStats);
    Lines(page, {"<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\">", "<tr>"});
    for (int i = 1; i <= stats; ++i)
        page.Line("<td align=\"center\"><strong>", Escaped{Fit(StatName(g, i), 3)},
                  "</strong></td>");
    Lines(page, {"</tr>", "    <tr>"});
    for (int i = 1; i <= stats; ++i) {
        page.Line("<td align=\"center\"><font color=\"#800000\"><strong>");
        page.Line(PrintNumber(c.Stats[i]), "</strong></font></td>");
    }
    Lines(page, {"</tr>", "</table>"});

    // Hits, terms, age, TL, pension and rank.
    Lines(page, {Table100, "<tr>", "        <td>Hits</td>", "        <td>Terms</td>",
                 "        <td>Age</td>", "        <td>TL</td>", "        <td>Pension</td>",
                 "        <td>Rank</td>", "    </tr>", "    <tr>"});
    for (int value : {int(c.HitPoints), int(c.CurTerm), int(c.Age), int(c.TechLevel)})
        AddValueCell(page, PrintNumber(value));
    AddValueCell(page, "Cr" + FormatThousands(c.Pension));
    AddValueCell(page, HtmlEscape(RankNameText(g) + " (" + RankCodeText(g) + ")"));
    Lines(page, {"</tr>", "</table>"});

    Lines(page, {Table100, "    <tr>", "        <td>Skills</td>", "    </tr>", "    <tr>"});
    page.Line("        ", ValueCell);
    page.Line(Escaped{SkillText(g.career)});
    Lines(page, {"</tr>", "</table>"});

    Lines(page, {Table100, "<tr>", "<td>Bank balance</td>", "<td>Material Benefits and notes</td>",
                 "</tr>", " <tr>"});
    AddValueCell(page, "Cr" + FormatThousands(c.Money));
    AddValueCell(page, HtmlEscape(CharacterNotes(g)));
    Lines(page, {"</tr>", "</table>"});

    Lines(page, {Table100, "<tr>", "<td>Medals/Bonuses</td>", "</tr>", "<tr>", ValueCell});
    for (const auto& [medal, count] : MedalEntries(g)) page.Line(Escaped{medal}, " x", count, " ");
    Lines(page, {"</font></td>", "</table>"});

    Lines(page, {Table100, "<tr>", "<td>History</td>", "</tr>"});
    for (const auto& term : HistoryTerms(g)) {
        page.Line("<tr>");
        page.Line(ValueCell, "Term: ", term.Term, " ", Escaped{term.Title}, "</td>");
        page.Line("</tr>");
        page.Line("<tr>", ValueCell);
        for (size_t y = 0; y < term.Years.size(); ++y)
            page.Line(static_cast<int>(y + 1), "    ", Escaped{term.Years[y]}, "<br>");
        page.Line("</td></tr>");
    }
    page.Line("</table>");

    page.Line("<h3>Generated on ", Escaped{date}, " by ", Escaped{g.session.AppTitle}, " ");
    if (g.career.HandEntered == "E") page.Line(".");
    Lines(page, {"</h3>", "<p>Switches:"});
    page.Line(Escaped{SwitchesText(g.career)}, "</p>");
    if (!extraFooter.empty()) page.Line("<p>", Escaped{extraFooter}, "</p>");
    Lines(page, {"</body>", "</html>"});
}

}  // namespace

void AppendBuiltInResume(Game& g, const std::string& date, const std::string& extraFooter,
                         std::string& text) {
    PageText page(text);
    BuiltInResume(g, date, extraFooter, page);
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
