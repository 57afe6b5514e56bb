#pragma once

#include <QApplication>
#include <cstdlib>

namespace orrimar {

template <typename F>
void Guarded(F&& action) {
    try {
        action();
    } catch (const ProgramExit& exit) {
        QApplication::closeAllWindows();
        std::exit(exit.Code);
    }
}

}  // namespace orrimar
