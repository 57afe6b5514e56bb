// Sections the loaders never see where the author put them: a [CASCADES]
// section used up as the end of the section before it, a branch reading
// a later branch's [SKILL TABLES], [GRANT], [MUSTER] or examinations
// because its own header is missing, and headers with blanks around them
// or, where they are found as written, in other letters.
#include <algorithm>
#include <array>

#include "check/Lint.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// The lines of the section after the header at `at`, up to the next "[" line.
int SectionSize(const std::vector<std::string>& lines, int at) {
    int n = 0;
    while (at + 1 + n < static_cast<int>(lines.size()) && !StartsWith(lines[at + 1 + n], "[")) ++n;
    return n;
}

// A [CASCADES] section holding lines of which the loader read none; the
// section `before` is read first and ends at line `end`.
void Swallowed(const std::string& file, const std::vector<std::string>& lines, int read, int end,
               const std::string& before, const std::string& hint, std::vector<DataProblem>& out) {
    const int at = LineOf(lines, "[CASCADES]");
    if (at < 0 || read > 0 || SectionSize(lines, at) == 0) return;
    const bool usedUp = end == at;
    Warn(out, file, at + 1,
         "[CASCADES] is never read" +
             std::string(usedUp ? ": the " + before + " ends at it and uses it up, so its " +
                                      std::to_string(SectionSize(lines, at)) +
                                      " cascade lines are lost."
                                : ": the loader looks for it only after the " + before + "."),
         hint);
}

// The branch whose section holds line `at`: the last header at or before it.
const LintBranch* Holder(const std::vector<const LintBranch*>& byPlace, int at) {
    const LintBranch* holder = nullptr;
    for (const LintBranch* b : byPlace)
        if (b->Header <= at) holder = b;
    return holder;
}

void Borrowed(const LintService& s, std::vector<DataProblem>& out) {
    std::vector<const LintBranch*> byPlace;
    for (const auto& b : s.Branches)
        if (b.Header > 0) byPlace.push_back(&b);
    std::sort(byPlace.begin(), byPlace.end(),
              [](const LintBranch* a, const LintBranch* b) { return a->Header < b->Header; });
    const bool merchant = s.Service.Type.Kind == ServiceKind::Merchant;
    for (size_t k = 0; k + 1 < byPlace.size(); ++k) {
        const LintBranch& b = *byPlace[k];
        const int next = byPlace[k + 1]->Header - 1;  // the next branch's "*" line
        // Where the branch's reader found each section, from its header on.
        struct Search {
            const char* Name;
            int At;
        };
        const auto& at = b.Service.BranchAt;
        const std::array<Search, 4> searches = {{
            {"[SKILL TABLES]", at.SkillTables},
            {"[GRANT]", at.Grant},
            {"[MUSTER]", at.Muster},
            // Only merchants take examinations.
            {"examinations", merchant ? at.Qualif : -1},
        }};
        for (const Search& search : searches) {
            if (search.At < next) continue;
            const LintBranch* from = Holder(byPlace, search.At);
            Warn(out, s.File, b.Header,
                 "branch \"" + b.Entry.Key + "\" has no " + search.Name + " of its own and reads " +
                     "branch \"" + (from ? from->Entry.Key : "?") + "\"'s (line " +
                     std::to_string(search.At + 1) + ").",
                 std::string(search.Name) == "[MUSTER]"
                     ? "place the branches with their own [MUSTER] before those without one."
                     : "give every branch its own section; an empty one (the header directly "
                       "followed by the next \"[\" line) is fine.");
        }
    }
}

// How a header is found: as written, in any letters (found from the top of
// a service file), or in any letters in the service's own part but as
// written in a branch's. [QUALIF] and [END OF BRANCH] are found in any
// form or never looked for, so they are not listed.
enum class Found { AsWritten, AnyCase, AnyCaseBeforeBranches };
struct Header {
    const char* Text;
    Found How;
};
constexpr std::array<Header, 11> ServiceHeaders = {{
    {"[ACADEMIC]", Found::AsWritten},
    {"[CASCADES]", Found::AsWritten},
    {"[FILES]", Found::AsWritten},
    {"[RANKS]", Found::AnyCase},
    {"[PLUSEDU]", Found::AnyCase},
    {"[SKILL TABLES]", Found::AnyCaseBeforeBranches},
    {"[MUSTER]", Found::AnyCaseBeforeBranches},
    {"[SCHOOL]", Found::AnyCase},
    {"[COMMAND]", Found::AnyCase},
    {"[GRANT]", Found::AsWritten},
    {"[END OF FILE]", Found::AsWritten},
}};
constexpr std::array<Header, 3> RaceHeaders = {{
    {"[STATS]", Found::AsWritten},
    {"[CASCADES]", Found::AsWritten},
    {"[FILES]", Found::AsWritten},
}};

// Headers the loader does not find as written; `branches` is the line of
// the first branch header.
template <size_t N>
void Misspelt(const std::string& file, const std::vector<std::string>& lines,
              const std::array<Header, N>& headers, int branches, std::vector<DataProblem>& out) {
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[i];
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] != '[') continue;
        for (const Header& h : headers) {
            if (!EqualsNoCase(trimmed, h.Text) || line == h.Text) continue;
            const bool blanks = trimmed != line;
            const bool anyCase =
                h.How == Found::AnyCase || (h.How == Found::AnyCaseBeforeBranches && i < branches);
            if (!blanks && anyCase) continue;
            Warn(out, file, i + 1,
                 "\"" + line + "\" is not found as " + h.Text +
                     (blanks ? ": a header is a whole line, without blanks before or after it."
                             : ": here it is found only written in capitals."),
                 "write the line exactly \"" + std::string(h.Text) + "\".");
        }
    }
}

}  // namespace

void LintSections(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& r : folder.Races) {
        Swallowed(r.File, r.Lines, r.Race.Cascade->Count, r.Race.StatsEnd, "characteristic list",
                  "put the Psionic line, or another section such as [NOTES], between the "
                  "characteristics and [CASCADES].",
                  out);
        Misspelt(r.File, r.Lines, RaceHeaders, 0, out);
    }
    for (const auto& s : folder.Services) {
        Swallowed(s.File, s.Lines, s.Service.Cascade->Count, s.Service.ServiceAt.AcademicEnd,
                  "[ACADEMIC] list",
                  "put [RANKS] between the [ACADEMIC] lines and [CASCADES], as the sample "
                  "services do.",
                  out);
        int branches = static_cast<int>(s.Lines.size());
        for (const auto& b : s.Branches)
            if (b.Header > 0) branches = std::min(branches, b.Header - 1);
        Misspelt(s.File, s.Lines, ServiceHeaders, branches, out);
        Borrowed(s, out);
    }
}

}  // namespace orrimar
