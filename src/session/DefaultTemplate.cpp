#include "session/DefaultTemplate.h"

namespace orrimar {

namespace {
std::string Cell(const std::string& width, const std::string& content, const std::string& indent) {
    return indent + "<td width=\"" + width + "\">" + content + "</td>";
}
}  // namespace

std::vector<std::string> DefaultTemplateLines() {
    std::vector<std::string> t = {"<html>",
                                  "",
                                  "<head>",
                                  "<title></title>",
                                  "</head>",
                                  "",
                                  "<body>",
                                  "",
                                  "<h1>Astrovane Resume - |NAME|</h1>",
                                  ""};

    const std::vector<std::vector<std::string>> summary = {
        {"Name", "Career", "UPP", "Hit Points", "Terms"},
        {"|NAME|", "|CAREER|", "|UPP|", "|HITS|", "|TERMS|"},
        {"Age", "TL", "Rank", "Pension", "Money"},
        {"|AGE|", "|TL|", "|RANKCODE| |RANK|", "|PENSION|", "|MONEY|"}};
    t.push_back("<table border=\"1\" width=\"100%\">");
    for (size_t row = 0; row < summary.size(); ++row) {
        t.push_back(row == 0 ? "<tr>" : "  <tr>");
        for (size_t cell = 0; cell < 5; ++cell)
            t.push_back(Cell("20%", summary[row][cell], cell % 2 == 1 ? "    " : ""));
        t.push_back("</tr>");
    }
    t.insert(t.end(), {"</table>", ""});

    t.insert(t.end(),
             {"<table border=\"1\" width=\"100%\">", "<tr>", Cell("50%", "Medals", ""),
              Cell("50%", "Skills", "    "), "</tr>", "  <tr>", Cell("50%", "|MEDALS|", ""),
              Cell("50%", "|SKILLS|", "    "), "</tr>", "</table>", ""});

    t.insert(t.end(),
             {"<table border=\"1\" width=\"100%\">", "<tr>",
              "<td width=\"50%\"><table border=\"1\">", "<tr>", "<th width=\"13%\">Statistic</th>",
              "        <th width=\"9%\">Value</th>", "<th width=\"78%\">Bonus</th>", "</tr>"});
    for (int n = 1; n <= 7; ++n) {
        std::string d = std::to_string(n);
        t.insert(t.end(), {"      <tr>", Cell("13%", "|STATNAME" + d + "|", ""),
                           Cell("9%", "|STAT" + d + "|", "        "),
                           Cell("78%", "|BONUS" + d + "|", ""), "</tr>"});
    }
    t.insert(t.end(),
             {"</table>", "    </td>", "<td width=\"50%\" valign=\"top\">Notes: |NOTES|</td>",
              "</tr>", "</table>", ""});

    t.insert(t.end(), {"<table border=\"1\" width=\"100%\">", "<tr>", Cell("100%", "|HISTORY|", ""),
                       "</tr>", "</table>", "</body>", "</html>"});
    return t;
}

}  // namespace orrimar
