// Whether a difference between two data folders' figures is unlikely to be
// chance: a two-proportion z-test for shares, Welch's t-test for means,
// two-sided, at 99% for the comparison as a whole (each of the m figures
// tested at 1%/m, Bonferroni), so a folder compared with an unchanged
// copy of itself flags a figure in at most one run in a hundred.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/Tally.h"

namespace orrimar {

// The two-sided p-value of a difference between two figures of one kind.
double ShareP(const Figure& a, const Figure& b);
double MeanP(const Figure& a, const Figure& b);

// One figure of a group on both sides; a side that lacks it holds nothing.
struct FigurePair {
    std::string Section, Name;
    Figure::Kind What = Figure::Kind::Share;
    std::optional<Figure> A, B;
    bool Tested = false;
    double P = 1;
    bool Significant = false;
};

struct GroupComparison {
    std::string Race, Service;
    std::optional<GroupSummary> A, B;
    std::vector<FigurePair> Pairs;
};

inline constexpr double ComparisonLevel = 0.99;

// The groups of both sides, matched by race and service name, each figure
// beside its counterpart, tested as above.
std::vector<GroupComparison> CompareGroups(const std::vector<GroupSummary>& a,
                                           const std::vector<GroupSummary>& b);

}  // namespace orrimar
