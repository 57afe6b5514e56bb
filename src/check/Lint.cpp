#include "check/Lint.h"

#include <algorithm>

#include "text/Text.h"

namespace orrimar {

namespace {
constexpr size_t MaxNameLength = 60;
}  // namespace

std::vector<DataProblem> LintDataFolder(const LintFolder& folder) {
    std::vector<DataProblem> out;
    for (auto rules : {LintSections, LintAssignments, LintTables, LintNumbers, LintSkills,
                       LintSchools, LintTableWalk, LintCascades})
        rules(folder, out);
    // A file's warnings together and in the order of its lines, whichever
    // family found them.
    std::stable_sort(out.begin(), out.end(), [](const DataProblem& a, const DataProblem& b) {
        return a.File != b.File ? a.File < b.File : a.Line < b.Line;
    });
    return out;
}

void Warn(std::vector<DataProblem>& out, const std::string& file, int line,
          const std::string& message, const std::string& hint) {
    out.push_back({file, line, message, Severity::Warning, hint});
}

int EditDistance(const std::string& a, const std::string& b) {
    const std::string x = LCase(a), y = LCase(b);
    std::vector<int> row(y.size() + 1);
    for (size_t j = 0; j <= y.size(); ++j) row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
        }
    }
    return row[y.size()];
}

std::vector<std::string> NearNames(const std::string& name, const std::set<std::string>& known) {
    const int reach = name.size() <= 4 ? 1 : 2;
    std::vector<std::pair<int, std::string>> near;
    // Longer texts are no skill names, and comparing them costs.
    if (name.size() > MaxNameLength) return {};
    for (const auto& k : known) {
        if (k == name) continue;
        // Lengths further apart than the reach cannot be that close.
        if (std::max(k.size(), name.size()) - std::min(k.size(), name.size()) >
            static_cast<size_t>(reach))
            continue;
        if (const int d = EditDistance(name, k); d <= reach) near.push_back({d, k});
    }
    std::sort(near.begin(), near.end());
    std::vector<std::string> names;
    for (size_t k = 0; k < near.size() && k < 3; ++k) names.push_back(near[k].second);
    return names;
}

std::string DidYouMean(const std::vector<std::string>& names) {
    std::string text;
    for (size_t k = 0; k < names.size(); ++k)
        text += (k == 0 ? "" : k + 1 == names.size() ? " or " : ", ") + ("\"" + names[k] + "\"");
    return text.empty() ? "" : "did you mean " + text + "?";
}

int LineOf(const std::vector<std::string>& lines, const std::string& text, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == text) return i;
    return -1;
}

const SkillTableSet& Tables(const ServiceRecord& service, bool branchTables) {
    return branchTables ? service.BranchSkillTable : service.SkillTable;
}

}  // namespace orrimar
