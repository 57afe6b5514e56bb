// orrimar: the desktop face.
#include <QApplication>
#include <QStringList>
#include <cstring>
#include <iostream>

#include "model/Dice.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "output/CharacterJson.h"
#include "session/InstalledData.h"
#include "ui/Program.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

namespace {

const char* const Usage =
    "Usage: orrimar [Qt options] [TESTMODE | TEST | COURTMARTIAL]\n"
    "       orrimar --version | --help\n"
    "\n"
    "The desktop character generator for the Astrovane role-playing game.\n"
    "\n"
    "  TESTMODE      show start-up progress messages\n"
    "  TEST          every new character starts with forced skills, any transfer\n"
    "                and automatic generation\n"
    "  COURTMARTIAL  every decoration throw becomes a court martial\n"
    "  -V, --version print the program's version\n"
    "  -h, --help    print this text\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are taken as by every Qt program.\n"
    "orrimar-cli is the terminal program: batches, data checks, regenerating.\n";

// --version and --help print and end before Qt starts, so they need no
// screen and open no window. 0, or 1 when standard output cannot be written.
int PrintAndEnd(const char* text) {
    std::cout << text << std::flush;
    return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-V"))
            return PrintAndEnd(("orrimar " + ProgramVersionText() + "\n").c_str());
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h"))
            return PrintAndEnd(Usage);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orrimar Character Generator");
    // The rules test the whole command line ("TESTMODE", "TEST", "COURTMARTIAL").
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QtUi ui;
    SeededDice dice{UnchosenSeed()};
    Game g(ui, dice);
    g.session.SetCommandLine(S(args.join(' ')));
    // The term window's "Explain..." shows the throws of each year.
    ThrowLog throws;
    g.career.Explain = &throws;
    g.session.InstalledDataLoc = InstalledDataFolder();
    try {
        Main(g);
    } catch (const ProgramExit& exit) {
        return exit.Code;
    }
    return 0;
}
