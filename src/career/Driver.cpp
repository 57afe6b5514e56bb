#include "career/Driver.h"

#include "model/Game.h"
#include "model/Generate.h"

namespace orrimar {

void NextYear(Game& g) {
    auto& c = g.Character;
    c.CurLine++;
    if (c.CurLine > g.Race.YearsPerTerm) {
        c.CurLine = 1;
        c.PromotedThisTerm = 0;
        c.CurTerm++;
        c.TermLog[c.CurTerm].Title = g.Service.BranchName;
    }
    c.Age =
        static_cast<int16_t>((c.CurTerm - 1) * g.Race.YearsPerTerm + g.Race.BaseAge + c.CurLine);
}

void MainProcess(Game& g) {
    while (true) {
        Generate(g);
        g.Form1.Accepted = false;
        g.ui.RunMainWindow(g);
    }
}

}  // namespace orrimar
