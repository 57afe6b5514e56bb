#include "batch/Cards.h"

#include "batch/Batch.h"
#include "batch/CountOf.h"
#include "output/ResumeText.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Cards are blocks that are never split: two to a row, as many rows as a
// page holds (eight sample characters on A4 or Letter).
constexpr const char* Style =
    "<style>\r\n"
    "body { font-family: sans-serif; font-size: 9pt; }\r\n"
    ".card { display: inline-block; box-sizing: border-box; width: 49%; vertical-align: top;\r\n"
    "        border: 1px solid #666; padding: 4px 6px; margin: 0 0 6px 0;\r\n"
    "        break-inside: avoid; page-break-inside: avoid; }\r\n"
    ".card h2 { font-size: 10pt; margin: 0 0 2px 0; }\r\n"
    ".card p { margin: 0; }\r\n"
    ".card .seed { color: #555; font-size: 8pt; }\r\n"
    "@media print { @page { margin: 1cm; } h1, .note { display: none; } }\r\n"
    "</style>";

}  // namespace

std::string CardsHead(int made, uint64_t seed) {
    return JoinLinesCrLf({"<!DOCTYPE html>", "<html>", "<head>", "<meta charset=\"ISO-8859-1\">",
                          "<title>Astrovane characters: stat blocks</title>", Style, "</head>",
                          "<body>", "<h1>Astrovane characters: stat blocks</h1>",
                          "<p class=\"note\">" + CountOf(made, "character") + ", batch seed " +
                              std::to_string(seed) +
                              "; the roster is <a href=\"index.htm\">index.htm</a>.</p>"});
}

std::string CardHtml(const BatchCharacter& c) {
    // The block's first line is the heading; each other line a paragraph.
    std::string card = "<div class=\"card\"><h2><a href=\"";
    AppendHtmlEscaped(card, c.File);
    card += "\">";
    const std::vector<std::string> lines = Split(c.Block, '\n');
    bool first = true;
    for (const std::string& line : lines) {
        if (IsBlank(line)) continue;
        if (first) {
            AppendHtmlEscaped(card, line);
            card += "</a></h2>";
            first = false;
            continue;
        }
        card += "<p>";
        AppendHtmlEscaped(card, Trim(line));
        card += "</p>";
    }
    if (first) card += "</a></h2>";
    card += "<p class=\"seed\">Seed " + std::to_string(c.Seed) + "</p></div>" + CrLf;
    return card;
}

std::string CardsTail() {
    return JoinLinesCrLf({"</body>", "</html>"});
}

}  // namespace orrimar
