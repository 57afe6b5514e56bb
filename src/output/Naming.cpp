#include "output/Naming.h"

#include "ask/Question.h"
#include "model/Game.h"
#include "names/Names.h"

namespace orrimar {

namespace {
constexpr int MoreNames = 11;
constexpr int EnterManually = 12;
constexpr int LeaveBlank = 13;
}  // namespace

std::string SuggestedNames(Game& g, const NameSet& set) {
    std::string choices;
    for (int k = 0; k < 10; ++k) choices += MakeName(g, set) + "/";
    return choices + "10 more/Enter manually/Leave blank";
}

void NameCharacter(Game& g) {
    // Prepared afresh each time, so one race's names never leak into another's.
    const NameSet set = PrepareNames(g);
    while (true) {
        const std::string names = SuggestedNames(g, set);
        const Picked picked = Answer(
            g, PickQuestion{.Choices = names, .Title = "Suggested names", .When = AutoWhen::Never});
        if (picked.Index == MoreNames) continue;
        if (picked.Index == EnterManually) {
            const std::string typed = g.ui.InputText("Give character's name", g.AppTitle, "");
            if (typed.empty()) continue;
            g.Character.Name = typed;
            return;
        }
        g.Character.Name = picked.Index == LeaveBlank ? "" : picked.Text;
        return;
    }
}

}  // namespace orrimar
