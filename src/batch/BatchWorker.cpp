#include "batch/BatchWorker.h"

#include <algorithm>
#include <optional>

#include "batch/Roster.h"
#include "batch/StatBlock.h"
#include "batch/Where.h"
#include "career/Driver.h"
#include "data/Fingerprint.h"
#include "data/Race.h"
#include "data/Service.h"
#include "model/Generate.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "names/Homeworld.h"
#include "names/Names.h"
#include "output/CharacterJson.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "session/Main.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

std::vector<int> PickedEntries(const ChoiceList& list, const std::string& wanted) {
    const int n = static_cast<int>(list.Entries.size());
    std::vector<int> equal, holding;
    // Asked for every character: the list is made in one allocation.
    equal.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto& entry = list.Entries[i];
        if (wanted.empty() || EqualsNoCase(entry.Display, wanted) ||
            EqualsNoCase(entry.Key, wanted))
            equal.push_back(i);
        else if (ContainsNoCase(entry.Display, wanted) || ContainsNoCase(entry.Key, wanted))
            holding.push_back(i);
    }
    return equal.empty() ? holding : equal;
}

namespace {

// One of the candidates: thrown for when nothing was wanted (even among
// one, as the dice sequences of saved characters expect) or several
// entries hold the name; -1 when none.
int Draw(Game& g, const std::vector<int>& candidates, const std::string& wanted) {
    const int n = static_cast<int>(candidates.size());
    if (n == 0) return -1;
    if (n == 1 && !wanted.empty()) return candidates[0];
    return candidates[static_cast<size_t>(g.dice.Roll(n) - 1)];
}

std::string FindDataFolder(const BatchOptions& options) {
    std::string dir = options.DataDir;
    if (dir.empty()) dir = ReadIniValue("orrimar.ini", "dataloc");
    return dir.empty() ? "" : WithTrailingSlash(dir);
}

// What character `slot` of a crew asks for; `options` itself without a crew.
BatchOptions SlotOptions(const BatchOptions& options, size_t slot) {
    BatchOptions wanted = options;
    if (slot < options.Crew.size()) wanted.Service = options.Crew[slot].Service;
    return wanted;
}

// The services of the race last listed that the wanted service picks and
// that list a branch the wanted branch picks (one open from the start).
std::vector<int> OfferedServices(const Game& g, const BatchOptions& options) {
    std::vector<int> services = PickedEntries(g.windows.ServiceList, options.Service);
    if (options.Branch.empty()) return services;
    std::erase_if(services, [&](int service) {
        const auto lines = ReadLines(ResolveNoCase(
            g.session.DataLoc, g.windows.ServiceList.Entries[static_cast<size_t>(service)].Key));
        ChoiceList branches;
        for (const auto& entry : ReadBranchEntries(lines ? *lines : std::vector<std::string>{}))
            if (entry.TransferTag < 0 || g.career.Character.Opt(OptAnyTransfer))
                branches.Entries.push_back({entry.Display, entry.Key});
        return PickedEntries(branches, options.Branch).empty();
    });
    return services;
}

// The races `options` may draw from; "" or why there are none.
std::string ChooseRaces(Game& g, BatchWorker::Pool& w, const BatchOptions& options) {
    w.races = PickedEntries(g.windows.RaceList, options.Race);
    if (w.races.empty()) return "no race matches \"" + options.Race + "\"";
    if (options.Service.empty() && options.Branch.empty()) return "";
    w.services.assign(g.windows.RaceList.Entries.size(), {});
    std::erase_if(w.races, [&](int race) {
        ListServices(g, &g.windows.RaceList.Entries[static_cast<size_t>(race)]);
        w.services[static_cast<size_t>(race)] = OfferedServices(g, options);
        return w.services[static_cast<size_t>(race)].empty();
    });
    if (!w.races.empty()) return "";
    return (options.Race.empty() ? std::string("no race")
                                 : "no race matching \"" + options.Race + "\"") +
           " offers " +
           (options.Service.empty() ? std::string("a service")
                                    : "a service matching \"" + options.Service + "\"") +
           (options.Branch.empty() ? "" : " with a branch matching \"" + options.Branch + "\"");
}

// Where a character goes: the page and JSON files it writes.
bool WritesPage(const BatchOptions& o) {
    return o.Format == BatchFormat::Html || o.Format == BatchFormat::Both;
}
bool WritesJsonFile(const BatchOptions& o) {
    return o.Format == BatchFormat::Json || o.Format == BatchFormat::Both;
}

// Sets the worker's game for character n: its dice, options and recipe.
void StartCharacter(BatchWorker& w, const BatchOptions& options, int n, uint64_t seed) {
    Game& g = w.g;
    g.career.Character.Options = w.options0;
    CareerRecipe& recipe = g.career.Recipe;
    recipe.Made = CareerRecipe::Kind::Batch;
    recipe.Seeded = true;
    recipe.Seed = seed;
    recipe.WantedRace = options.Race;
    recipe.WantedService = options.Service;
    recipe.WantedBranch = options.Branch;
    recipe.Terms = w.ui.TargetTerms;
    recipe.Number = n;
    recipe.Throws.clear();
    g.career.Character.BranchOpen = {};
    g.windows.TermWindow = TermWindowModel{};
}

// Draws character n's race, service and branch from the pool and selects
// them; Made when they are, else why not in `message`.
BatchOutcome ChooseCareer(BatchWorker& w, const BatchOptions& options,
                          const BatchWorker::Pool& pool, int n, std::string& message) {
    Game& g = w.g;
    // A file its loader refuses is an error like a name that matches
    // nothing: when it was asked for by name, every character would fail
    // the same way, so the batch stops.
    const auto refused = [&](const std::string& wanted) {
        std::string why = w.ui.Messages.empty() ? "" : w.ui.Messages.back();
        std::replace(why.begin(), why.end(), '\n', ' ');
        message = (wanted.empty() ? "character " + std::to_string(n) : "orrimar-cli") + ": " + why;
        return wanted.empty() ? BatchOutcome::Failed : BatchOutcome::Stop;
    };
    const int race = Draw(g, pool.races, options.Race);
    if (!SelectRace(g, race)) return refused(options.Race);
    const int service = Draw(g,
                             pool.services.empty() ? PickedEntries(g.windows.ServiceList, "")
                                                   : pool.services[static_cast<size_t>(race)],
                             options.Service);
    if (service < 0) {
        message = "character " + std::to_string(n) + ": " + g.rules.Race.Name +
                  " has no service matching \"" + options.Service + "\"";
        return BatchOutcome::Failed;
    }
    if (!SelectServiceForBranch(g, service)) return refused(options.Service);
    const int branch = Draw(g, PickedEntries(g.windows.BranchList, options.Branch), options.Branch);
    if (branch < 0) {
        message =
            "character " + std::to_string(n) + ": no branch matching \"" + options.Branch + "\"";
        return BatchOutcome::Failed;
    }
    if (!SelectBranchOfNewService(g, branch)) return refused(options.Branch);
    return BatchOutcome::Made;
}

// What the finished character of `g` came to.
void RecordResult(const Game& g, BatchCharacter& result) {
    result.Name = g.career.Character.Name;
    result.Race = g.rules.Race.Name;
    result.Service = g.rules.Service.Name;
    result.Branch = g.rules.Service.BranchName;
    result.Terms = g.career.Character.CurTerm;
    result.Problem = CheckWithinTables(g);
}

// What is written of character n: its stream's line, its card's block and
// its files; Failed when a page cannot be made.
BatchOutcome WriteUp(Game& g, const BatchOptions& options, const std::string& outDir, int n,
                     BatchCharacter& result, std::string& message, std::string& line,
                     std::vector<FileText>& files) {
    // Nothing is made that is not written.
    if (options.Format == BatchFormat::Jsonl && options.WritePages) line = CharacterJsonLine(g);
    if (options.Format == BatchFormat::Text && options.WritePages)
        line = StatBlockText(g.career, result);
    if (options.WritePages && !outDir.empty()) result.Block = StatBlockText(g.career, result);
    if (!options.WritePages || outDir.empty()) return BatchOutcome::Made;
    if (WritesJsonFile(options)) {
        result.File = BatchPageName(n, g.career.Character.Name, "json");
        files.push_back({outDir + result.File, CharacterJsonText(g)});
    }
    if (WritesPage(options)) {
        result.File = BatchPageName(n, g.career.Character.Name);
        const ResumeLayout layout = options.TemplatePath.empty()
                                        ? ResumeLayout::BuiltIn()
                                        : ResumeLayout::Template(options.TemplatePath);
        if (std::string failed = ResumeFiles(g, outDir + result.File, layout, files);
            !failed.empty()) {
            message = "character " + std::to_string(n) + ": " + failed;
            return BatchOutcome::Failed;
        }
    }
    return BatchOutcome::Made;
}

// Character n: its result, or the message saying why it was not made.
BatchOutcome MakeCharacterIn(BatchWorker& w, const BatchOptions& options,
                             const BatchWorker::Pool& pool, const WhereExpr* where,
                             const std::string& outDir, int n, BatchCharacter& result,
                             std::string& message, std::string& line,
                             std::vector<FileText>& files) {
    Game& g = w.g;
    result.Seed = options.Seed + static_cast<uint64_t>(n - 1);
    w.dice.Reseed(result.Seed);
    const uint64_t thrownBefore = w.dice.Thrown();
    StartCharacter(w, options, n, result.Seed);
    if (const BatchOutcome chosen = ChooseCareer(w, options, pool, n, message);
        chosen != BatchOutcome::Made)
        return chosen;
    Generate(g);
    g.career.StartCharacter = g.career.Character;
    if (PlayCareer(g) != CareerEnd::Finished) return BatchOutcome::Failed;
    g.career.Character.Homeworld = MakeHomeworld(g, 2);
    g.career.Character.Name = MakeName(g, PrepareNames(g.rules));
    RecordResult(g, result);
    result.Draws = w.dice.Thrown() - thrownBefore;
    if (where && !Matches(*where, g)) return BatchOutcome::Unmatched;
    if (w.describe) DescribeForRoster(g, result);
    return WriteUp(g, options, outDir, n, result, message, line, files);
}

}  // namespace

std::string BatchPageName(int n, const std::string& name, const std::string& extension) {
    // The whole number, at least four digits: every character of a batch has
    // a page of its own, however many there are and whatever their names.
    char number[16];
    std::snprintf(number, sizeof number, "%04d", n);
    return std::string(number) + "-" + SafeFileName(name) + "." + extension;
}

std::string CheckWithinTables(const Game& g) {
    const auto& c = g.career.Character;
    if (c.CurTerm < 1 || c.CurTerm > CharacterRecord::MaxTerm) return "term out of range";
    if (c.CurLine < 0 || c.CurLine > CharacterRecord::MaxYear) return "year out of range";
    if (c.Rank < 0 || c.Rank > CharacterRecord::MaxRank) return "rank out of range";
    if (StatCount(g) < 0 || StatCount(g) > CharacterRecord::MaxStats)
        return "characteristic count out of range";
    // Every batch character is checked: each name is trimmed once.
    std::array<std::string_view, CharacterRecord::MaxSkills + 1> names{};
    int held = 0;
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const std::string_view name = TrimView(c.Skills[i].Name);
        if (name.empty()) continue;
        if (held != i - 1) return "a skill after a free slot";
        for (int j = 1; j <= held; ++j)
            if (names[j] == name) return "a skill twice";
        names[++held] = name;
    }
    for (int i = 1; i <= CharacterRecord::MaxBenefits; ++i)
        if (c.BenefitCount[i] < 0) return "a negative benefit count";
    if (c.Clearance.size() != 1) return "clearance is not one character";
    return "";
}

std::string PrepareWorker(BatchWorker& w, const BatchOptions& options, const ThrowList* throws) {
    w.ui.TargetTerms = std::clamp(options.Terms, 1, CharacterRecord::MaxTerm - 1);
    w.ui.game = &w.g;
    w.dice.Reseed(options.Seed);
    Game& g = w.g;
    SetAppTitle(g.session);
    g.session.DataLoc = FindDataFolder(options);
    if (g.session.DataLoc.empty())
        return "no data folder: give --data DIR (a folder holding IMPERIAL.ERI)";
    if (std::string problem = DataFolderProblem(g.session.DataLoc); !problem.empty())
        return "no data folder: " + problem;
    if (std::string failed = LoadDataFolder(g); !failed.empty()) return failed;
    // The batch plays the folder as it was at the start, the folder its
    // fingerprint names: a file edited meanwhile is not read half-way.
    LoadedRules(g).Cache.Settled = true;
    g.career.Recipe.Data = FingerprintFolder(g.session.DataLoc);
    if (throws) {
        // Every throw comes from the list; each character's are recorded.
        g.session.OwnDice = g.career.Recording = true;
        g.session.Throws = *throws;
        g.session.Throws.AskWhenDone = false;
    }
    g.career.Character.Options[OptAutoGen] = OptOn;
    w.options0 = g.career.Character.Options;
    if (options.Explain) {
        g.career.Explain = &w.throws;
        g.session.ThrowsInJson = true;
        w.throws.Done = [&w](const ExplainedThrow& t) {
            w.explained += "character " + std::to_string(w.g.career.Recipe.Number) + ": T" +
                           std::to_string(t.Term) + " Y" + std::to_string(t.Year) + " " +
                           ThrowText(t) + "\n";
        };
    }
    w.pools.assign(std::max<size_t>(options.Crew.size(), 1), {});
    for (size_t slot = 0; slot < w.pools.size(); ++slot)
        if (std::string failed = ChooseRaces(g, w.pools[slot], SlotOptions(options, slot));
            !failed.empty())
            return failed;
    return "";
}

BatchOutcome MakeBatchCharacter(BatchWorker& w, const BatchOptions& options, size_t slot,
                                const WhereExpr* where, const std::string& outDir, int n,
                                BatchCharacter& result, std::string& message, std::string& line,
                                std::vector<std::string>& notes, std::vector<FileText>& files) {
    w.ui.Messages.clear();
    w.g.career.ProblemsMet.clear();
    if (options.KeepDieSizes) w.dice.KeepSizes(&result.DieSizes);
    // The options are copied only for a crew's member, which asks for its own service.
    std::optional<BatchOptions> member;
    if (slot < options.Crew.size()) member = SlotOptions(options, slot);
    if (w.g.career.Explain) w.g.career.Explain->Clear();
    w.explained.clear();
    BatchOutcome outcome;
    try {
        outcome = MakeCharacterIn(w, member ? *member : options, w.pools[slot], where, outDir, n,
                                  result, message, line, files);
    } catch (const ThrowListEnded& ended) {
        message = "character " + std::to_string(n) + ": " + ended.Message;
        outcome = BatchOutcome::Stop;
    }
    w.dice.KeepSizes(nullptr);
    if (w.g.career.Explain) w.g.career.Explain->Finish();
    for (std::string said : w.g.career.ProblemsMet) {
        std::replace(said.begin(), said.end(), '\n', ' ');
        notes.push_back("character " + std::to_string(n) + " (seed " + std::to_string(result.Seed) +
                        "): " + said);
    }
    return outcome;
}

}  // namespace orrimar
