// orrimar-cli: the terminal face. Interactive by default (answers read
// from standard input); --check-data checks a data folder.
#include <iostream>
#include <string>
#include <vector>

#include <chrono>
#include <cstdlib>

#include "model/Dice.h"
#include "model/Game.h"
#include "output/Batch.h"
#include "startup/DataCheck.h"
#include "startup/Main.h"
#include "ui/console/ConsoleUi.h"

using namespace orrimar;

namespace {

void Usage(std::ostream& out) {
    out << "Usage: orrimar-cli [--data DIR] [--seed S] [TESTMODE | TEST | COURTMARTIAL]\n"
           "       orrimar-cli --check-data DIR\n"
           "       orrimar-cli --auto --count N --out DIR [--seed S] [--race R] [--service S]\n"
           "                   [--branch B] [--terms T] [--template FILE] [--data DIR]\n"
           "\n"
           "  --data DIR        use DIR as the data folder for this run (the settings file\n"
           "                    is neither read nor written)\n"
           "  --check-data DIR  load every race, service and branch of DIR and list every\n"
           "                    problem found as file:line: message\n"
           "  --auto            generate characters without a question (see README for the\n"
           "                    answers it gives) and write one resume each plus index.htm\n"
           "  --count N         how many characters (default 1)\n"
           "  --out DIR         where the pages go (created when missing)\n"
           "  --seed S          the same seed, data and version give the same characters\n"
           "  --race R, --service S, --branch B\n"
           "                    part of a name in the lists (any case); random when not given\n"
           "  --terms T         re-enlist until T terms are served (default 7)\n"
           "  --template FILE   fill this HTML template instead of the built-in layout\n"
           "  --no-pages        generate without writing pages (for timing)\n"
           "\n"
           "Exit status: 0 when the program ended by your choice (Exit, q), 1 when the\n"
           "data, a check or a batch had problems, 2 for a wrong command line, 3 when the\n"
           "input ended while a question waited for its answer.\n";
}

int CheckData(const std::string& dir) {
    auto problems = CheckDataFolder(dir);
    for (const auto& p : problems) std::cout << p.Text() << "\n";
    if (problems.empty()) {
        std::cout << dir << ": no problems found.\n";
        return 0;
    }
    std::cout << dir << ": " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
              << " found.\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string dataDir;
    std::vector<std::string> rest;
    bool automatic = false;
    bool seeded = false;
    BatchOptions batch;
    auto number = [](const std::string& text, long long& out) {
        char* end = nullptr;
        out = std::strtoll(text.c_str(), &end, 10);
        return !text.empty() && end && *end == '\0';
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        long long value = 0;
        if ((a == "--data" || a == "--check-data") && hasValue) {
            if (a == "--check-data") return CheckData(args[i + 1]);
            dataDir = args[++i];
        } else if (a == "--auto") {
            automatic = true;
        } else if (a == "--no-pages") {
            batch.WritePages = false;
        } else if ((a == "--count" || a == "--terms" || a == "--seed") && hasValue) {
            if (!number(args[++i], value) || value < (a == "--seed" ? 0 : 1)) {
                std::cerr << "orrimar-cli: " << a << " needs a whole number, not \"" << args[i]
                          << "\"\n";
                return 2;
            }
            if (a == "--count") batch.Count = static_cast<int>(std::min(value, 1000000LL));
            if (a == "--terms") batch.Terms = static_cast<int>(std::min(value, 99LL));
            if (a == "--seed") {
                batch.Seed = static_cast<uint64_t>(value);
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
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << "orrimar-cli: unknown option " << a << "\n";
            Usage(std::cerr);
            return 2;
        } else {
            rest.push_back(a);
        }
    }
    // What is left is the command line the rules test ("TESTMODE" and friends).
    std::string commandLine;
    for (const auto& word : rest) commandLine += (commandLine.empty() ? "" : " ") + word;

    if (automatic) {
        if (batch.OutDir.empty() && batch.WritePages) {
            std::cerr << "orrimar-cli: --auto needs --out DIR (or --no-pages)\n";
            return 2;
        }
        if (!seeded)
            batch.Seed = static_cast<uint64_t>(
                std::chrono::system_clock::now().time_since_epoch().count() % 1000000000);
        batch.DataDir = dataDir;
        return RunBatch(batch, std::cerr);
    }

    ConsoleUi ui(std::cin, std::cout);
    // --seed makes an interactive session repeatable too.
    ClockDice clock;
    SeededDice seededDice(batch.Seed);
    Dice& dice = seeded ? static_cast<Dice&>(seededDice) : clock;
    Game g(ui, dice);
    g.CommandLine = commandLine;
    g.DataLocOverride = dataDir;
    try {
        Main(g);
    } catch (const ProgramExit& exit) {
        std::cout.flush();
        return exit.Code;
    }
    return 0;
}
