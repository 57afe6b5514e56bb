#pragma once

#include <QApplication>
#include <cstdlib>

namespace orrimar {

// Set while the program closes its windows on the way out, so none asks
// whether to close.
inline bool& Leaving() {
    static bool leaving = false;
    return leaving;
}

template <typename F>
void Guarded(F&& action) {
    try {
        action();
    } catch (const ProgramExit& exit) {
        Leaving() = true;
        QApplication::closeAllWindows();
        std::exit(exit.Code);
    }
}

}  // namespace orrimar
