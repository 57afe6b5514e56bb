// The statistics' arithmetic: quartiles and spread of counted samples, and
// the significance tests a comparison of two data folders makes.
#include <gtest/gtest.h>

#include "stats/Significance.h"
#include "stats/Tally.h"

using namespace orrimar;

TEST(Stats, CountsGiveMeanSpreadAndQuartiles) {
    Counts c;
    for (int v : {4, 1, 3, 2}) c.Add(v);
    c.Add(10, 0);  // a value no career had counts for nothing
    EXPECT_EQ(c.N(), 4);
    EXPECT_DOUBLE_EQ(c.Mean(), 2.5);
    EXPECT_NEAR(c.Sd(), 1.2909944, 1e-6);
    EXPECT_EQ(c.Quantile(0.25), 1);
    EXPECT_EQ(c.Quantile(0.5), 2);
    EXPECT_EQ(c.Quantile(0.75), 3);
    EXPECT_EQ(c.Quantile(1), 4);
}

// Known values: a z of 3.4035 for 81.2% against 74.9% of 1000 each; t =
// 2.228 at 10 degrees of freedom (Welch's, from two samples of six with
// equal spread) is the 5% point; at large samples t is normal.
TEST(Stats, SignificanceTestsGiveKnownPValues) {
    const auto share = [](double p, int64_t n) {
        return Figure{"", "", Figure::Kind::Share, p, 0, n};
    };
    const auto mean = [](double m, double sd, int64_t n) {
        return Figure{"", "", Figure::Kind::Mean, m, sd, n};
    };
    EXPECT_NEAR(ShareP(share(0.812, 1000), share(0.749, 1000)), 6.65e-4, 0.1e-4);
    EXPECT_DOUBLE_EQ(ShareP(share(0.5, 100), share(0.5, 100)), 1);
    EXPECT_DOUBLE_EQ(ShareP(share(0, 100), share(0, 50)), 1);  // none on either side
    EXPECT_NEAR(MeanP(mean(0, 1, 6), mean(2.228 * std::sqrt(2.0 / 6), 1, 6)), 0.05, 5e-4);
    EXPECT_NEAR(MeanP(mean(0, 1, 100000), mean(2.5758 * std::sqrt(2.0 / 100000), 1, 100000)), 0.01,
                1e-4);
    // Unequal spreads: Welch's degrees of freedom (22.9), not the pooled test's (p 0.11).
    EXPECT_NEAR(MeanP(mean(0, 1, 5), mean(3, 4, 20)), 0.00641, 1e-4);
    EXPECT_DOUBLE_EQ(MeanP(mean(3, 0, 10), mean(4, 0, 10)), 0);  // every career alike
    EXPECT_DOUBLE_EQ(MeanP(mean(3, 0, 10), mean(3, 0, 10)), 1);
}

// Each figure is tested at 1% over the number compared: a p of 0.005 is
// flagged alone, not among four.
TEST(Stats, ComparisonCorrectsForTheNumberOfFigures) {
    const auto group = [](std::vector<double> shares) {
        GroupSummary s;
        s.Race = "Race";
        s.Service = "Service";
        s.Finished = 1000;
        for (size_t i = 0; i < shares.size(); ++i)
            s.Figures.push_back(
                {"Survival", std::to_string(i), Figure::Kind::Share, shares[i], 0, 1000});
        return s;
    };
    // 50% against 56.2% of 1000: p about 0.005.
    const auto alone = CompareGroups({group({0.5})}, {group({0.562})});
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_NEAR(alone[0].Pairs[0].P, 0.005, 0.001);
    EXPECT_TRUE(alone[0].Pairs[0].Significant);
    const auto four = CompareGroups({group({0.5, 0.5, 0.5, 0.5})}, {group({0.562, 0.5, 0.5, 0.5})});
    EXPECT_FALSE(four[0].Pairs[0].Significant);
    // A final rank one side never reached is a share of 0 there, and tested.
    GroupSummary a = group({}), b = group({});
    b.Figures.push_back({"Final rank", "O9", Figure::Kind::Share, 0.05, 0, 1000});
    const auto ranks = CompareGroups({a}, {b});
    ASSERT_EQ(ranks[0].Pairs.size(), 1u);
    EXPECT_TRUE(ranks[0].Pairs[0].Tested);
    EXPECT_TRUE(ranks[0].Pairs[0].Significant);
}
