// orrimar-cli: the terminal face. Interactive by default (answers read
// from standard input); --check-data checks a data folder.
#include <iostream>
#include <string>
#include <vector>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include <unistd.h>

#include "batch/Batch.h"
#include "batch/BatchStop.h"
#include "batch/Where.h"
#include "model/Dice.h"
#include "model/Game.h"
#include "model/Text.h"
#include "model/Throws.h"
#include "output/CharacterJson.h"
#include "output/Regenerate.h"
#include "startup/DataCheck.h"
#include "startup/InstalledData.h"
#include "startup/Main.h"
#include "stats/Statistics.h"
#include "ui/Program.h"
#include "ui/console/ConsoleUi.h"
#include "ui/console/Terminal.h"

using namespace orrimar;

namespace {

// The version of the data files' formats this program reads (data/README.md).
constexpr int DataFormatVersion = 1;

void Usage(std::ostream& out) {
    out << "Usage: orrimar-cli [--data DIR] [--seed S] [--dice -|FILE] [--yes] [--explain]\n"
           "                   [TESTMODE | TEST | COURTMARTIAL]\n"
           "       orrimar-cli --check-data DIR [--strict]\n"
           "       orrimar-cli --auto --count N --out DIR [--seed S] [--race R] [--service S]\n"
           "                   [--branch B] [--terms T] [--template FILE] [--data DIR]\n"
           "                   [--format html|json|jsonl|both|text|csv] [--dice FILE]\n"
           "                   [--where EXPR [--max-tries N]] [--crew SERVICE:N,...]\n"
           "                   [--jobs N] [--no-pages] [--explain]\n"
           "       orrimar-cli --regenerate FILE [--data DIR] [--out FILE]\n"
           "       orrimar-cli --stats [--data DIR] [--count N] [--race R] [--service S]\n"
           "                   [--branch B] [--terms T] [--jobs J] [--format json]\n"
           "                   [--seed S] [--where EXPR] [--compare DIR]\n"
           "                   [--report FILE.htm]\n"
           "       orrimar-cli --version | --help\n"
           "\n"
           "  --data DIR        use DIR as the data folder for this run (the settings file\n"
           "                    is neither read nor written); without it a batch or\n"
           "                    --regenerate reads the folder recorded at first run, else\n"
           "                    your copy of the sample data, else the installed one\n"
           "  --yes             replace existing files without asking (for answer scripts);\n"
           "                    with --auto, replace the batch the --out folder holds\n"
           "  --check-data DIR  load every race, service and branch of DIR and list every\n"
           "                    error as file:line: message, and what loads but plays\n"
           "                    otherwise than meant as file:line: warning: message\n"
           "  --strict          with --check-data: warnings fail too (exit status 1)\n"
           "  --auto            generate characters without a question (see README for the\n"
           "                    answers it gives) and write one resume each plus index.htm\n"
           "  --count N         how many characters, 1 to 1000000 (default 1)\n"
           "  --out DIR         where the pages go (created when missing); a folder that\n"
           "                    holds a batch already is refused unless --yes is given,\n"
           "                    which removes that batch's pages, index and log first\n"
           "  --seed S          0 to 18446744073709551615: the same seed, data and version\n"
           "                    give the same characters\n"
           "  --race R, --service S, --branch B\n"
           "                    part of a name in the lists (any case): a whole name or key\n"
           "                    picks that entry, else every entry holding the text is a\n"
           "                    candidate and one is drawn for each character; random when\n"
           "                    not given. Only races and services offering what was asked\n"
           "                    are drawn\n"
           "  --terms T         re-enlist until T terms are served, 1 to 99 (default 7)\n"
           "  --template FILE   fill this HTML template instead of the built-in layout\n"
           "  --no-pages        make the characters and write nothing, whatever --format:\n"
           "                    no pages, JSON or lines are built (for timing)\n"
           "  --format F        html (default: resumes), json (one JSON file each), both,\n"
           "                    jsonl (one line each, into the file --out names, or to\n"
           "                    standard output with --out -; pages never go there),\n"
           "                    text (a stat block each, the same way; the default\n"
           "                    to standard output) or csv (the roster's columns and every\n"
           "                    characteristic and skill, into the file --out names).\n"
           "                    Pages come with index.htm (the roster), index.csv and\n"
           "                    cards.htm (the stat blocks, to print)\n"
           "  --dice -|FILE     roll your own dice: - asks for every throw, FILE lists the\n"
           "                    totals in turn (a batch stops when the list runs out)\n"
           "  --explain         explain every throw: a batch prints each character's to\n"
           "                    standard error (\"character 1: T1 Y2 Survival: 2D = 7\n"
           "                    against 6+: survived\"), and the JSON written (by a batch\n"
           "                    or \"Save as JSON...\") carries the throws of each year, so\n"
           "                    --regenerate can say at which throw two careers part\n"
           "  --regenerate FILE make the character of a resume or JSON file again from its\n"
           "                    seed and answers, and say what differs; --out FILE saves\n"
           "                    it (a .json name gives JSON, any other a resume)\n"
           "  --where EXPR      keep making characters until --count of them meet every\n"
           "                    condition of EXPR, such as \"Pilot>=2,rank>=O3,age<=30\"\n"
           "                    (skills, characteristics, rank, age, terms, cash; service,\n"
           "                    race, branch with = or !=; skill:NAME for any level)\n"
           "  --max-tries N     give a --where search up at N characters made, 1 to\n"
           "                    1000000000 (default 1000000); exit status 1\n"
           "  --crew LIST       a mixed crew, such as \"Navy:2,Scout:1\": so many characters\n"
           "                    of each service, in place of --count and --service\n"
           "  --jobs N          make the characters on N threads, 1 to 64 (the same\n"
           "                    characters and pages as on one)\n"
           "  --stats           play --count careers (default 10000) of each race and\n"
           "                    service asked for (every service of the race when none\n"
           "                    is) and print what they came to; the seed is 1 unless\n"
           "                    given; --format json prints JSON; with --where only\n"
           "                    the careers meeting it are counted\n"
           "  --compare DIR     with --stats: play as many on DIR too, with seeds of its\n"
           "                    own, and mark the differences unlikely to be chance\n"
           "  --report FILE     with --stats: write an HTML report with charts\n"
           "  -V, --version     print the program's version and its data format's\n"
           "  -h, --help        print this text\n"
           "\n"
           "Long lists are set in columns to the terminal's width (COLUMNS, else the\n"
           "terminal's own, else 80) and, when a person types the answers, shown a\n"
           "screenful at a time.\n"
           "\n"
           "Exit status: 0 when the program ended by your choice (Exit, q), 1 when the\n"
           "data, a check or a batch had problems (a check's warnings only with --strict),\n"
           "2 for a wrong command line, 3 when the input ended while a question waited\n"
           "for its answer, 130 (143) when SIGINT (SIGTERM) stopped a batch: the\n"
           "characters finished are indexed, no file is left half-written.\n";
}

std::string Counted(size_t n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// Errors fail the check; warnings only with --strict.
int CheckData(const std::string& dir, bool strict) {
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
              << " found" << (strict && errors == 0 ? " (--strict: warnings fail)" : "") << ".\n";
    return CheckStatus(problems, strict);
}

int Version() {
    // The version the JSON documents and manual pages carry, and the
    // window title's, each from the one place that makes it.
    ConsoleUi ui(std::cin, std::cout);
    SeededDice dice{UnchosenSeed()};
    Game g(ui, dice);
    SetAppTitle(g);
    std::cout << "orrimar-cli " << ProgramVersionText() << " (" << g.AppTitle << ")\n"
              << "data format " << DataFormatVersion << "\n";
    return 0;
}

int Run(const std::vector<std::string>& args);

}  // namespace

int main(int argc, char** argv) {
    // The program's texts are Latin-1: what it prints is converted to the
    // terminal's encoding, what is typed or given on the command line back.
    const Charset charset = LocaleCharset();
    SetTerminalCharset(charset);
    TerminalBuffer out(std::cout.rdbuf(), charset), err(std::cerr.rdbuf(), charset);
    std::cout.rdbuf(&out);
    std::cerr.rdbuf(&err);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string refused;
        args.push_back(FromTerminal(argv[i], charset, refused));
    }
    int status = Run(args);
    // What could not be written (a full disk, a closed pipe) is no success.
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int lost = errno;
    std::cerr.flush();
    std::cout.rdbuf(out.Target());
    std::cerr.rdbuf(err.Target());
    if (!written) {
        std::cerr << "orrimar-cli: cannot write to standard output (" << std::strerror(lost)
                  << ")\n";
        if (status == 0) status = 1;
    }
    return status;
}

namespace {

int Run(const std::vector<std::string>& args) {
    std::string dataDir;
    std::vector<std::string> rest;
    bool automatic = false;
    bool seeded = false;
    bool counted = false;
    bool formatGiven = false;
    bool assumeYes = false;
    std::optional<std::string> checkDir;
    bool strict = false;
    BatchOptions batch;
    std::string regenerate;
    bool stats = false;
    std::string compare, report;
    // A whole number in lo..hi, all of the text; nothing otherwise.
    auto number = [](const std::string& text, uint64_t lo, uint64_t hi) -> std::optional<uint64_t> {
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        errno = 0;
        const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
        if (errno == ERANGE || value < lo || value > hi) return std::nullopt;
        return value;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        // An option that takes a value, last on the line, says what it misses
        // rather than pass for an unknown one.
        if (!hasValue) {
            const char* missing =
                a == "--data" || a == "--check-data" || a == "--out" ? "a folder"
                : a == "--template" || a == "--regenerate" || a == "--dice" || a == "--report"
                    ? "a file"
                : a == "--compare"                                                   ? "a folder"
                : a == "--format"                                                    ? "a format"
                : a == "--count" || a == "--terms" || a == "--seed" || a == "--jobs" ? "a number"
                : a == "--race" || a == "--service" || a == "--branch"               ? "a name"
                : a == "--where" || a == "--crew"                                    ? "a list"
                : a == "--max-tries"                                                 ? "a number"
                                                                                     : nullptr;
            if (missing) {
                std::cerr << "orrimar-cli: " << a << " needs " << missing << "\n";
                return 2;
            }
        }
        if ((a == "--race" || a == "--service" || a == "--branch" || a == "--out" ||
             a == "--template") &&
            hasValue && args[i + 1].empty()) {
            // An empty name would quietly mean "any": it is refused.
            std::cerr << "orrimar-cli: " << a << " needs a "
                      << (a == "--out"        ? "folder"
                          : a == "--template" ? "file"
                                              : "name")
                      << "\n";
            return 2;
        }
        if ((a == "--data" || a == "--check-data") && hasValue) {
            if (args[i + 1].empty()) {
                std::cerr << "orrimar-cli: " << a << " needs a folder\n";
                return 2;
            }
            (a == "--check-data" ? checkDir.emplace() : dataDir) = args[++i];
        } else if (a == "--strict") {
            strict = true;
        } else if (a == "--format" && hasValue) {
            const std::string f = args[++i];
            if (f != "html" && f != "json" && f != "jsonl" && f != "both" && f != "text" &&
                f != "csv") {
                std::cerr << "orrimar-cli: --format needs html, json, jsonl, both, text or csv, "
                             "not \""
                          << f << "\"\n";
                return 2;
            }
            batch.Format = f == "html"   ? BatchFormat::Html
                           : f == "json" ? BatchFormat::Json
                           : f == "both" ? BatchFormat::Both
                           : f == "text" ? BatchFormat::Text
                           : f == "csv"  ? BatchFormat::Csv
                                         : BatchFormat::Jsonl;
            formatGiven = true;
        } else if ((a == "--dice" || a == "--regenerate") && hasValue) {
            (a == "--dice" ? batch.DiceList : regenerate) = args[++i];
        } else if (a == "--auto") {
            automatic = true;
        } else if (a == "--stats") {
            stats = true;
        } else if ((a == "--compare" || a == "--report") && hasValue) {
            if (args[i + 1].empty()) {
                std::cerr << "orrimar-cli: " << a << " needs a "
                          << (a == "--compare" ? "folder" : "file") << "\n";
                return 2;
            }
            (a == "--compare" ? compare : report) = args[++i];
        } else if (a == "--yes") {
            assumeYes = true;
        } else if (a == "--no-pages") {
            batch.WritePages = false;
        } else if (a == "--explain") {
            batch.Explain = true;
        } else if ((a == "--where" || a == "--crew") && hasValue) {
            std::string problem;
            const std::string text = args[++i];
            const bool good = a == "--where" ? ParseWhere(text, problem).has_value() : [&] {
                auto crew = ParseCrew(text, MaxBatchCount, problem);
                if (crew) batch.Crew = std::move(*crew);
                return crew.has_value();
            }();
            if (!good) {
                std::cerr << "orrimar-cli: " << a << " \"" << text << "\": " << problem << "\n";
                return 2;
            }
            if (a == "--where") batch.Where = text;
        } else if (a == "--max-tries" && hasValue) {
            const auto value = number(args[++i], 1, 1000000000);
            if (!value) {
                std::cerr << "orrimar-cli: --max-tries needs a whole number from 1 to 1000000000, "
                             "not \""
                          << args[i] << "\"\n";
                return 2;
            }
            batch.MaxTries = static_cast<int>(*value);
        } else if (a == "--jobs" && hasValue) {
            const auto value = number(args[++i], 1, MaxBatchJobs);
            if (!value) {
                std::cerr << "orrimar-cli: --jobs needs a whole number from 1 to " << MaxBatchJobs
                          << ", not \"" << args[i] << "\"\n";
                return 2;
            }
            batch.Jobs = static_cast<int>(*value);
        } else if ((a == "--count" || a == "--terms" || a == "--seed") && hasValue) {
            // The seed takes the whole range of its type; counts and terms
            // have the range the batch can use.
            const uint64_t hi = a == "--seed"    ? std::numeric_limits<uint64_t>::max()
                                : a == "--count" ? MaxBatchCount
                                                 : MaxBatchTerms;
            const uint64_t lo = a == "--seed" ? 0 : 1;
            const auto value = number(args[++i], lo, hi);
            if (!value) {
                std::cerr << "orrimar-cli: " << a << " needs a whole number from " << lo << " to "
                          << hi << ", not \"" << args[i] << "\"\n";
                return 2;
            }
            if (a == "--count") {
                batch.Count = static_cast<int>(*value);
                counted = true;
            }
            if (a == "--terms") batch.Terms = static_cast<int>(*value);
            if (a == "--seed") {
                batch.Seed = *value;
                seeded = true;
            }
        } else if ((a == "--out" || a == "--race" || a == "--service" || a == "--branch" ||
                    a == "--template") &&
                   hasValue) {
            std::string& field = a == "--out"       ? batch.OutDir
                                 : a == "--race"    ? batch.Race
                                 : a == "--service" ? batch.Service
                                 : a == "--branch"  ? batch.Branch
                                                    : batch.TemplatePath;
            field = args[++i];
        } else if (a == "--help" || a == "-h") {
            Usage(std::cout);
            return 0;
        } else if (a == "--version" || a == "-V") {
            return Version();
        } else if (a.rfind("-", 0) == 0) {
            std::cerr << "orrimar-cli: unknown option " << a << "\n";
            Usage(std::cerr);
            return 2;
        } else {
            rest.push_back(a);
        }
    }
    if (strict && !checkDir) {
        std::cerr << "orrimar-cli: --strict goes with --check-data DIR\n";
        return 2;
    }
    // The test words mean something only to the interactive program.
    if ((checkDir || automatic || !regenerate.empty()) && !rest.empty()) {
        std::cerr << "orrimar-cli: unknown argument " << rest.front() << "\n";
        Usage(std::cerr);
        return 2;
    }
    if (checkDir) return CheckData(*checkDir, strict);
    if ((!compare.empty() || !report.empty()) && !stats) {
        std::cerr << "orrimar-cli: --compare and --report go with --stats\n";
        return 2;
    }
    if (stats) {
        if (automatic || !regenerate.empty() || !rest.empty() || !batch.DiceList.empty() ||
            (batch.Format != BatchFormat::Html && batch.Format != BatchFormat::Json)) {
            std::cerr << "orrimar-cli: --stats takes --format json only, and no --auto, "
                         "--regenerate, --dice or test words\n";
            return 2;
        }
        StatsRequest request{batch, compare, report, batch.Format == BatchFormat::Json};
        if (!counted) request.Batch.Count = DefaultStatsCount;
        if (!seeded) request.Batch.Seed = 1;
        request.Batch.DataDir = dataDir;
        StopBatchOnSignals();
        return RunStatistics(request, std::cout, std::cerr);
    }
    // What is left is the command line the rules test ("TESTMODE" and friends).
    std::string commandLine;
    for (const auto& word : rest) commandLine += (commandLine.empty() ? "" : " ") + word;

    // A batch or regeneration without --data takes the folder of the first
    // run, else the user's copy of the sample data, else the installed one,
    // and says which.
    if (dataDir.empty() && (automatic || !regenerate.empty())) {
        const DefaultData found = FindDefaultData(InstalledDataFolder());
        if (!found.Folder.empty())
            std::cerr << "orrimar-cli: reading " << found.Source << ": " << found.Folder << "\n";
        dataDir = found.Folder;
    }
    if (!regenerate.empty())
        return RegenerateCharacter(regenerate, dataDir, batch.OutDir, std::cout, std::cerr);
    if (automatic) {
        // Without a folder, stat blocks go to standard output.
        if ((batch.OutDir.empty() || batch.OutDir == "-") && !formatGiven)
            batch.Format = BatchFormat::Text;
        if (batch.OutDir.empty() && batch.WritePages && batch.Format != BatchFormat::Text) {
            std::cerr << "orrimar-cli: --auto needs --out DIR (or --no-pages)\n";
            return 2;
        }
        if (batch.OutDir == "-" && batch.Format != BatchFormat::Jsonl &&
            batch.Format != BatchFormat::Text && batch.WritePages) {
            std::cerr << "orrimar-cli: standard output takes JSON Lines or stat blocks only: give "
                         "--format jsonl or text, or --out DIR for pages\n";
            return 2;
        }
        if (batch.DiceList == "-") {
            std::cerr << "orrimar-cli: a batch asks nothing: --dice needs a file of throws\n";
            return 2;
        }
        if (!seeded)
            batch.Seed = static_cast<uint64_t>(
                std::chrono::system_clock::now().time_since_epoch().count() % 1000000000);
        batch.DataDir = dataDir;
        batch.ReplaceBatch = assumeYes;
        if (!batch.Crew.empty() && (counted || !batch.Service.empty())) {
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

    ConsoleUi ui(std::cin, std::cout);
    ui.AssumeYes(assumeYes);
    ui.SetScreen(TerminalColumns(), TerminalLines(), InteractiveTerminal());
    // --seed makes an interactive session repeatable too.
    SeededDice dice(seeded ? batch.Seed : UnchosenSeed());
    Game g(ui, dice);
    g.CommandLine = commandLine;
    g.DataLocOverride = dataDir;
    // The term window's x shows the throws of the year; --explain also
    // writes them with the character's JSON.
    ThrowLog throws;
    g.Explain = &throws;
    g.ThrowsInJson = batch.Explain;
    if (!batch.DiceList.empty()) {
        g.OwnDice = true;
        if (batch.DiceList != "-") {
            std::string problem;
            auto list = ReadThrowList(batch.DiceList, problem);
            if (!list) {
                std::cerr << "orrimar-cli: " << problem << "\n";
                return 1;
            }
            g.Throws = std::move(*list);
        }
    }
    g.InstalledDataLoc = InstalledDataFolder();
    try {
        Main(g);
    } catch (const ProgramExit& exit) {
        std::cout.flush();
        return exit.Code;
    }
    return 0;
}

}  // namespace
