#include "ui/MainWindow.h"

#include <algorithm>
#include <cmath>

#include "model/Game.h"
#include "model/Generate.h"
#include "session/OptionSets.h"
#include "text/Text.h"

namespace orrimar {

void Form1Generate(Game& g) {
    Generate(g);
}

bool Form1Accept(Game& g) {
    if (!g.windows.ServiceList.Current() || !g.windows.BranchList.Current()) {
        g.ui.Message("You have to select a service and branch!", g.session.AppTitle,
                     MsgIcon::Warning);
        return false;
    }
    g.windows.Form1.Accepted = true;
    return true;
}

namespace {

// An answer holding no number is taken as 0, as these prompts always have
// taken it; the player is told, so a slip ("l5") does not pass unseen.
void WarnIfNoNumber(Game& g, const std::string& answer, const std::string& what) {
    if (!LeadingNumber(answer))
        g.ui.Message("\"" + answer + "\" holds no number: " + what + " is set to 0.",
                     g.session.AppTitle, MsgIcon::Warning);
}

}  // namespace

void Form1TypeStats(Game& g) {
    g.windows.Form1.StatsText.clear();
    for (int i = 1; i <= g.rules.Race.NumStats; ++i) {
        auto& value = g.career.Character.Stats[i];
        std::string answer = g.ui.InputText("Give a NUMBER for " + g.rules.Race.StatName[i],
                                            g.session.AppTitle, std::to_string(value));
        // The integer part of the leading number, kept within the field.
        if (!answer.empty()) {
            WarnIfNoNumber(g, answer, g.rules.Race.StatName[i]);
            value = static_cast<int16_t>(std::clamp(std::trunc(Val(answer)), -32768.0, 32767.0));
        }
        g.windows.Form1.StatsText += g.rules.Race.StatName[i] + ": " + std::to_string(value) + CrLf;
        RefreshGauge(g, i);
    }
    g.career.HandEntered = "E";
    CalcHitPoints(g);
}

void Form1TypeTechLevel(Game& g) {
    std::string answer =
        g.ui.InputText("Enter NUMERIC tech level", g.session.AppTitle, g.windows.Form1.TL);
    if (answer.empty()) return;
    WarnIfNoNumber(g, answer, "the tech level");
    g.career.Character.TechLevel = static_cast<int16_t>(std::clamp(ValInt(answer), -32768, 32767));
    g.windows.Form1.TL = std::to_string(g.career.Character.TechLevel);
}

void Form1SetVilaniLevel(CareerPart& career, int level) {
    if (level >= 0 && level < MainWindowModel::VilaniLevels) career.VilaniLevel = level;
}

void Form1LoadTrg(Game&) {}

void Form1LoadOptionSet(Game& g, int slot) {
    if (slot >= 1 && slot <= 4 && g.session.OptionSetMenuAvailable[slot]) LoadOptionSet(g, slot);
}

}  // namespace orrimar
