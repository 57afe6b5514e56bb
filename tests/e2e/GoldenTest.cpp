// Three hundred seeded batch characters over every race, service and branch
// of the sample data, pages and index pages, compared byte for byte with
// the stored ones (the date on the page masked). Work on speed never
// changes them; a change of the rules does, and says so. With
// ORRIMAR_UPDATE_GOLDEN=1 the test writes the file anew instead.

#include "batch/Batch.h"
#include "batch/Signature.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

constexpr int GoldenCharacters = 300;

const std::string GoldenFile = std::string(ORRIMAR_SOURCE_DIR) + "/tests/golden/batch300.txt";

// The page with its date masked: "Generated on <date> by"; and an index's
// style and script, the same on every index, left out.
std::string Masked(std::string page) {
    for (const auto& [open, close] : {std::pair{"<style>", "</style>"}, {"<script>", "</script>"}})
        if (const size_t at = page.find(open), end = page.find(close); at < end)
            page.erase(at + std::string_view(open).size(),
                       end - at - std::string_view(open).size());
    const std::string open = "Generated on ", close = " by ";
    for (size_t at = page.find(open); at != std::string::npos; at = page.find(open, at + 1)) {
        const size_t end = page.find(close, at);
        if (end == std::string::npos) break;
        page.replace(at + open.size(), end - at - open.size(), "DATE");
    }
    return page;
}

// Every career once, the first ones twice, to three hundred characters;
// each career's pages and index under a heading line.
std::string GoldenText() {
    const auto careers = SampleCareers();
    std::string text;
    int made = 0;
    for (int round = 0; made < GoldenCharacters; ++round) {
        for (size_t n = 0; n < careers.size() && made < GoldenCharacters; ++n, ++made) {
            const auto& career = careers[n];
            TempDir out;
            BatchOptions options;
            options.Seed = 9000 + static_cast<uint64_t>(made);
            options.DataDir = SampleDataDir();
            options.OutDir = out.Path();
            options.Race = career.Race;
            options.Service = career.Service;
            options.Branch = career.Branch;
            options.Terms = 1 + made % 7;
            std::ostringstream log;
            if (RunBatch(options, log) != 0) return "batch failed: " + log.str();
            std::vector<std::string> files;
            for (const auto& entry : std::filesystem::directory_iterator(out.Path()))
                files.push_back(entry.path().filename().string());
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
                text += "==> " + career.Race + " " + career.Service + " " + career.Branch + " " +
                        file + "\n" + Masked(out.Read(file));
        }
    }
    return text;
}

}  // namespace

TEST(Golden, SeededBatchPagesStayByteForByte) {
    const std::string actual = GoldenText();
    if (const char* update = std::getenv("ORRIMAR_UPDATE_GOLDEN"); update && *update == '1') {
        std::filesystem::create_directories(std::filesystem::path(GoldenFile).parent_path());
        std::ofstream(GoldenFile, std::ios::binary) << actual;
        GTEST_SKIP() << "written " << GoldenFile;
    }
    std::ifstream in(GoldenFile, std::ios::binary);
    ASSERT_TRUE(in) << GoldenFile << " is missing: run with ORRIMAR_UPDATE_GOLDEN=1";
    std::stringstream expected;
    expected << in.rdbuf();
    if (actual == expected.str()) return;
    // Name the first line that differs, with the page it stands in.
    std::istringstream a(actual), e(expected.str());
    std::string lineA, lineE, page;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreE = static_cast<bool>(std::getline(e, lineE));
        if (moreE && lineE.rfind("==> ", 0) == 0) page = lineE;
        if (!moreA && !moreE) break;
        if (moreA != moreE || lineA != lineE) {
            FAIL() << "line " << line << " (" << page << "):\n expected: " << lineE
                   << "\n   actual: " << lineA;
        }
    }
}

// The behaviour signature bench/batch_bench prints. A commit that changes
// what the program makes says so and updates it; no other commit may.
TEST(Golden, BehaviourSignatureIsPinned) {
    std::string problem;
    EXPECT_EQ(BehaviourSignature(SampleDataDir(), problem), "ee46d7bcff0b183b") << problem;
}
