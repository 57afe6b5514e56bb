// orrimar: the desktop face.
#include <QApplication>
#include <QStringList>

#include "model/Dice.h"
#include "model/Game.h"
#include "startup/InstalledData.h"
#include "ui/Program.h"
#include "ui/qt/QtUi.h"

using namespace orrimar;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orrimar Character Generator");
    // The rules test the whole command line ("TESTMODE", "TEST", "COURTMARTIAL").
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QtUi ui;
    SeededDice dice{UnchosenSeed()};
    Game g(ui, dice);
    g.CommandLine = S(args.join(' '));
    g.InstalledDataLoc = InstalledDataFolder();
    try {
        Main(g);
    } catch (const ProgramExit& exit) {
        return exit.Code;
    }
    return 0;
}
