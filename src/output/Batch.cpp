#include "output/Batch.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

#include "career/Driver.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"
#include "names/Homeworld.h"
#include "names/Names.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "startup/Files.h"
#include "startup/Main.h"
#include "startup/Settings.h"
#include "ui/AutoUi.h"

namespace orrimar {

namespace {

// The entry whose display text or key contains `wanted` (any case), or a
// throw of the dice among all entries when nothing is wanted; -1 when none.
int Choose(Game& g, const ChoiceList& list, const std::string& wanted) {
    const int n = static_cast<int>(list.Entries.size());
    if (n == 0) return -1;
    if (wanted.empty()) return g.dice.Roll(n) - 1;
    for (int i = 0; i < n; ++i) {
        if (EqualsNoCase(list.Entries[i].Display, wanted) ||
            EqualsNoCase(list.Entries[i].Key, wanted))
            return i;
    }
    for (int i = 0; i < n; ++i) {
        if (ContainsNoCase(list.Entries[i].Display, wanted) ||
            ContainsNoCase(list.Entries[i].Key, wanted))
            return i;
    }
    return -1;
}

std::string FindDataFolder(const BatchOptions& options) {
    std::string dir = options.DataDir;
    if (dir.empty()) dir = ReadIniValue("orrimar.ini", "dataloc");
    return dir.empty() ? "" : AddBackslash(dir);
}

std::string IndexPage(const std::vector<BatchCharacter>& done, const BatchOptions& options) {
    std::vector<std::string> lines = {
        "<html>",
        "<head>",
        "<meta charset=\"ISO-8859-1\">",
        "<title>Astrovane characters</title>",
        "</head>",
        "<body>",
        "<h1>Astrovane characters</h1>",
        "<p>" + std::to_string(done.size()) + " characters, batch seed " +
            std::to_string(options.Seed) + ".</p>",
        "<table border=\"1\">",
        "<tr><th>#</th><th>Name</th><th>Race</th><th>Service</th><th>Branch</th>"
        "<th>Terms</th><th>Seed</th></tr>"};
    int n = 0;
    for (const auto& c : done) {
        ++n;
        lines.push_back("<tr><td>" + std::to_string(n) + "</td><td><a href=\"" +
                        HtmlEscape(c.File) + "\">" +
                        HtmlEscape(c.Name.empty() ? "(unnamed)" : c.Name) + "</a></td><td>" +
                        HtmlEscape(c.Race) + "</td><td>" + HtmlEscape(c.Service) + "</td><td>" +
                        HtmlEscape(c.Branch) + "</td><td>" + std::to_string(c.Terms) + "</td><td>" +
                        std::to_string(c.Seed) + "</td></tr>");
    }
    lines.insert(lines.end(), {"</table>", "</body>", "</html>"});
    return JoinLinesCrLf(lines);
}

}  // namespace

std::string BatchPageName(int n, const std::string& name) {
    // The whole number, at least four digits: every character of a batch has
    // a page of its own, however many there are and whatever their names.
    char number[16];
    std::snprintf(number, sizeof number, "%04d", n);
    return std::string(number) + "-" + SafeFileName(name) + ".htm";
}

std::string CheckWithinTables(const Game& g) {
    const auto& c = g.Character;
    if (c.CurTerm < 1 || c.CurTerm > CharacterRecord::MaxTerm) return "term out of range";
    if (c.CurLine < 0 || c.CurLine > CharacterRecord::MaxYear) return "year out of range";
    if (c.Rank < 0 || c.Rank > CharacterRecord::MaxRank) return "rank out of range";
    if (g.Race.NumStats < 0 || g.Race.NumStats > CharacterRecord::MaxStats)
        return "characteristic count out of range";
    bool free = false;
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const bool empty = Trim(c.Skills[i].Name).empty();
        if (!empty && free) return "a skill after a free slot";
        free = free || empty;
        for (int j = 1; j < i && !empty; ++j)
            if (Trim(c.Skills[j].Name) == Trim(c.Skills[i].Name)) return "a skill twice";
    }
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i)
        if (c.BenefitCount[i] < 0) return "a negative benefit count";
    if (c.Clearance.size() != 1) return "clearance is not one character";
    return "";
}

int RunBatch(const BatchOptions& options, std::ostream& log, std::vector<BatchCharacter>* results) {
    AutoUi ui;
    ui.TargetTerms = std::clamp(options.Terms, 1, CharacterRecord::MaxTerm - 1);
    SeededDice dice(options.Seed);
    Game g(ui, dice);
    ui.game = &g;
    SetAppTitle(g);
    g.DataLoc = FindDataFolder(options);
    if (g.DataLoc.empty() || !FileExistsNoCase(g.DataLoc, "IMPERIAL.ERI")) {
        log << "orrimar-cli: no data folder: give --data DIR (a folder holding IMPERIAL.ERI)\n";
        return 1;
    }
    if (const std::string failed = LoadDataFolder(g); !failed.empty()) {
        log << "orrimar-cli: " << failed << "\n";
        return 1;
    }
    if (std::string problem;
        !options.TemplatePath.empty() && !ReadTemplate(options.TemplatePath, problem)) {
        log << "orrimar-cli: " << problem << "\n";
        return 1;
    }
    if (options.WritePages && !options.OutDir.empty() && !MakeFolder(options.OutDir)) {
        log << "orrimar-cli: cannot create the folder " << options.OutDir << "\n";
        return 1;
    }
    g.Character.Options[OptAutoGen] = OptOn;
    const auto options0 = g.Character.Options;

    const std::string outDir = options.OutDir.empty() ? "" : AddBackslash(options.OutDir);
    std::vector<BatchCharacter> done;
    int generated = 0;
    int failures = 0;
    for (int n = 1; n <= options.Count; ++n) {
        BatchCharacter result;
        result.Seed = options.Seed + static_cast<uint64_t>(n - 1);
        dice.Reseed(result.Seed);
        const uint64_t thrownBefore = dice.Thrown();
        g.Character.Options = options0;
        g.Character.BranchOpen = {};
        g.TermWindow = TermWindowModel{};

        // A file its loader refuses is an error like a name that matches
        // nothing: when it was asked for by name, every character would
        // fail the same way, so the batch stops at once.
        const auto refused = [&](const std::string& wanted) {
            std::string why = ui.Messages.empty() ? "" : ui.Messages.back();
            std::replace(why.begin(), why.end(), '\n', ' ');
            log << (wanted.empty() ? "character " + std::to_string(n) : "orrimar-cli") << ": "
                << why << "\n";
            return !wanted.empty();
        };
        const int race = Choose(g, g.RaceList, options.Race);
        if (race < 0) {
            log << "orrimar-cli: no race matches \"" << options.Race << "\"\n";
            return 1;
        }
        if (!SelectRace(g, race)) {
            if (refused(options.Race)) return 1;
            ++failures;
            continue;
        }
        const int service = Choose(g, g.ServiceList, options.Service);
        if (service < 0) {
            log << "character " << n << ": " << g.Race.Name << " has no service matching \""
                << options.Service << "\"\n";
            ++failures;
            continue;
        }
        if (!SelectService(g, service)) {
            if (refused(options.Service)) return 1;
            ++failures;
            continue;
        }
        const int branch = Choose(g, g.BranchList, options.Branch);
        if (branch < 0) {
            log << "character " << n << ": no branch matching \"" << options.Branch << "\"\n";
            ++failures;
            continue;
        }
        if (!SelectBranch(g, branch)) {
            if (refused(options.Branch)) return 1;
            ++failures;
            continue;
        }
        Generate(g);
        g.StartCharacter = g.Character;
        if (PlayCareer(g) != CareerEnd::Finished) {
            ++failures;
            continue;
        }
        g.Character.Homeworld = MakeHomeworld(g, 2);
        g.Character.Name = MakeName(g, PrepareNames(g));

        result.Name = g.Character.Name;
        result.Race = g.Race.Name;
        result.Service = g.Service.Name;
        result.Branch = g.Service.BranchName;
        result.Terms = g.Character.CurTerm;
        result.Problem = CheckWithinTables(g);
        result.Draws = dice.Thrown() - thrownBefore;
        if (options.WritePages && !outDir.empty()) {
            result.File = BatchPageName(n, g.Character.Name);
            const std::string footer =
                "Batch character " + std::to_string(n) + ", seed " + std::to_string(result.Seed) +
                " (orrimar-cli --auto --count 1 --seed " + std::to_string(result.Seed) +
                " with the same race, service, branch and terms)";
            const ResumeLayout layout = options.TemplatePath.empty()
                                            ? ResumeLayout::BuiltIn()
                                            : ResumeLayout::Template(options.TemplatePath);
            const std::string failed = WriteResume(g, outDir + result.File, layout, footer);
            if (!failed.empty()) {
                log << "character " << n << ": " << failed << "\n";
                ++failures;
                continue;
            }
        }
        // Results are kept only for the index page or the caller: a batch
        // without pages runs in the same memory whatever its count.
        ++generated;
        if (results || (options.WritePages && !outDir.empty())) done.push_back(result);
    }
    if (results) *results = done;
    if (options.WritePages && !outDir.empty()) {
        const std::string failed = WriteFileAtomic(outDir + "index.htm", IndexPage(done, options));
        if (!failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }
    log << generated << " characters generated";
    if (!outDir.empty() && options.WritePages) log << " in " << outDir << " (index.htm)";
    log << ", seed " << options.Seed << ".\n";
    return failures == 0 ? 0 : 1;
}

}  // namespace orrimar
