#include <cstdio>
#include <ostream>

#include "stats/StatsOutput.h"

namespace orrimar {

std::string Decimal(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

namespace {

// `text` padded to `width` columns.
std::string Pad(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void PrintGroupHead(std::ostream& out, const GroupSummary& s) {
    out << "\n== " << s.Race << ", " << s.Service << ": " << s.Finished << " careers";
    const int64_t unfinished = s.Careers - s.Finished - s.Unmatched;
    if (s.Unmatched > 0)
        out << " (" << s.Unmatched << " more not meeting the conditions"
            << (unfinished > 0 ? ", " + std::to_string(unfinished) + " not finished)" : ")");
    else if (unfinished > 0)
        out << " (" << unfinished << " not finished)";
    out << " ==\n";
}

void PrintProblems(std::ostream& out, const GroupSummary& s) {
    for (const auto& [text, n] : s.Problems)
        out << "  data problem met in " << n << (n == 1 ? " career: " : " careers: ") << text
            << "\n";
}

}  // namespace

std::string FigureText(const Figure& f) {
    if (f.What == Figure::Kind::Share) return Decimal(100 * f.Value, 1) + "%";
    return Decimal(f.Value, 2);
}

void PrintStats(std::ostream& out, const StatsRun& run) {
    out << "Statistics of " << run.DataDir << ": " << run.Count
        << " careers of each race and service, seed " << run.Seed << ".\n";
    if (!run.Where.empty()) out << "Counted: the careers meeting " << run.Where << ".\n";
    for (const auto& s : run.Groups) {
        PrintGroupHead(out, s);
        std::string section;
        for (const auto& f : s.Figures) {
            if (f.Section != section) out << (section = f.Section) << ":\n";
            out << "  " << Pad(f.Name, 34) << FigureText(f);
            const auto q = s.Quartiles.find(f.Name);
            if (q != s.Quartiles.end())
                out << "  (quartiles " << Decimal(q->second[0], 0) << ", "
                    << Decimal(q->second[1], 0) << ", " << Decimal(q->second[2], 0) << ")";
            out << "\n";
        }
        PrintProblems(out, s);
    }
    for (const auto& why : run.Skipped) out << "Not played: " << why << "\n";
}

void PrintComparison(std::ostream& out, const StatsRun& a, const StatsRun& b,
                     const std::vector<GroupComparison>& groups) {
    out << "Statistics of " << a.DataDir << " (seed " << a.Seed << ") -> " << b.DataDir << " (seed "
        << b.Seed << "): " << a.Count << " careers of each race and service.\n"
        << "Significant: unlikely to be chance at 99% (two-proportion z-test for shares,\n"
           "Welch's t-test for means, Bonferroni over every figure compared).\n";
    if (!a.Where.empty()) out << "Counted: the careers meeting " << a.Where << ".\n";
    int flagged = 0;
    for (const auto& group : groups) {
        out << "\n== " << group.Race << ", " << group.Service;
        if (!group.A || !group.B) {
            out << ": played only in " << (group.A ? a.DataDir : b.DataDir) << " ==\n";
            continue;
        }
        out << ": " << group.A->Finished << " -> " << group.B->Finished << " careers ==\n";
        std::string section;
        for (const auto& p : group.Pairs) {
            if (p.Section != section) out << (section = p.Section) << ":\n";
            out << "  " << Pad(p.Name, 34) << Pad(p.A ? FigureText(*p.A) : "-", 9) << "-> "
                << Pad(p.B ? FigureText(*p.B) : "-", 9);
            if (p.Tested) {
                const Figure diff{p.Section, p.Name, p.What, p.B->Value - p.A->Value, 0, 0};
                std::string text = FigureText(diff);
                if (text.find_first_not_of("-0.%") == std::string::npos)
                    text = text.substr(text[0] == '-' ? 1 : 0);
                out << (text[0] == '-' ? "" : "+") << text;
                if (p.Significant) {
                    out << "  (significant)";
                    ++flagged;
                }
            }
            out << "\n";
        }
        PrintProblems(out, *group.B);
    }
    out << "\n"
        << (flagged == 0
                ? std::string("No difference")
                : std::to_string(flagged) + (flagged == 1 ? " difference is" : " differences are"))
        << (flagged == 0 ? " is unlikely to be chance.\n" : " unlikely to be chance.\n");
}

}  // namespace orrimar
