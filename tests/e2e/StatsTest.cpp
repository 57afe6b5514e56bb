// Statistics of a data folder through orrimar-cli: a comparison flags a
// real edit and nothing for a comment, and the report draws its charts in
// a browser with the numbers the JSON gives.

#include <cstdio>
#include <nlohmann/json.hpp>
#include <regex>

#include "support/Cli.h"

using namespace orrimar;
using json = nlohmann::json;

namespace {

// A copy of the sample data in `dir`, its naval branch file edited by `edit`.
std::string EditedCopy(const TempDir& dir, const std::function<std::string(std::string)>& edit) {
    CopySampleData(dir);
    const std::string text = edit(dir.Read("NAVY.SRV"));
    std::ofstream(dir.Path() + "NAVY.SRV", std::ios::binary) << text;
    return dir.Path();
}

const char* Careers = "--race Imperial --service 'Imperial Navy' --count 2000";

}  // namespace

// Each figure is tested against the other folder's: harder survival throws
// show as more wounds, a comment changes nothing.
TEST(Stats, ComparisonFlagsARealEditAndNothingForAComment) {
    TempDir work, sameData, harderData;
    const std::string same = EditedCopy(sameData, [](std::string text) {
        // The branch section's free line is read by no rule.
        return std::regex_replace(text, std::regex("\r\nAssignments\r\n"),
                                  "\r\nAssignments of the line\r\n");
    });
    const std::string harder = EditedCopy(harderData, [](std::string text) {
        return std::regex_replace(text, std::regex("Surv=6"), "Surv=8");
    });
    ASSERT_NE(same, harder);
    const auto flagged = [&](const std::string& other) {
        const CliRun run = RunCli("--stats --format json --data '" + SampleDataDir() +
                                      "' --compare '" + other + "' " + Careers,
                                  work);
        EXPECT_EQ(run.status, 0);
        const json doc = json::parse(run.out);
        EXPECT_GT(doc["differences"].size(), 30u);
        std::vector<std::string> names;
        for (const auto& d : doc["differences"])
            if (d["significant"].get<bool>()) names.push_back(d["name"].get<std::string>());
        return names;
    };
    EXPECT_EQ(flagged(same), std::vector<std::string>{});
    const auto names = flagged(harder);
    EXPECT_NE(std::find(names.begin(), names.end(), "wounded"), names.end());
    EXPECT_TRUE(Says(
        RunCli("--stats --data '" + SampleDataDir() + "' --compare '" + same + "' " + Careers, work)
            .out,
        {"No difference is unlikely to be chance."}));
}

// The figures are counted per thread and merged: two threads give the
// figures one does. With --where only the careers meeting it count. The
// report carries the JSON's document and its numbers in tables, and in a
// browser draws every chart without a script error.
TEST(Stats, ThreadsAgreeAndTheReportDrawsItsChartsWithTheJsonsNumbers) {
    TempDir work;
    const std::string args = "--stats --format json --data '" + SampleDataDir() +
                             "' --race Imperial --count 200 --seed 5 --where 'terms>=2'";
    const CliRun run = RunCli(args + " --report report.htm", work);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(RunCli(args + " --jobs 2", work).out, run.out);
    const json doc = json::parse(run.out);
    const std::string page = work.Read("report.htm");
    // (std::regex recurses a level a character: the page is searched by hand.)
    const std::string open = "<script type=\"application/json\" id=\"stats\">";
    const size_t from = page.find(open);
    ASSERT_NE(from, std::string::npos);
    std::string text =
        page.substr(from + open.size(), page.find("</script>", from) - from - open.size());
    for (size_t at = 0; (at = text.find("<\\/", at)) != std::string::npos;)
        text.replace(at, 3, "</");
    EXPECT_EQ(json::parse(text), doc);
    // Without its script the page still reads: each service's survival
    // share in its table, as the JSON gives it.
    const auto& groups = doc["stats"]["groups"];
    ASSERT_GT(groups.size(), 2u);
    for (const auto& g : groups) {
        EXPECT_GT(g["unmatched"].get<int>(), 0);
        EXPECT_EQ(g["charts"]["terms"]["labels"][0], "2");
        char share[64];
        std::snprintf(share, sizeof share, "<td>served out</td><td>%.1f%%</td>",
                      100 * g["figures"]["Survival"]["served out"]["value"].get<double>());
        EXPECT_TRUE(Says(page, {share}));
    }

    const std::string chromium = HeadlessChromium(work.Path() + "profile");
    if (chromium.empty()) GTEST_SKIP() << "no chromium (scripts/setup.sh installs it)";
    const std::string dom = work.Path() + "dom.htm";
    const std::string command = chromium + " --virtual-time-budget=5000 --dump-dom 'file://" +
                                work.Path() + "report.htm' > '" + dom + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string drawn = work.Read("dom.htm");
    EXPECT_TRUE(Says(drawn, {"data-charts=\"drawn\""}, {"data-script-error=\""}));
    size_t canvases = 0;
    const std::string mark = "data-inked=\"";
    for (size_t at = drawn.find(mark); at != std::string::npos; at = drawn.find(mark, at + 1)) {
        ++canvases;
        EXPECT_GT(std::stol(drawn.substr(at + mark.size(), 12)), 2000) << "a blank chart";
    }
    // The survival bars of every service, and four charts each.
    EXPECT_EQ(canvases, 1 + 4 * groups.size());
}
