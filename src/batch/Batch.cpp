#include "batch/Batch.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "batch/BatchStop.h"
#include "batch/BatchWorker.h"
#include "batch/CardsOutput.h"
#include "batch/CountOf.h"
#include "batch/CsvOutput.h"
#include "batch/EarlierBatch.h"
#include "batch/FolderLock.h"
#include "batch/InOrder.h"
#include "batch/LineFile.h"
#include "batch/PageWriter.h"
#include "batch/Progress.h"
#include "batch/RosterOutput.h"
#include "batch/StreamOutput.h"
#include "batch/Where.h"
#include "data/Fingerprint.h"
#include "data/Service.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "model/Throws.h"
#include "output/CharacterJson.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "text/Files.h"

namespace orrimar {

std::string RemakeBatchCharacter(const BatchOptions& options, int n, const std::vector<int>& throws,
                                 const std::function<void(Game&)>& use) {
    auto w = std::make_unique<BatchWorker>();
    ThrowList list;
    list.Values = throws;
    list.Source = "the recorded throws";
    if (std::string failed = PrepareWorker(*w, options, throws.empty() ? nullptr : &list);
        !failed.empty())
        return failed;
    BatchOptions quiet = options;
    quiet.WritePages = false;
    BatchCharacter result;
    std::string message, line;
    std::vector<std::string> notes;
    std::vector<FileText> files;
    if (MakeBatchCharacter(*w, quiet, 0, nullptr, "", n, result, message, line, notes, files) !=
        BatchOutcome::Made)
        return message.empty() ? "the character could not be made" : message;
    use(w->g);
    return "";
}

namespace {

// The race and service pairs the batch's one pool offers (statistics ask
// for no crew), with the race and service index of each.
std::vector<BatchGroup> ListGroups(BatchWorker& first, const BatchOptions& options,
                                   std::vector<std::pair<int, int>>& picks) {
    std::vector<BatchGroup> groups;
    const BatchWorker::Pool& pool = first.pools.at(0);
    for (const int race : pool.races) {
        const auto& raceEntry = first.g.windows.RaceList.Entries[static_cast<size_t>(race)];
        ListServices(first.g, &raceEntry);
        const std::vector<int> services =
            pool.services.empty() ? PickedEntries(first.g.windows.ServiceList, options.Service)
                                  : pool.services[static_cast<size_t>(race)];
        for (const int service : services) {
            const auto& entry = first.g.windows.ServiceList.Entries[static_cast<size_t>(service)];
            groups.push_back({raceEntry.Key, entry.Key, raceEntry.Display, entry.Display});
            picks.emplace_back(race, service);
        }
    }
    return groups;
}

// Plays characters 1..count of one group on the workers' threads, handing
// each to `each`; "" or what stopped the group's characters.
std::string PlayGroup(
    std::vector<std::unique_ptr<BatchWorker>>& workers, const BatchOptions& quiet, int count,
    size_t group, const std::function<bool()>& halted,
    const std::function<void(int job, size_t group, int n, bool finished, const Game&)>& each) {
    std::atomic<int> next{1};
    std::string stopped;
    std::mutex stopping;
    const auto work = [&](int job) {
        BatchWorker& w = *workers[static_cast<size_t>(job)];
        while (!halted()) {
            const int n = next++;
            if (n > count) return;
            BatchCharacter result;
            std::string message, line;
            std::vector<std::string> notes;
            std::vector<FileText> files;
            const BatchOutcome outcome = MakeBatchCharacter(w, quiet, 0, nullptr, "", n, result,
                                                            message, line, notes, files);
            if (outcome == BatchOutcome::Stop) {
                std::lock_guard<std::mutex> lock(stopping);
                if (stopped.empty()) stopped = message;
                next = count + 1;
                return;
            }
            each(job, group, n, outcome == BatchOutcome::Made, w.g);
        }
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < static_cast<int>(workers.size()); ++k) threads.emplace_back(work, k);
    work(0);
    for (auto& thread : threads) thread.join();
    return stopped;
}

}  // namespace

std::string PlayBatchGroups(
    const BatchOptions& options, const std::function<void(const std::vector<BatchGroup>&)>& chosen,
    const std::function<void(int job, Game&)>& setup,
    const std::function<void(int job, size_t group, int n, bool finished, const Game&)>& each,
    const std::function<void(size_t group, const std::string&)>& skip,
    const std::atomic<bool>* stop) {
    const std::function<bool()> halted = [stop] { return BatchStopSignal() || (stop && *stop); };
    const int count = std::max(options.Count, 0);
    const int jobs = std::clamp(options.Jobs, 1, std::max(1, std::min(count, MaxBatchJobs)));
    BatchOptions quiet = options;
    quiet.WritePages = false;
    quiet.DiceList.clear();
    std::vector<std::unique_ptr<BatchWorker>> workers;
    for (int k = 0; k < jobs; ++k) {
        workers.push_back(std::make_unique<BatchWorker>());
        if (std::string failed = PrepareWorker(*workers.back(), quiet, nullptr); !failed.empty())
            return failed;
        workers.back()->describe = false;  // what is counted is the game
        setup(k, workers.back()->g);
    }
    std::vector<std::pair<int, int>> picks;
    const std::vector<BatchGroup> groups = ListGroups(*workers[0], options, picks);
    if (groups.empty()) return "no race offers a service to play";
    chosen(groups);
    for (size_t group = 0; group < groups.size() && !halted(); ++group) {
        // Each pair is asked for by its keys, which pick exactly that entry.
        quiet.Race = groups[group].RaceKey;
        quiet.Service = groups[group].ServiceKey;
        for (auto& w : workers) {
            BatchWorker::Pool& own = w->pools.at(0);
            own.races = {picks[group].first};
            own.services.assign(w->g.windows.RaceList.Entries.size(), {});
            own.services[static_cast<size_t>(picks[group].first)] = {picks[group].second};
        }
        if (std::string stopped = PlayGroup(workers, quiet, count, group, halted, each);
            !stopped.empty())
            skip(group, stopped);
    }
    return BatchStopSignal() ? "stopped by a signal" : halted() ? "stopped" : "";
}

namespace {

constexpr int NoStop = std::numeric_limits<int>::max();

// What a batch is to make: how many, of which crew member each, kept when
// they meet what (--where), with which dice, on how many threads.
struct BatchPlan {
    int count = 0;
    // A crew's parts, one after the other: character k of the batch is
    // of the part holding k.
    std::vector<int> crewEnds;
    std::optional<WhereExpr> where;
    int maxTries = 1;
    std::optional<ThrowList> throws;
    int jobs = 1;

    // A search keeps the first characters meeting --where, seed after seed:
    // which those are is known in order only, so it runs on one thread.
    bool Searching() const { return where.has_value(); }
    size_t SlotOf(int k) const {
        return static_cast<size_t>(std::upper_bound(crewEnds.begin(), crewEnds.end(), k - 1) -
                                   crewEnds.begin());
    }
};

// "" or why the batch cannot start.
std::string PlanBatch(const BatchOptions& options, BatchPlan& plan) {
    for (const CrewPart& part : options.Crew)
        plan.crewEnds.push_back((plan.crewEnds.empty() ? 0 : plan.crewEnds.back()) + part.Count);
    plan.count = plan.crewEnds.empty() ? std::max(options.Count, 0) : plan.crewEnds.back();
    if (!options.Where.empty()) {
        std::string problem;
        plan.where = ParseWhere(options.Where, problem);
        if (!plan.where) return "--where \"" + options.Where + "\": " + problem;
    }
    plan.maxTries = std::max(options.MaxTries, 1);
    if (!options.DiceList.empty()) {
        std::string problem;
        plan.throws = ReadThrowList(options.DiceList, problem);
        if (!plan.throws) return problem;
    }
    // A list of throws is used in order, so its characters are made one by one.
    plan.jobs = plan.throws || plan.Searching()
                    ? 1
                    : std::clamp(options.Jobs, 1, std::max(1, std::min(plan.count, MaxBatchJobs)));
    return "";
}

// Each thread's game, loaded; "" or what went wrong.
std::string PrepareWorkers(const BatchOptions& options, const BatchPlan& plan, bool describe,
                           std::vector<std::unique_ptr<BatchWorker>>& workers) {
    for (int k = 0; k < plan.jobs; ++k) {
        workers.push_back(std::make_unique<BatchWorker>());
        if (std::string failed =
                PrepareWorker(*workers.back(), options, plan.throws ? &*plan.throws : nullptr);
            !failed.empty())
            return failed;
        workers.back()->describe = describe;
    }
    return "";
}

// What a batch writes, opened before its first character is made.
struct BatchOutputs {
    // JSON Lines and stat blocks are a stream: into one file, or standard output.
    bool streamed = false;
    // CSV goes into the file --out names once the batch is done.
    bool csvOut = false;
    bool intoFolder = false;
    bool toFile = false;  // the stream goes into a file
    const char* streamName = "";
    std::string outDir;
    // The folder is this batch's until it ends, and holds no other batch.
    std::optional<FolderLock> lock;
    // The stream's file replaces an earlier one only when the batch is done.
    std::optional<LineFile> lineFile;
    // What the rules said in play waits in a scratch file beside the pages
    // until the batch is done (batch.log).
    std::optional<ScratchFile> notes;
    std::unique_ptr<StreamOutput> stream;
    std::unique_ptr<CsvOutput> csv;
    std::unique_ptr<RosterOutput> roster;
    std::unique_ptr<CardsOutput> cards;

    // In the order they are put in place.
    std::vector<BatchOutput*> All() const {
        std::vector<BatchOutput*> all;
        for (BatchOutput* output : std::initializer_list<BatchOutput*>{stream.get(), csv.get(),
                                                                       roster.get(), cards.get()})
            if (output) all.push_back(output);
        return all;
    }
};

// Where the batch's outputs go, and whether they can; "" or what is wrong.
std::string ChooseOutputs(const BatchOptions& options, BatchOutputs& o) {
    o.streamed = options.Format == BatchFormat::Jsonl || options.Format == BatchFormat::Text;
    o.csvOut = options.Format == BatchFormat::Csv && options.WritePages;
    o.intoFolder = !o.streamed && !o.csvOut && options.WritePages && !options.OutDir.empty();
    o.streamName = options.Format == BatchFormat::Text ? "stat blocks" : "JSON Lines";
    o.toFile = o.streamed && options.WritePages && !options.OutDir.empty() && options.OutDir != "-";
    if (std::error_code ec; o.toFile && std::filesystem::is_directory(options.OutDir, ec))
        return options.OutDir + " is a folder: " + o.streamName +
               " go into a file (or to standard output with --out -)";
    if (std::error_code ec; o.csvOut && (options.OutDir.empty() || options.OutDir == "-" ||
                                         std::filesystem::is_directory(options.OutDir, ec)))
        return "CSV goes into a file: give --out FILE";
    if (o.intoFolder && !MakeFolder(options.OutDir))
        return "cannot create the folder " + options.OutDir;
    o.outDir = o.intoFolder ? WithTrailingSlash(options.OutDir) : "";
    if (o.intoFolder) {
        o.lock.emplace(o.outDir);
        if (!o.lock->Held()) return o.lock->Problem();
        if (std::string failed = ClearEarlierBatch(o.outDir, options.ReplaceBatch); !failed.empty())
            return failed;
    }
    return "";
}

// Opens the batch's outputs; standard output's stream is `lines`. "" or
// what is wrong.
std::string OpenOutputs(const BatchOptions& options, std::ostream* lines,
                        const DataFingerprint& data, BatchOutputs& o) {
    if (std::string problem = ChooseOutputs(options, o); !problem.empty()) return problem;
    if (o.toFile) {
        o.lineFile.emplace(options.OutDir);
        if (!o.lineFile->CanWrite()) return "cannot write " + options.OutDir;
    }
    std::ostream* stream = !o.streamed || !options.WritePages ? nullptr
                           : o.toFile                         ? &*o.lineFile
                                                              : lines;
    if (stream)
        o.stream =
            std::make_unique<StreamOutput>(*stream, o.toFile ? &*o.lineFile : nullptr,
                                           options.Format == BatchFormat::Jsonl ? &data : nullptr);
    if (o.intoFolder) {
        o.notes.emplace(o.outDir);
        o.roster = std::make_unique<RosterOutput>(
            o.outDir, options.Seed, HtmlEscape(ProgramVersionText()), HtmlEscape(data.Short()));
        o.cards = std::make_unique<CardsOutput>(o.outDir, options.Seed);
        if (!o.notes->IsOpen() || !o.roster->IsOpen() || !o.cards->IsOpen())
            return "cannot write in the folder " + o.outDir;
    }
    // A spreadsheet's copy of the roster: index.csv beside the pages, or the CSV file.
    if (o.intoFolder || o.csvOut) {
        o.csv = std::make_unique<CsvOutput>(o.intoFolder ? o.outDir + "index.csv" : options.OutDir,
                                            data.Short());
        if (!o.csv->IsOpen()) return "cannot make a scratch file for the CSV";
    }
    return "";
}

// How far a batch got, counted as its characters are finished.
struct BatchCounts {
    std::atomic<int> next{1}, generated{0}, failures{0}, stopAt{NoStop}, tried{0}, matched{0};
};

// Makes the characters on the workers' threads, each handed once made (and
// its files written) to `out` in its order; kept in `made` when given. A
// stop (a signal, a character no other can follow, an output refusing
// one) ends it after the characters under way.
void MakeCharacters(const BatchOptions& options, const BatchPlan& plan,
                    std::vector<std::unique_ptr<BatchWorker>>& workers, const BatchOutputs& outputs,
                    InOrder& out, ProgressLine& progress, BatchCounts& counts,
                    std::map<int, BatchCharacter>* made) {
    const std::vector<BatchOutput*> all = outputs.All();
    std::mutex madeMutex;
    // What a character came to, once its files, if any, are written.
    const auto finish = [&](int n, BatchOutcome outcome, BatchCharacter& result,
                            InOrder::Said& said) {
        if (outcome == BatchOutcome::Unmatched) said = {};
        said.Stops = outcome == BatchOutcome::Stop;
        if (outcome != BatchOutcome::Made) said.Line.clear();
        if (outcome == BatchOutcome::Made)
            for (const BatchOutput* output : all)
                said.Texts.push_back(output->Of(result, said.Line));
        out.Put(n, std::move(said));
        if (outcome == BatchOutcome::Failed) ++counts.failures;
        if (outcome != BatchOutcome::Made) return;
        ++counts.generated;
        if (made) {
            std::lock_guard<std::mutex> hold(madeMutex);
            (*made)[n] = std::move(result);
        }
    };
    std::optional<PageWriter> writer;
    if (outputs.intoFolder)
        writer.emplace([&](PageWriter::Job& job, const std::string& failed) {
            if (!failed.empty())
                job.Said.Message = "character " + std::to_string(job.N) + ": " + failed;
            finish(job.N, failed.empty() ? BatchOutcome::Made : BatchOutcome::Failed, job.Result,
                   job.Said);
        });
    const bool searching = plan.Searching();
    const auto work = [&](BatchWorker& w) {
        // A stop (a signal, lines refused) is seen before a number is
        // taken: every character taken is finished, so the index has no gap.
        while (!BatchStopSignal() && !out.Refused()) {
            // A search is on one thread: what it matched so far is settled.
            if (searching && counts.matched >= plan.count) return;
            const int n = counts.next++;
            if (n > (searching ? plan.maxTries : plan.count) || n >= counts.stopAt) return;
            BatchCharacter result;
            InOrder::Said said;
            std::vector<FileText> files;
            const BatchOutcome outcome =
                MakeBatchCharacter(w, options, plan.SlotOf(searching ? counts.matched + 1 : n),
                                   searching ? &*plan.where : nullptr, outputs.outDir, n, result,
                                   said.Message, said.Line, said.Notes, files);
            said.Explained = std::move(w.explained);
            ++counts.tried;
            if (outcome == BatchOutcome::Made) ++counts.matched;
            progress.Update(counts.tried, counts.matched);
            if (outcome == BatchOutcome::Made && !files.empty()) {
                writer->Push({n, std::move(result), std::move(said), std::move(files)});
                continue;
            }
            finish(n, outcome, result, said);
            if (outcome == BatchOutcome::Stop) {
                for (int at = counts.stopAt;
                     n < at && !counts.stopAt.compare_exchange_weak(at, n);) {
                }
                return;
            }
        }
    };
    std::vector<std::thread> threads;
    for (size_t k = 1; k < workers.size(); ++k) threads.emplace_back(work, std::ref(*workers[k]));
    work(*workers[0]);
    for (auto& thread : threads) thread.join();
    if (writer) writer->Close();
    progress.Erase();
}

// Puts what the batch wrote in place and says how it went; the exit status.
// The characters kept in `made` go to `results`, when given, once every
// output is in place.
int FinishBatch(const BatchOptions& options, const BatchPlan& plan, BatchOutputs& outputs,
                const BatchCounts& counts, std::ostream& log, std::map<int, BatchCharacter>& made,
                std::vector<BatchCharacter>* results) {
    const int signal = BatchStopSignal();
    const char* signalName = signal == SIGINT    ? "SIGINT"
                             : signal == SIGTERM ? "SIGTERM"
                                                 : "a signal";
    if (outputs.stream && !outputs.stream->Flush()) {
        // The temporary file, if any, goes with the stream.
        log << "orrimar-cli: cannot write the " << outputs.streamName << " "
            << (outputs.toFile ? "to " + options.OutDir : std::string("to standard output"))
            << "\n";
        return 1;
    }
    if (counts.stopAt != NoStop) return 1;
    // A stream's file or a CSV file stopped part way is not put in place.
    if (signal && (outputs.toFile || outputs.csvOut)) {
        log << "orrimar-cli: stopped by " << signalName << " after "
            << CountOf(counts.generated, "character") << "; " << options.OutDir
            << " is left as it was.\n";
        return 128 + signal;
    }
    for (BatchOutput* output : outputs.All())
        if (std::string failed = output->Finish(); !failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    if (outputs.intoFolder) {
        if (std::string failed =
                WriteAssembled(outputs.outDir + "batch.log",
                               "Batch seed " + std::to_string(options.Seed) + ", " +
                                   CountOf(counts.generated, "character") + ".\n",
                               *outputs.notes, "");
            !failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
    }
    if (results) {
        results->clear();
        for (auto& [n, character] : made) results->push_back(std::move(character));
    }
    if (signal) log << "orrimar-cli: stopped by " << signalName << ": ";
    log << CountOf(counts.generated, "character") << " generated";
    if (plan.Searching()) log << " of " << counts.tried << " made";
    if (outputs.intoFolder) log << " in " << outputs.outDir << " (index.htm)";
    if (outputs.toFile || outputs.csvOut) log << " into " << options.OutDir;
    log << ", seed " << options.Seed << ".\n";
    if (signal) return 128 + signal;
    if (plan.Searching() && counts.matched < plan.count) {
        log << "orrimar-cli: --where \"" << options.Where << "\": " << counts.tried
            << " characters tried (--max-tries " << plan.maxTries << "), " << counts.matched
            << " matched, " << plan.count << " wanted.\n";
        return 1;
    }
    return counts.failures == 0 ? 0 : 1;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& log, std::vector<BatchCharacter>* results,
             std::ostream* lines) {
    BatchPlan plan;
    std::vector<std::unique_ptr<BatchWorker>> workers;
    BatchOutputs outputs;
    std::string failed = PlanBatch(options, plan);
    if (failed.empty())
        failed = PrepareWorkers(options, plan, options.WritePages || results != nullptr, workers);
    if (std::string problem; failed.empty() && !options.TemplatePath.empty() &&
                             !ReadTemplate(options.TemplatePath, problem))
        failed = problem;
    if (failed.empty())
        failed = OpenOutputs(options, lines, workers[0]->g.career.Recipe.Data, outputs);
    if (!failed.empty()) {
        log << "orrimar-cli: " << failed << "\n";
        return 1;
    }
    // Results are kept only for the caller: a batch runs in the same
    // memory whatever its count.
    std::map<int, BatchCharacter> made;
    BatchCounts counts;
    ProgressLine progress(log, options.Progress, plan.count, plan.Searching());
    InOrder out(log, outputs.notes ? &*outputs.notes : nullptr, outputs.All(), progress);
    MakeCharacters(options, plan, workers, outputs, out, progress, counts,
                   results ? &made : nullptr);
    return FinishBatch(options, plan, outputs, counts, log, made, results);
}

}  // namespace orrimar
