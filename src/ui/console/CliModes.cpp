#include "ui/console/CliModes.h"

#include <chrono>
#include <cstdint>
#include <iostream>
#include <string>

#include <unistd.h>

#include "batch/BatchStop.h"
#include "check/DataCheck.h"
#include "model/Dice.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "output/CharacterJson.h"
#include "replay/Regenerate.h"
#include "session/InstalledData.h"
#include "session/Main.h"
#include "stats/Statistics.h"
#include "ui/Program.h"
#include "ui/console/ConsoleUi.h"
#include "ui/console/Terminal.h"

namespace orrimar {

namespace {

// The version of the data files' formats this program reads (data/README.md).
constexpr int DataFormatVersion = 1;

std::string Counted(size_t n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// A batch or regeneration without --data takes the folder of the first
// run, else the user's copy of the sample data, else the installed one,
// and says which.
std::string FoundDataDir(const CliOptions& o) {
    if (!o.DataDir.empty()) return o.DataDir;
    const DefaultData found = FindDefaultData(InstalledDataFolder());
    if (!found.Folder.empty())
        std::cerr << "orrimar-cli: reading " << found.Source << ": " << found.Folder << "\n";
    return found.Folder;
}

// What --auto refuses of the options; "" when they make a batch.
std::string BatchProblem(const BatchOptions& batch) {
    if (batch.OutDir.empty() && batch.WritePages && batch.Format != BatchFormat::Text)
        return "--auto needs --out DIR (or --no-pages)";
    if (batch.OutDir == "-" && batch.Format != BatchFormat::Jsonl &&
        batch.Format != BatchFormat::Text && batch.WritePages)
        return "standard output takes JSON Lines or stat blocks only: give --format jsonl or "
               "text, or --out DIR for pages";
    if (batch.DiceList == "-") return "a batch asks nothing: --dice needs a file of throws";
    return "";
}

}  // namespace

// Errors fail the check; warnings only with --strict.
int CheckMode(const CliOptions& o) {
    const std::string& dir = o.CheckDir;
    for (const auto& file : Utf8DataFiles(dir))
        std::cout << file << ": saved as UTF-8, read as Latin-1.\n";
    size_t errors = 0, warnings = 0;
    const auto problems = CheckDataFolder(dir);
    for (const auto& p : problems) {
        std::cout << p.Text() << "\n";
        if (!p.Hint.empty()) std::cout << "    hint: " << p.Hint << "\n";
        ++(p.Level == Severity::Warning ? warnings : errors);
    }
    if (errors + warnings == 0) {
        std::cout << dir << ": no problems found.\n";
        return 0;
    }
    std::cout << dir << ": " << Counted(errors, "error") << " and " << Counted(warnings, "warning")
              << " found" << (o.Strict && errors == 0 ? " (--strict: warnings fail)" : "") << ".\n";
    return CheckStatus(problems, o.Strict);
}

int VersionMode() {
    // The version the JSON documents and manual pages carry, and the
    // window title's, each from the one place that makes it.
    ConsoleUi ui(std::cin, std::cout);
    SeededDice dice{UnchosenSeed()};
    Game g(ui, dice);
    SetAppTitle(g.session);
    std::cout << "orrimar-cli " << ProgramVersionText() << " (" << g.session.AppTitle << ")\n"
              << "data format " << DataFormatVersion << "\n";
    return 0;
}

int StatsMode(const CliOptions& o) {
    StatsRequest request{o.Batch, o.Compare, o.Report, o.Batch.Format == BatchFormat::Json};
    if (!o.Counted) request.Batch.Count = DefaultStatsCount;
    if (!o.Seeded) request.Batch.Seed = 1;
    request.Batch.DataDir = o.DataDir;
    StopBatchOnSignals();
    return RunStatistics(request, std::cout, std::cerr);
}

int RegenerateMode(const CliOptions& o) {
    return RegenerateCharacter(o.Regenerate, FoundDataDir(o), o.Batch.OutDir, std::cout, std::cerr);
}

int BatchMode(const CliOptions& o) {
    BatchOptions batch = o.Batch;
    batch.DataDir = FoundDataDir(o);
    // Without a folder, stat blocks go to standard output.
    if ((batch.OutDir.empty() || batch.OutDir == "-") && !o.FormatGiven)
        batch.Format = BatchFormat::Text;
    if (std::string problem = BatchProblem(batch); !problem.empty()) {
        std::cerr << "orrimar-cli: " << problem << "\n";
        return 2;
    }
    if (!o.Seeded)
        batch.Seed = static_cast<uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count() % 1000000000);
    batch.ReplaceBatch = o.AssumeYes;
    if (!batch.Crew.empty() && (o.Counted || !batch.Service.empty())) {
        std::cerr << "orrimar-cli: --crew gives the services and their counts: leave out "
                     "--count and --service\n";
        return 2;
    }
    // The throws explained go to standard error too: no progress line among them.
    batch.Progress = !batch.Explain && ::isatty(STDERR_FILENO) != 0;
    StopBatchOnSignals();
    // JSON Lines and CSV are UTF-8 bytes, not the terminal's text:
    // standard output carries them as the file would, whatever the
    // locale. Stat blocks are text for the terminal and meet it as such.
    auto* terminal = dynamic_cast<TerminalBuffer*>(std::cout.rdbuf());
    std::ostream bytes(terminal ? terminal->Target() : std::cout.rdbuf());
    const int status = RunBatch(batch, std::cerr, nullptr,
                                batch.Format == BatchFormat::Text ? &std::cout : &bytes);
    bytes.flush();
    return status;
}

int PlayMode(const CliOptions& o) {
    // What is left is the command line the rules test ("TESTMODE" and friends).
    std::string commandLine;
    for (const auto& word : o.TestWords) commandLine += (commandLine.empty() ? "" : " ") + word;
    ConsoleUi ui(std::cin, std::cout);
    ui.AssumeYes(o.AssumeYes);
    ui.SetScreen(TerminalColumns(), TerminalLines(), InteractiveTerminal());
    // --seed makes an interactive session repeatable too.
    SeededDice dice(o.Seeded ? o.Batch.Seed : UnchosenSeed());
    Game g(ui, dice);
    g.session.SetCommandLine(commandLine);
    g.session.DataLocOverride = o.DataDir;
    // The term window's x shows the throws of the year; --explain also
    // writes them with the character's JSON.
    ThrowLog throws;
    g.career.Explain = &throws;
    g.session.ThrowsInJson = o.Batch.Explain;
    if (const std::string& diceList = o.Batch.DiceList; !diceList.empty()) {
        g.session.OwnDice = true;
        if (diceList != "-") {
            std::string problem;
            auto list = ReadThrowList(diceList, problem);
            if (!list) {
                std::cerr << "orrimar-cli: " << problem << "\n";
                return 1;
            }
            g.session.Throws = std::move(*list);
        }
    }
    g.session.InstalledDataLoc = InstalledDataFolder();
    try {
        Main(g);
    } catch (const ProgramExit& exit) {
        std::cout.flush();
        return exit.Code;
    }
    return 0;
}

int RunMode(const CliOptions& o) {
    switch (o.Mode) {
        case CliMode::Help:
            Usage(std::cout);
            return 0;
        case CliMode::Version:
            return VersionMode();
        case CliMode::Check:
            return CheckMode(o);
        case CliMode::Stats:
            return StatsMode(o);
        case CliMode::Regenerate:
            return RegenerateMode(o);
        case CliMode::Batch:
            return BatchMode(o);
        case CliMode::Play:
            break;
    }
    return PlayMode(o);
}

}  // namespace orrimar
