// The batch roster in a real browser (headless Chromium): the page's own
// script sorts and filters as the address's fragment asks, and without
// the script the page is the plain table in number order; the sheet of
// stat blocks printed to PDF. Skipped only where no Chromium (or, for the
// PDF, no pdfinfo) is installed; scripts/setup.sh installs both.

#include <regex>

#include "batch/Batch.h"
#include "support/Cli.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

struct Row {
    bool Hidden = false;
    std::vector<std::string> Cells;  // the data-sort value when given, else the text
    std::string Text;
};

std::vector<Row> BodyRows(const std::string& dom) {
    std::vector<Row> rows;
    const size_t body = dom.find("<tbody>"), end = dom.find("</tbody>");
    if (body == std::string::npos || end == std::string::npos) return rows;
    const std::string part = dom.substr(body, end - body);
    static const std::regex tr("<tr([^>]*)>([\\s\\S]*?)</tr>");
    static const std::regex td("<td([^>]*)>([\\s\\S]*?)</td>");
    static const std::regex sort("data-sort=\"([^\"]*)\"");
    static const std::regex tag("<[^>]*>");
    for (std::sregex_iterator it(part.begin(), part.end(), tr), stop; it != stop; ++it) {
        Row row;
        row.Hidden = (*it)[1].str().find("hidden") != std::string::npos;
        const std::string cells = (*it)[2];
        for (std::sregex_iterator c(cells.begin(), cells.end(), td); c != stop; ++c) {
            std::smatch m;
            const std::string attributes = (*c)[1];
            const std::string text = std::regex_replace((*c)[2].str(), tag, "");
            row.Cells.push_back(std::regex_search(attributes, m, sort) ? m[1].str() : text);
            row.Text += text + "\t";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// A batch of `count` characters from `seed`.
struct Roster {
    TempDir out;
    std::vector<BatchCharacter> made;
    std::string log;
    explicit Roster(int count = 8, uint64_t seed = 77) {
        BatchOptions options;
        std::tie(options.Count, options.Seed, options.DataDir, options.OutDir) =
            std::tuple(count, seed, SampleDataDir(), out.Path());
        std::ostringstream said;
        RunBatch(options, said, &made);
        log = said.str();
    }
};

constexpr size_t RankColumn = 5;

}  // namespace

// Sorted by rank, highest first (ties in number order), and filtered by a
// race some rows lack: exactly the rows holding it are shown, and counted.
// Without the script the page is its markup: no row hidden, no filter box,
// and the headings in a head that printing repeats (the rows' number order
// is the index test's of Sweep).
TEST(RosterBrowser, TheScriptSortsAndFiltersAsTheAddressAsksAndThePlainPageReads) {
    TempDir profile;
    const std::string chromium = HeadlessChromium(profile.Path());
    if (chromium.empty()) GTEST_SKIP() << "no chromium installed";
    Roster roster;
    ASSERT_EQ(roster.made.size(), 8u) << roster.log;
    // One word: the filter takes every word typed.
    const std::string race = Split(LCase(roster.made[0].Race), ' ')[0];
    // The page's DOM once loaded.
    const std::string dom = RunShell(chromium + " --dump-dom 'file://" + roster.out.Path() +
                                     "index.htm#sort=-rank&filter=" + race + "' 2>/dev/null")
                                .out;
    const auto rows = BodyRows(dom);
    ASSERT_EQ(rows.size(), 8u) << dom;
    EXPECT_TRUE(Says(dom, {"<th data-key=\"rank\" aria-sort=\"descending\">"}));
    size_t shown = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Hidden, LCase(rows[i].Text).find(race) == std::string::npos)
            << rows[i].Text;
        shown += rows[i].Hidden ? 0 : 1;
        if (i == 0) continue;
        const int before = std::stoi(rows[i - 1].Cells[RankColumn]);
        const int rank = std::stoi(rows[i].Cells[RankColumn]);
        EXPECT_GE(before, rank) << dom;
        if (before == rank) {
            EXPECT_LT(std::stoi(rows[i - 1].Cells[0]), std::stoi(rows[i].Cells[0]));
        }
    }
    EXPECT_GT(shown, 0u);
    EXPECT_LT(shown, 8u) << "a race every character shares filters nothing: choose another seed";
    EXPECT_TRUE(Says(dom, {std::to_string(shown) + " of 8 shown"}));

    const std::string page = roster.out.Read("index.htm");
    EXPECT_TRUE(Says(page.substr(0, page.find("<script>")),
                     {"<thead>", "thead { display: table-header-group; }"},
                     {"hidden", "id=\"filter\""}));
}

// The sheet of stat blocks printed to PDF: at least four characters a page,
// and every card whole on one page (its head and its last line together).
TEST(RosterBrowser, StatBlocksPrintSeveralToAPageAndWhole) {
    TempDir profile;
    const std::string chromium = HeadlessChromium(profile.Path());
    const std::string pdfinfo = RunShell("command -v pdfinfo").out;
    if (chromium.empty() || pdfinfo.empty()) GTEST_SKIP() << "no chromium or pdfinfo installed";
    const Roster roster(40, 500);
    const TempDir& out = roster.out;
    ASSERT_EQ(roster.made.size(), 40u) << roster.log;
    const std::string pdf = out.Path() + "cards.pdf";
    RunShell(chromium + " --no-pdf-header-footer --print-to-pdf='" + pdf + "' 'file://" +
             out.Path() + "cards.htm' 2>/dev/null");
    const std::string info = RunShell("pdfinfo '" + pdf + "'").out;
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)"))) << info;
    const int count = std::stoi(pages[1]);
    EXPECT_GE(count, 2);
    EXPECT_LE(count, 10);
    std::vector<std::string> text;
    for (int page = 1; page <= count; ++page)
        text.push_back(RunShell("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + pdf + "' -")
                           .out);
    for (const BatchCharacter& c : roster.made) {
        const std::string head = "UPP " + c.Upp + ", age " + std::to_string(c.Age);
        const std::regex tail("Seed " + std::to_string(c.Seed) + "\\b");
        int found = 0;
        for (const std::string& page : text)
            if (std::regex_search(page, tail)) {
                ++found;
                EXPECT_NE(page.find(head), std::string::npos) << c.Name << " split across pages";
            }
        EXPECT_EQ(found, 1) << c.Seed;
    }
}
