#include "ui/MainWindow.h"

#include <algorithm>
#include <cmath>

#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"
#include "startup/OptionSets.h"

namespace orrimar {

void Form1Generate(Game& g) {
    Generate(g);
}

bool Form1Accept(Game& g) {
    if (!g.ServiceList.Current() || !g.BranchList.Current()) {
        g.ui.Message("You have to select a service and branch!", g.AppTitle, MsgIcon::Warning);
        return false;
    }
    g.Form1.Accepted = true;
    return true;
}

void Form1TypeStats(Game& g) {
    g.Form1.StatsText.clear();
    for (int i = 1; i <= g.Race.NumStats; ++i) {
        auto& value = g.Character.Stats[i];
        std::string answer = g.ui.InputText("Give a NUMBER for " + g.Race.StatName[i], g.AppTitle,
                                            std::to_string(value));
        // The integer part of the leading number, kept within the field.
        if (!answer.empty())
            value = static_cast<int16_t>(std::clamp(std::trunc(Val(answer)), -32768.0, 32767.0));
        g.Form1.StatsText += g.Race.StatName[i] + ": " + std::to_string(value) + CrLf;
        RefreshGauge(g, i);
    }
    g.HandEntered = "E";
    CalcHitPoints(g);
}

void Form1TypeTechLevel(Game& g) {
    std::string answer = g.ui.InputText("Enter NUMERIC tech level", g.AppTitle, g.Form1.TL);
    if (answer.empty()) return;
    g.Character.TechLevel = static_cast<int16_t>(std::clamp(ValInt(answer), -32768, 32767));
    g.Form1.TL = std::to_string(g.Character.TechLevel);
}

void Form1SetVilaniLevel(Game& g, int level) {
    if (level >= 0 && level < MainWindowModel::VilaniLevels) g.VilaniLevel = level;
}

void Form1LoadTrg(Game&) {}

void Form1LoadOptionSet(Game& g, int slot) {
    if (slot >= 1 && slot <= 4 && g.OptionSetMenuAvailable[slot]) LoadOptionSet(g, slot);
}

}  // namespace orrimar
