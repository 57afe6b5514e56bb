// orrimar-cli: the terminal face. Interactive by default (answers read
// from standard input); --check-data checks a data folder.
#include <iostream>
#include <string>
#include <vector>

#include "model/Dice.h"
#include "model/Game.h"
#include "startup/DataCheck.h"
#include "startup/Main.h"
#include "ui/console/ConsoleUi.h"

using namespace orrimar;

namespace {

void Usage(std::ostream& out) {
    out << "Usage: orrimar-cli [--data DIR] [TESTMODE | TEST | COURTMARTIAL]\n"
           "       orrimar-cli --check-data DIR\n"
           "\n"
           "  --data DIR        use DIR as the data folder for this run (the settings file\n"
           "                    is neither read nor written)\n"
           "  --check-data DIR  load every race, service and branch of DIR and list every\n"
           "                    problem found as file:line: message\n";
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
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--data" || a == "--check-data") && i + 1 < args.size()) {
            if (a == "--check-data") return CheckData(args[i + 1]);
            dataDir = args[++i];
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

    ConsoleUi ui(std::cin, std::cout);
    ClockDice dice;
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
