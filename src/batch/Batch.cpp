#include "batch/Batch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>
#include <vector>

#include "batch/BatchStop.h"
#include "batch/Cards.h"
#include "batch/CountOf.h"
#include "batch/CsvTable.h"
#include "batch/EarlierBatch.h"
#include "batch/FolderLock.h"
#include "batch/LineFile.h"
#include "batch/Progress.h"
#include "batch/Roster.h"
#include "batch/StatBlock.h"
#include "batch/Where.h"
#include "career/Driver.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"
#include "model/Throws.h"
#include "names/Homeworld.h"
#include "names/Names.h"
#include "output/CharacterJson.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "startup/Files.h"
#include "startup/Fingerprint.h"
#include "startup/Main.h"
#include "startup/Race.h"
#include "startup/Service.h"
#include "startup/Settings.h"
#include "ui/AutoUi.h"

namespace orrimar {

namespace {

// The entries a wanted name picks: those whose display text or key it
// equals (any case), else those holding it, else none; every entry when
// nothing is wanted.
std::vector<int> Candidates(const ChoiceList& list, const std::string& wanted) {
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

}  // namespace

std::string BatchPageName(int n, const std::string& name, const std::string& extension) {
    // The whole number, at least four digits: every character of a batch has
    // a page of its own, however many there are and whatever their names.
    char number[16];
    std::snprintf(number, sizeof number, "%04d", n);
    return std::string(number) + "-" + SafeFileName(name) + "." + extension;
}

std::string CheckWithinTables(const Game& g) {
    const auto& c = g.Character;
    if (c.CurTerm < 1 || c.CurTerm > CharacterRecord::MaxTerm) return "term out of range";
    if (c.CurLine < 0 || c.CurLine > CharacterRecord::MaxYear) return "year out of range";
    if (c.Rank < 0 || c.Rank > CharacterRecord::MaxRank) return "rank out of range";
    if (g.Race.NumStats < 0 || g.Race.NumStats > CharacterRecord::MaxStats)
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

namespace {

// One thread's game: its own answers, dice and data, so characters made on
// several threads come out as they do on one.
struct Worker {
    AutoUi ui;
    SeededDice dice{0};
    Game g{ui, dice};
    std::array<int16_t, CharacterRecord::MaxOptions + 1> options0{};
    // Whether a result gets the roster's columns: only what is written or
    // handed back needs them, and sorting the skills costs a tenth of a
    // character.
    bool describe = true;
    // What a character may be drawn from: the races the wanted name picks
    // that offer what else was asked, and when a service or branch was
    // asked, each race's services (by race) that offer it. One pool for
    // each part of a crew.
    struct Pool {
        std::vector<int> races;
        std::vector<std::vector<int>> services;
    };
    std::vector<Pool> pools;
    // With --explain: the throws of the character being made, and their lines.
    ThrowLog throws;
    std::string explained;
};

// What character `slot` of a crew asks for; `options` itself without a crew.
BatchOptions SlotOptions(const BatchOptions& options, size_t slot) {
    BatchOptions wanted = options;
    if (slot < options.Crew.size()) wanted.Service = options.Crew[slot].Service;
    return wanted;
}

// The services of the race last listed that the wanted service picks and
// that list a branch the wanted branch picks (one open from the start).
std::vector<int> OfferedServices(Game& g, const BatchOptions& options) {
    std::vector<int> services = Candidates(g.ServiceList, options.Service);
    if (options.Branch.empty()) return services;
    std::erase_if(services, [&](int service) {
        const auto lines = ReadLines(
            ResolveNoCase(g.DataLoc, g.ServiceList.Entries[static_cast<size_t>(service)].Key));
        ChoiceList branches;
        for (const auto& entry : ReadBranchEntries(lines ? *lines : std::vector<std::string>{}))
            if (entry.TransferTag < 0 || g.Character.Opt(OptAnyTransfer))
                branches.Entries.push_back({entry.Display, entry.Key});
        return Candidates(branches, options.Branch).empty();
    });
    return services;
}

// The races `options` may draw from; "" or why there are none.
std::string ChooseRaces(Game& g, Worker::Pool& w, const BatchOptions& options) {
    w.races = Candidates(g.RaceList, options.Race);
    if (w.races.empty()) return "no race matches \"" + options.Race + "\"";
    if (options.Service.empty() && options.Branch.empty()) return "";
    w.services.assign(g.RaceList.Entries.size(), {});
    std::erase_if(w.races, [&](int race) {
        ListServices(g, &g.RaceList.Entries[static_cast<size_t>(race)]);
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

// Loads the data folder into a worker; "" or what went wrong.
std::string Prepare(Worker& w, const BatchOptions& options, const ThrowList* throws) {
    w.ui.TargetTerms = std::clamp(options.Terms, 1, CharacterRecord::MaxTerm - 1);
    w.ui.game = &w.g;
    w.dice.Reseed(options.Seed);
    Game& g = w.g;
    SetAppTitle(g);
    g.DataLoc = FindDataFolder(options);
    if (g.DataLoc.empty()) return "no data folder: give --data DIR (a folder holding IMPERIAL.ERI)";
    if (std::string problem = DataFolderProblem(g.DataLoc); !problem.empty())
        return "no data folder: " + problem;
    if (std::string failed = LoadDataFolder(g); !failed.empty()) return failed;
    // The batch plays the folder as it was at the start, the folder its
    // fingerprint names: a file edited meanwhile is not read half-way.
    g.Cache.Settled = true;
    g.Recipe.Data = FingerprintFolder(g.DataLoc);
    if (throws) {
        // Every throw comes from the list; each character's are recorded.
        g.OwnDice = g.Recording = true;
        g.Throws = *throws;
        g.Throws.AskWhenDone = false;
    }
    g.Character.Options[OptAutoGen] = OptOn;
    w.options0 = g.Character.Options;
    if (options.Explain) {
        g.Explain = &w.throws;
        g.ThrowsInJson = true;
        w.throws.Done = [&w](const ExplainedThrow& t) {
            w.explained += "character " + std::to_string(w.g.Recipe.Number) + ": T" +
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

// Unmatched: made, but not meeting --where; nothing is written of it.
enum class Outcome { Made, Failed, Stop, Unmatched };

// Character n: its result, or the message saying why it was not made
// (Stop: no character of the batch can be made).
// Where a character goes: the page and JSON files it writes, the line it
// adds to a JSON Lines stream.
bool WritesPage(const BatchOptions& o) {
    return o.Format == BatchFormat::Html || o.Format == BatchFormat::Both;
}
bool WritesJsonFile(const BatchOptions& o) {
    return o.Format == BatchFormat::Json || o.Format == BatchFormat::Both;
}

Outcome MakeCharacterIn(Worker& w, const BatchOptions& options, const Worker::Pool& pool,
                        const WhereExpr* where, const std::string& outDir, int n,
                        BatchCharacter& result, std::string& message, std::string& line,
                        std::vector<FileText>& files);

// Character n, as crew member `slot` asks and kept only when it meets
// `where` (if given), with the data problems the rules met while it was made
// added to `notes`, and the files it writes to `files`, not yet written.
Outcome MakeCharacter(Worker& w, const BatchOptions& options, size_t slot, const WhereExpr* where,
                      const std::string& outDir, int n, BatchCharacter& result,
                      std::string& message, std::string& line, std::vector<std::string>& notes,
                      std::vector<FileText>& files) {
    w.ui.Messages.clear();
    w.g.ProblemsMet.clear();
    if (options.KeepDieSizes) w.dice.KeepSizes(&result.DieSizes);
    // The options are copied only for a crew's member, which asks for its own service.
    std::optional<BatchOptions> member;
    if (slot < options.Crew.size()) member = SlotOptions(options, slot);
    if (w.g.Explain) w.g.Explain->Clear();
    w.explained.clear();
    Outcome outcome;
    try {
        outcome = MakeCharacterIn(w, member ? *member : options, w.pools[slot], where, outDir, n,
                                  result, message, line, files);
    } catch (const ThrowListEnded& ended) {
        message = "character " + std::to_string(n) + ": " + ended.Message;
        outcome = Outcome::Stop;
    }
    w.dice.KeepSizes(nullptr);
    if (w.g.Explain) w.g.Explain->Finish();
    for (std::string said : w.g.ProblemsMet) {
        std::replace(said.begin(), said.end(), '\n', ' ');
        notes.push_back("character " + std::to_string(n) + " (seed " + std::to_string(result.Seed) +
                        "): " + said);
    }
    return outcome;
}

Outcome MakeCharacterIn(Worker& w, const BatchOptions& options, const Worker::Pool& pool,
                        const WhereExpr* where, const std::string& outDir, int n,
                        BatchCharacter& result, std::string& message, std::string& line,
                        std::vector<FileText>& files) {
    Game& g = w.g;
    result.Seed = options.Seed + static_cast<uint64_t>(n - 1);
    w.dice.Reseed(result.Seed);
    const uint64_t thrownBefore = w.dice.Thrown();
    g.Character.Options = w.options0;
    CareerRecipe& recipe = g.Recipe;
    recipe.Made = CareerRecipe::Kind::Batch;
    recipe.Seeded = true;
    recipe.Seed = result.Seed;
    recipe.WantedRace = options.Race;
    recipe.WantedService = options.Service;
    recipe.WantedBranch = options.Branch;
    recipe.Terms = w.ui.TargetTerms;
    recipe.Number = n;
    recipe.Throws.clear();
    g.Character.BranchOpen = {};
    g.TermWindow = TermWindowModel{};

    // A file its loader refuses is an error like a name that matches
    // nothing: when it was asked for by name, every character would fail
    // the same way, so the batch stops.
    const auto refused = [&](const std::string& wanted) {
        std::string why = w.ui.Messages.empty() ? "" : w.ui.Messages.back();
        std::replace(why.begin(), why.end(), '\n', ' ');
        message = (wanted.empty() ? "character " + std::to_string(n) : "orrimar-cli") + ": " + why;
        return wanted.empty() ? Outcome::Failed : Outcome::Stop;
    };
    const int race = Draw(g, pool.races, options.Race);
    if (!SelectRace(g, race)) return refused(options.Race);
    const int service = Draw(g,
                             pool.services.empty() ? Candidates(g.ServiceList, "")
                                                   : pool.services[static_cast<size_t>(race)],
                             options.Service);
    if (service < 0) {
        message = "character " + std::to_string(n) + ": " + g.Race.Name +
                  " has no service matching \"" + options.Service + "\"";
        return Outcome::Failed;
    }
    if (!SelectServiceForBranch(g, service)) return refused(options.Service);
    const int branch = Draw(g, Candidates(g.BranchList, options.Branch), options.Branch);
    if (branch < 0) {
        message =
            "character " + std::to_string(n) + ": no branch matching \"" + options.Branch + "\"";
        return Outcome::Failed;
    }
    if (!SelectBranch(g, branch)) return refused(options.Branch);
    Generate(g);
    g.StartCharacter = g.Character;
    if (PlayCareer(g) != CareerEnd::Finished) return Outcome::Failed;
    g.Character.Homeworld = MakeHomeworld(g, 2);
    g.Character.Name = MakeName(g, PrepareNames(g));

    result.Name = g.Character.Name;
    result.Race = g.Race.Name;
    result.Service = g.Service.Name;
    result.Branch = g.Service.BranchName;
    result.Terms = g.Character.CurTerm;
    result.Problem = CheckWithinTables(g);
    result.Draws = w.dice.Thrown() - thrownBefore;
    if (where && !Matches(*where, g)) return Outcome::Unmatched;
    if (w.describe) DescribeForRoster(g, result);
    // Nothing is made that is not written.
    if (options.Format == BatchFormat::Jsonl && options.WritePages) line = CharacterJsonLine(g);
    if (options.Format == BatchFormat::Text && options.WritePages) line = StatBlockText(g, result);
    if (options.WritePages && !outDir.empty()) result.Block = StatBlockText(g, result);
    if (!options.WritePages || outDir.empty()) return Outcome::Made;
    if (WritesJsonFile(options)) {
        result.File = BatchPageName(n, g.Character.Name, "json");
        files.push_back({outDir + result.File, CharacterJsonText(g)});
    }
    if (WritesPage(options)) {
        result.File = BatchPageName(n, g.Character.Name);
        const ResumeLayout layout = options.TemplatePath.empty()
                                        ? ResumeLayout::BuiltIn()
                                        : ResumeLayout::Template(options.TemplatePath);
        if (std::string failed = ResumeFiles(g, outDir + result.File, layout, files);
            !failed.empty()) {
            message = "character " + std::to_string(n) + ": " + failed;
            return Outcome::Failed;
        }
    }
    return Outcome::Made;
}

}  // namespace

std::string RemakeBatchCharacter(const BatchOptions& options, int n, const std::vector<int>& throws,
                                 const std::function<void(Game&)>& use) {
    auto w = std::make_unique<Worker>();
    ThrowList list;
    list.Values = throws;
    list.Source = "the recorded throws";
    if (std::string failed = Prepare(*w, options, throws.empty() ? nullptr : &list);
        !failed.empty())
        return failed;
    BatchOptions quiet = options;
    quiet.WritePages = false;
    BatchCharacter result;
    std::string message, line;
    std::vector<std::string> notes;
    std::vector<FileText> files;
    if (MakeCharacter(*w, quiet, 0, nullptr, "", n, result, message, line, notes, files) !=
        Outcome::Made)
        return message.empty() ? "the character could not be made" : message;
    use(w->g);
    return "";
}

std::string PlayBatchGroups(
    const BatchOptions& options, const std::function<void(const std::vector<BatchGroup>&)>& chosen,
    const std::function<void(int job, Game&)>& setup,
    const std::function<void(int job, size_t group, int n, bool finished, const Game&)>& each,
    const std::function<void(size_t group, const std::string&)>& skip,
    const std::atomic<bool>* stop) {
    const auto halted = [stop] { return BatchStopSignal() || (stop && *stop); };
    const int count = std::max(options.Count, 0);
    const int jobs = std::clamp(options.Jobs, 1, std::max(1, std::min(count, MaxBatchJobs)));
    BatchOptions quiet = options;
    quiet.WritePages = false;
    quiet.DiceList.clear();
    std::vector<std::unique_ptr<Worker>> workers;
    for (int k = 0; k < jobs; ++k) {
        workers.push_back(std::make_unique<Worker>());
        if (std::string failed = Prepare(*workers.back(), quiet, nullptr); !failed.empty())
            return failed;
        workers.back()->describe = false;  // what is counted is the game
        setup(k, workers.back()->g);
    }
    std::vector<BatchGroup> groups;
    std::vector<std::pair<int, int>> picks;  // race and service index of each group
    Worker& first = *workers[0];
    // Statistics ask for no crew: the batch's one pool.
    const Worker::Pool& pool = first.pools.at(0);
    for (const int race : pool.races) {
        const auto& raceEntry = first.g.RaceList.Entries[static_cast<size_t>(race)];
        ListServices(first.g, &raceEntry);
        const std::vector<int> services = pool.services.empty()
                                              ? Candidates(first.g.ServiceList, options.Service)
                                              : pool.services[static_cast<size_t>(race)];
        for (const int service : services) {
            const auto& entry = first.g.ServiceList.Entries[static_cast<size_t>(service)];
            groups.push_back({raceEntry.Key, entry.Key, raceEntry.Display, entry.Display});
            picks.emplace_back(race, service);
        }
    }
    if (groups.empty()) return "no race offers a service to play";
    chosen(groups);
    for (size_t group = 0; group < groups.size() && !halted(); ++group) {
        // Each pair is asked for by its keys, which pick exactly that entry.
        quiet.Race = groups[group].RaceKey;
        quiet.Service = groups[group].ServiceKey;
        for (auto& w : workers) {
            Worker::Pool& own = w->pools.at(0);
            own.races = {picks[group].first};
            own.services.assign(w->g.RaceList.Entries.size(), {});
            own.services[static_cast<size_t>(picks[group].first)] = {picks[group].second};
        }
        std::atomic<int> next{1};
        std::string stopped;
        std::mutex stopping;
        const auto work = [&](int job) {
            Worker& w = *workers[static_cast<size_t>(job)];
            while (!halted()) {
                const int n = next++;
                if (n > count) return;
                BatchCharacter result;
                std::string message, line;
                std::vector<std::string> notes;
                std::vector<FileText> files;
                const Outcome outcome =
                    MakeCharacter(w, quiet, 0, nullptr, "", n, result, message, line, notes, files);
                if (outcome == Outcome::Stop) {
                    std::lock_guard<std::mutex> lock(stopping);
                    if (stopped.empty()) stopped = message;
                    next = count + 1;
                    return;
                }
                each(job, group, n, outcome == Outcome::Made, w.g);
            }
        };
        std::vector<std::thread> threads;
        for (int k = 1; k < jobs; ++k) threads.emplace_back(work, k);
        work(0);
        for (auto& thread : threads) thread.join();
        if (!stopped.empty()) skip(group, stopped);
    }
    return BatchStopSignal() ? "stopped by a signal" : halted() ? "stopped" : "";
}

namespace {

// What the characters of a batch say and write, put out in their order
// whatever thread made them, as soon as every earlier one is out; after a
// character that stops the batch, nothing more. Only characters not yet
// out are held, so a batch runs in the same memory whatever its count.
class InOrder {
  public:
    // `fileTable`: the rule files the first JSON line lists for all of them.
    InOrder(std::ostream& log, ScratchFile* notes, ScratchFile* rows, ScratchFile* cards,
            std::ostream* lines, ProgressLine& progress, CsvTable* csv,
            const DataFingerprint* fileTable)
        : log_(log),
          notes_(notes),
          rows_(rows),
          cards_(cards),
          lines_(lines),
          progress_(progress),
          csv_(csv),
          fileTable_(fileTable) {}

    struct Said {
        std::string Message;
        std::vector<std::string> Notes;
        std::string Line;
        std::string Row;        // the index row after its number; empty when not made
        std::string Csv;        // its CSV record; empty when not made or not wanted
        std::string Card;       // its stat block's card; the same
        std::string Explained;  // its throws explained (--explain)
        bool Stops = false;
    };

    void Put(int n, Said said) {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_[n] = std::move(said);
        for (auto it = pending_.find(next_); it != pending_.end(); it = pending_.find(next_)) {
            if (!stopped_) Write(it->second);
            stopped_ = stopped_ || it->second.Stops;
            pending_.erase(it);
            ++next_;
        }
    }

    // The characters in the index so far.
    int Rows() const { return indexed_; }
    // Whether the stream of lines refused one: the batch stops.
    bool LinesFailed() const { return linesFailed_; }

  private:
    void Write(const Said& said) {
        if (!said.Message.empty() || !said.Notes.empty()) progress_.Erase();
        if (!said.Explained.empty()) log_ << said.Explained;
        if (!said.Message.empty()) log_ << said.Message << "\n";
        for (const auto& note : said.Notes) {
            log_ << note << "\n";
            if (notes_) {
                notes_->Write(note);
                notes_->Write("\n");
            }
        }
        if (lines_ && !said.Line.empty()) {
            const bool first = fileTable_ && !tabled_;
            tabled_ = tabled_ || first;
            if (!(*lines_ << (first ? WithFileTable(said.Line, *fileTable_) : said.Line)))
                linesFailed_ = true;
        }
        if (csv_ && !said.Csv.empty()) csv_->Add(said.Csv);
        if (cards_ && !said.Card.empty()) cards_->Write(said.Card);
        if (rows_ && !said.Row.empty()) {
            rows_->Write("<tr><td>");
            rows_->Write(std::to_string(++indexed_));
            rows_->Write(said.Row);
        }
    }

    std::ostream& log_;
    ScratchFile* notes_;
    ScratchFile* rows_;
    ScratchFile* cards_;
    std::ostream* lines_;
    ProgressLine& progress_;
    CsvTable* csv_;
    const DataFingerprint* fileTable_;
    bool tabled_ = false;
    std::mutex mutex_;
    std::map<int, Said> pending_;
    int next_ = 1;
    int indexed_ = 0;
    bool stopped_ = false;
    std::atomic<bool> linesFailed_{false};
};

// Writes `path` whole from a head, what `scratch` holds and a tail; "" or
// what went wrong.
std::string WriteAssembled(const std::string& path, std::string_view head, ScratchFile& scratch,
                           std::string_view tail) {
    AtomicFile file(path);
    file.Write(head);
    file.Write(scratch);
    file.Write(tail);
    return file.Commit();
}

// Writes the characters' files on a thread of its own, so the next
// character is made while the disk takes the last one's. A few characters
// wait at most: a batch runs in the same memory whatever its count.
class PageWriter {
  public:
    struct Job {
        int N = 0;
        BatchCharacter Result;
        InOrder::Said Said;
        std::vector<FileText> Files;
    };
    // Called on the writer's thread for each job once its files are written,
    // with "" or what failed.
    using Done = std::function<void(Job&, const std::string& failed)>;

    explicit PageWriter(Done done) : done_(std::move(done)), thread_([this] { Run(); }) {}
    ~PageWriter() { Close(); }
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    void Push(Job job) {
        std::unique_lock<std::mutex> lock(mutex_);
        room_.wait(lock, [&] { return queue_.size() < Capacity; });
        queue_.push_back(std::move(job));
        ready_.notify_one();
    }

    // Writes what is waiting and ends the thread.
    void Close() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closed_ = true;
        }
        ready_.notify_one();
        if (thread_.joinable()) thread_.join();
    }

  private:
    static constexpr size_t Capacity = 8;

    void Run() {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock, [&] { return closed_ || !queue_.empty(); });
                if (queue_.empty()) return;
                job = std::move(queue_.front());
                queue_.pop_front();
            }
            room_.notify_one();
            // Pages go in by WriteNewFile: a batch writes thousands into one folder.
            done_(job, WriteFiles(job.Files, WriteNewFile));
        }
    }

    Done done_;
    std::mutex mutex_;
    std::condition_variable ready_, room_;
    std::deque<Job> queue_;
    bool closed_ = false;
    std::thread thread_;  // last: it starts once the rest is ready
};

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& log, std::vector<BatchCharacter>* results,
             std::ostream* lines) {
    // A crew's parts, one after the other: character k of the batch is
    // of the part holding k.
    std::vector<int> crewEnds;
    for (const CrewPart& part : options.Crew)
        crewEnds.push_back((crewEnds.empty() ? 0 : crewEnds.back()) + part.Count);
    const int count = crewEnds.empty() ? std::max(options.Count, 0) : crewEnds.back();
    const auto slotOf = [&](int k) {
        return static_cast<size_t>(std::upper_bound(crewEnds.begin(), crewEnds.end(), k - 1) -
                                   crewEnds.begin());
    };
    std::optional<WhereExpr> where;
    if (!options.Where.empty()) {
        std::string problem;
        where = ParseWhere(options.Where, problem);
        if (!where) {
            log << "orrimar-cli: --where \"" << options.Where << "\": " << problem << "\n";
            return 1;
        }
    }
    // A search keeps the first characters meeting --where, seed after seed:
    // which those are is known in order only, so it runs on one thread.
    const bool searching = where.has_value();
    const int maxTries = std::max(options.MaxTries, 1);
    std::optional<ThrowList> throws;
    if (!options.DiceList.empty()) {
        std::string problem;
        throws = ReadThrowList(options.DiceList, problem);
        if (!throws) {
            log << "orrimar-cli: " << problem << "\n";
            return 1;
        }
    }
    // A list of throws is used in order, so its characters are made one by one.
    const int jobs = throws || searching
                         ? 1
                         : std::clamp(options.Jobs, 1, std::max(1, std::min(count, MaxBatchJobs)));
    std::vector<std::unique_ptr<Worker>> workers;
    for (int k = 0; k < jobs; ++k) {
        workers.push_back(std::make_unique<Worker>());
        if (std::string failed = Prepare(*workers.back(), options, throws ? &*throws : nullptr);
            !failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
        workers.back()->describe = options.WritePages || results != nullptr;
    }
    if (std::string problem;
        !options.TemplatePath.empty() && !ReadTemplate(options.TemplatePath, problem)) {
        log << "orrimar-cli: " << problem << "\n";
        return 1;
    }
    // JSON Lines and stat blocks are a stream: into one file, or standard output.
    const bool jsonLines =
        options.Format == BatchFormat::Jsonl || options.Format == BatchFormat::Text;
    // CSV goes into the file --out names once the batch is done.
    const bool csvOut = options.Format == BatchFormat::Csv && options.WritePages;
    const bool intoFolder = !jsonLines && !csvOut && options.WritePages && !options.OutDir.empty();
    const char* streamName = options.Format == BatchFormat::Text ? "stat blocks" : "JSON Lines";
    const bool toFile =
        jsonLines && options.WritePages && !options.OutDir.empty() && options.OutDir != "-";
    if (std::error_code ec; toFile && std::filesystem::is_directory(options.OutDir, ec)) {
        log << "orrimar-cli: " << options.OutDir << " is a folder: " << streamName
            << " go into a file (or to standard output with --out -)\n";
        return 1;
    }
    if (std::error_code ec; csvOut && (options.OutDir.empty() || options.OutDir == "-" ||
                                       std::filesystem::is_directory(options.OutDir, ec))) {
        log << "orrimar-cli: CSV goes into a file: give --out FILE\n";
        return 1;
    }
    if (intoFolder && !MakeFolder(options.OutDir)) {
        log << "orrimar-cli: cannot create the folder " << options.OutDir << "\n";
        return 1;
    }
    const std::string outDir = intoFolder ? WithTrailingSlash(options.OutDir) : "";
    // The folder is this batch's until it ends, and holds no other batch.
    std::optional<FolderLock> lock;
    if (intoFolder) {
        lock.emplace(outDir);
        if (!lock->Held()) {
            log << "orrimar-cli: " << lock->Problem() << "\n";
            return 1;
        }
        if (std::string failed = ClearEarlierBatch(outDir, options.ReplaceBatch); !failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }

    // JSON Lines go to standard output, or to a file that replaces an
    // earlier one only when the batch is done.
    std::optional<LineFile> lineFile;
    if (toFile) {
        lineFile.emplace(options.OutDir);
        if (!lineFile->CanWrite()) {
            log << "orrimar-cli: cannot write " << options.OutDir << "\n";
            return 1;
        }
    }
    std::ostream* lineOut = !jsonLines || !options.WritePages ? nullptr
                            : toFile                          ? &*lineFile
                                                              : lines;
    // What the rules said in play and the index's rows wait in scratch
    // files beside the pages until the batch is done.
    std::optional<ScratchFile> notes, rows, cards;
    if (intoFolder) {
        notes.emplace(outDir);
        rows.emplace(outDir);
        cards.emplace(outDir);
        if (!notes->IsOpen() || !rows->IsOpen() || !cards->IsOpen()) {
            log << "orrimar-cli: cannot write in the folder " << outDir << "\n";
            return 1;
        }
    }
    // A spreadsheet's copy of the roster: index.csv beside the pages, or the CSV file.
    std::optional<CsvTable> csv;
    if (intoFolder || csvOut) {
        csv.emplace();
        if (!csv->IsOpen()) {
            log << "orrimar-cli: cannot make a scratch file for the CSV\n";
            return 1;
        }
    }
    const std::string version = HtmlEscape(ProgramVersionText());
    const std::string fingerprint = HtmlEscape(workers[0]->g.Recipe.Data.Short());

    // Results are kept only for the caller: a batch runs in the same
    // memory whatever its count.
    const bool keep = results != nullptr;
    std::map<int, BatchCharacter> made;
    std::mutex madeMutex;

    constexpr int NoStop = std::numeric_limits<int>::max();
    std::atomic<int> next{1}, generated{0}, failures{0}, stopAt{NoStop}, tried{0}, matched{0};
    ProgressLine progress(log, options.Progress, count, searching);
    InOrder out(log, notes ? &*notes : nullptr, rows ? &*rows : nullptr, cards ? &*cards : nullptr,
                lineOut, progress, csv ? &*csv : nullptr,
                options.Format == BatchFormat::Jsonl ? &workers[0]->g.Recipe.Data : nullptr);
    // What a character came to, once its files, if any, are written.
    const auto finish = [&](int n, Outcome outcome, BatchCharacter& result, InOrder::Said& said) {
        if (outcome == Outcome::Unmatched) said = {};
        said.Stops = outcome == Outcome::Stop;
        if (outcome != Outcome::Made) said.Line.clear();
        if (outcome == Outcome::Made && intoFolder)
            said.Row = RosterRowAfterNumber(result, version, fingerprint);
        if (outcome == Outcome::Made && intoFolder) said.Card = CardHtml(result);
        if (outcome == Outcome::Made && csv)
            said.Csv = CsvRecord(result, ProgramVersionText(), workers[0]->g.Recipe.Data.Short());
        out.Put(n, std::move(said));
        if (outcome == Outcome::Failed) ++failures;
        if (outcome != Outcome::Made) return;
        ++generated;
        if (keep) {
            std::lock_guard<std::mutex> hold(madeMutex);
            made[n] = std::move(result);
        }
    };
    std::optional<PageWriter> writer;
    if (intoFolder)
        writer.emplace([&](PageWriter::Job& job, const std::string& failed) {
            if (!failed.empty())
                job.Said.Message = "character " + std::to_string(job.N) + ": " + failed;
            finish(job.N, failed.empty() ? Outcome::Made : Outcome::Failed, job.Result, job.Said);
        });
    const auto work = [&](Worker& w) {
        // A stop (a signal, lines refused) is seen before a number is
        // taken: every character taken is finished, so the index has no gap.
        while (!BatchStopSignal() && !out.LinesFailed()) {
            // A search is on one thread: what it matched so far is settled.
            if (searching && matched >= count) return;
            const int n = next++;
            if (n > (searching ? maxTries : count) || n >= stopAt) return;
            BatchCharacter result;
            InOrder::Said said;
            std::vector<FileText> files;
            const Outcome outcome = MakeCharacter(w, options, slotOf(searching ? matched + 1 : n),
                                                  searching ? &*where : nullptr, outDir, n, result,
                                                  said.Message, said.Line, said.Notes, files);
            said.Explained = std::move(w.explained);
            ++tried;
            if (outcome == Outcome::Made) ++matched;
            progress.Update(tried, matched);
            if (outcome == Outcome::Made && !files.empty()) {
                writer->Push({n, std::move(result), std::move(said), std::move(files)});
                continue;
            }
            finish(n, outcome, result, said);
            if (outcome == Outcome::Stop) {
                for (int at = stopAt; n < at && !stopAt.compare_exchange_weak(at, n);) {
                }
                return;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < jobs; ++k) threads.emplace_back(work, std::ref(*workers[k]));
    work(*workers[0]);
    for (auto& thread : threads) thread.join();
    if (writer) writer->Close();
    progress.Erase();

    const int signal = BatchStopSignal();
    const char* signalName = signal == SIGINT    ? "SIGINT"
                             : signal == SIGTERM ? "SIGTERM"
                                                 : "a signal";
    if (lineOut && !lineOut->flush()) {
        // The temporary file, if any, goes with the stream.
        log << "orrimar-cli: cannot write the " << streamName << " "
            << (toFile ? "to " + options.OutDir : std::string("to standard output")) << "\n";
        return 1;
    }
    if (toFile) {
        if (stopAt != NoStop) return 1;
        if (signal) {
            log << "orrimar-cli: stopped by " << signalName << " after "
                << CountOf(generated, "character") << "; " << options.OutDir
                << " is left as it was.\n";
            return 128 + signal;
        }
        if (std::string failed = lineFile->Commit(); !failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }
    if (stopAt != NoStop) return 1;
    // A CSV file stopped part way is not put in place.
    if (csvOut && signal) {
        log << "orrimar-cli: stopped by " << signalName << " after "
            << CountOf(generated, "character") << "; " << options.OutDir << " is left as it was.\n";
        return 128 + signal;
    }
    if (csv) {
        AtomicFile file(intoFolder ? outDir + "index.csv" : options.OutDir);
        std::string failed = csv->WriteTo([&](std::string_view text) { file.Write(text); })
                                 ? file.Commit()
                                 : "cannot read back the CSV's scratch file";
        if (!failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }

    if (intoFolder) {
        std::string failed = WriteAssembled(
            outDir + "index.htm", RosterHead(out.Rows(), options.Seed), *rows, RosterTail());
        if (failed.empty())
            failed = WriteAssembled(outDir + "cards.htm", CardsHead(out.Rows(), options.Seed),
                                    *cards, CardsTail());
        if (failed.empty())
            failed = WriteAssembled(outDir + "batch.log",
                                    "Batch seed " + std::to_string(options.Seed) + ", " +
                                        CountOf(generated, "character") + ".\n",
                                    *notes, "");
        if (!failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }
    if (results) {
        results->clear();
        for (auto& [n, character] : made) results->push_back(std::move(character));
    }
    if (signal) log << "orrimar-cli: stopped by " << signalName << ": ";
    log << CountOf(generated, "character") << " generated";
    if (searching) log << " of " << tried << " made";
    if (intoFolder) log << " in " << outDir << " (index.htm)";
    if (toFile || csvOut) log << " into " << options.OutDir;
    log << ", seed " << options.Seed << ".\n";
    if (signal) return 128 + signal;
    if (searching && matched < count) {
        log << "orrimar-cli: --where \"" << options.Where << "\": " << tried
            << " characters tried (--max-tries " << maxTries << "), " << matched << " matched, "
            << count << " wanted.\n";
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace orrimar
