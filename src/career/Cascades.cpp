#include "career/Cascades.h"

#include "data/Service.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// The lines of `name` in the data folder; nothing, with `failure` saying
// why (with its line where a line is at fault), when it cannot be used.
std::optional<std::vector<std::string>> ReadFolderFile(const SessionPart& session,
                                                       const std::string& name,
                                                       const std::string& what,
                                                       std::string& failure) {
    DataProblem problem;
    auto path = FindFileNoCase(session.DataLoc, name);
    auto lines = path ? ReadDataFile(*path, what, problem) : std::nullopt;
    if (!lines)
        failure = problem.Line > 0 ? problem.Text()
                                   : "The " + what + " " + name + " is missing or unreadable in " +
                                         session.DataLoc;
    return lines;
}

}  // namespace

std::string LoadCascades(Game& g) {
    std::string failure;
    const auto lines = ReadFolderFile(g.session, "cascade.dat", "cascade file", failure);
    return lines ? ReadCascadeText(LoadedRules(g), *lines) : failure;
}

std::string ReadCascadeText(RulesPart& rules, const std::vector<std::string>& lines) {
    int n = 0;
    for (const auto& line : lines) {
        if (line == "* END *") break;
        if (n == 250) return "cascade.dat:251: more than 250 cascade lines.";
        rules.StdCascade[++n] = line;
    }
    // Without cascades every group name a career gains stays unresolved.
    if (n == 0) return "cascade.dat:1: the file holds no cascades.";
    rules.StdCascade.Count = n;
    return "";
}

std::string LoadCoyns(Game& g) {
    std::string failure;
    const auto lines = ReadFolderFile(g.session, "COYNS.DAT", "coin file", failure);
    return lines ? ReadCoynsText(LoadedRules(g), *lines) : failure;
}

std::string ReadCoynsText(RulesPart& rules, const std::vector<std::string>& lines) {
    if (lines.size() < 36)
        return "COYNS.DAT holds " + std::to_string(lines.size()) + " lines; it needs 36.";
    for (int i = 1; i <= 36; ++i) rules.Coyns[i] = lines[i - 1];
    return "";
}

bool CascadeLineNames(std::string_view line, std::string_view name) {
    return StartsWith(line, name) && !(name == "SPACE" && StartsWith(line, "SPACE C"));
}

namespace {
template <size_t N>
std::optional<std::string> Search(const CountedLines<N>& table, std::string_view name) {
    const int count = table.Size();
    // Every gain searches the tables line by line: a line whose first letter
    // differs is passed over before any comparison.
    const char first = name.empty() ? '\0' : name[0];
    for (int i = 1; i <= count; ++i) {
        const std::string& line = table[i];
        if (!name.empty() && (line.empty() || line[0] != first)) continue;
        if (CascadeLineNames(line, name)) return Mid(line, name.size() + 2);
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::string> FindCascade(const RulesPart& rules, std::string_view name) {
    if (auto found = Search(*rules.Service.Cascade, name)) return found;
    if (auto found = Search(*rules.Race.Cascade, name)) return found;
    return Search(rules.StdCascade, name);
}

void ShowCoyns(Game& g) {
    ThrowFor(g, "the coin");
    const std::string& coin = g.rules.Coyns[RollDice(g, 1, 36)];
    ExplainOutcome(g, coin);
    std::string mark;
    if (coin == UCase(coin)) mark = "(+)";
    if (coin == LCase(coin)) mark = "(-)";
    std::string text = "Coyn: " + UCase(Left(coin, 1)) + LCase(Mid(coin, 2)) + mark + "  ";
    AddHistory(g, text);
}

}  // namespace orrimar
