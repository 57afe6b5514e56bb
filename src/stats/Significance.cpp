#include "stats/Significance.h"

#include <cmath>
#include <limits>
#include <map>

namespace orrimar {

namespace {

// The continued fraction of the regularised incomplete beta function.
double BetaFraction(double a, double b, double x) {
    constexpr double Tiny = 1e-300;
    double c = 1, d = 1 - (a + b) * x / (a + 1);
    if (std::fabs(d) < Tiny) d = Tiny;
    d = 1 / d;
    double h = d;
    for (int m = 1; m <= 300; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((a + m2 - 1) * (a + m2));
        d = 1 + aa * d;
        if (std::fabs(d) < Tiny) d = Tiny;
        c = 1 + aa / c;
        if (std::fabs(c) < Tiny) c = Tiny;
        d = 1 / d;
        h *= d * c;
        aa = -(a + m) * (a + b + m) * x / ((a + m2) * (a + m2 + 1));
        d = 1 + aa * d;
        if (std::fabs(d) < Tiny) d = Tiny;
        c = 1 + aa / c;
        if (std::fabs(c) < Tiny) c = Tiny;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-14) break;
    }
    return h;
}

// I_x(a, b).
double IncompleteBeta(double a, double b, double x) {
    if (x <= 0) return 0;
    if (x >= 1) return 1;
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) +
                                  a * std::log(x) + b * std::log1p(-x));
    if (x < (a + 1) / (a + b + 2)) return front * BetaFraction(a, b, x) / a;
    return 1 - front * BetaFraction(b, a, 1 - x) / b;
}

// The two-sided p-value of Student's t with `df` degrees of freedom.
double StudentP(double t, double df) {
    return IncompleteBeta(df / 2, 0.5, df / (df + t * t));
}

}  // namespace

double ShareP(const Figure& a, const Figure& b) {
    if (a.N == 0 || b.N == 0) return 1;
    const double na = static_cast<double>(a.N), nb = static_cast<double>(b.N);
    const double pooled = (a.Value * na + b.Value * nb) / (na + nb);
    const double se = std::sqrt(pooled * (1 - pooled) * (1 / na + 1 / nb));
    if (se == 0) return 1;  // both sides all or none
    const double z = (a.Value - b.Value) / se;
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

double MeanP(const Figure& a, const Figure& b) {
    if (a.N < 2 || b.N < 2) return 1;
    const double va = a.Sd * a.Sd / static_cast<double>(a.N);
    const double vb = b.Sd * b.Sd / static_cast<double>(b.N);
    // Every career alike on both sides: any difference is no chance.
    if (va + vb == 0) return a.Value == b.Value ? 1 : 0;
    const double t = (a.Value - b.Value) / std::sqrt(va + vb);
    const double df =
        (va + vb) * (va + vb) /
        (va * va / static_cast<double>(a.N - 1) + vb * vb / static_cast<double>(b.N - 1));
    return StudentP(t, df);
}

std::vector<GroupComparison> CompareGroups(const std::vector<GroupSummary>& a,
                                           const std::vector<GroupSummary>& b) {
    std::vector<GroupComparison> groups;
    std::map<std::pair<std::string, std::string>, size_t> at;
    const auto group = [&](const GroupSummary& s) -> GroupComparison& {
        const auto [it, added] = at.try_emplace({s.Race, s.Service}, groups.size());
        if (added) groups.push_back({s.Race, s.Service, {}, {}, {}});
        return groups[it->second];
    };
    for (const auto& s : a) group(s).A = s;
    for (const auto& s : b) group(s).B = s;
    size_t tested = 0;
    for (auto& g : groups) {
        std::map<std::pair<std::string, std::string>, size_t> pairAt;
        const auto put = [&](const std::optional<GroupSummary>& side, bool first) {
            if (!side) return;
            for (const auto& f : side->Figures) {
                const auto [it, added] = pairAt.try_emplace({f.Section, f.Name}, g.Pairs.size());
                if (added) g.Pairs.push_back({f.Section, f.Name, f.What, {}, {}, false, 1, false});
                (first ? g.Pairs[it->second].A : g.Pairs[it->second].B) = f;
            }
        };
        put(g.A, true);
        put(g.B, false);
        if (!g.A || !g.B) continue;
        for (auto& p : g.Pairs) {
            // A rank, table or school one side never reached was reached by
            // none of its careers; a skill outside one side's fifteen is unknown.
            if (p.What == Figure::Kind::Share && p.Section != "Skills" && p.Section != "Survival") {
                if (!p.A) p.A = Figure{p.Section, p.Name, p.What, 0, 0, g.A->Finished};
                if (!p.B) p.B = Figure{p.Section, p.Name, p.What, 0, 0, g.B->Finished};
            }
            if (!p.A || !p.B) continue;
            p.Tested = true;
            p.P = p.What == Figure::Kind::Share ? ShareP(*p.A, *p.B) : MeanP(*p.A, *p.B);
            ++tested;
        }
    }
    const double alpha = (1 - ComparisonLevel) / static_cast<double>(std::max<size_t>(tested, 1));
    for (auto& g : groups)
        for (auto& p : g.Pairs) p.Significant = p.Tested && p.P < alpha;
    return groups;
}

}  // namespace orrimar
