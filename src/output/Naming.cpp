#include "output/Naming.h"

#include "ask/Question.h"
#include "model/Game.h"
#include "names/Names.h"
#include "text/Text.h"

namespace orrimar {

namespace {
constexpr int MoreNames = 11;
constexpr int EnterManually = 12;
constexpr int LeaveBlank = 13;
constexpr int GivenBefore = 14;

// A new name is a change no saved file holds yet: should this save be
// cancelled or fail, leaving asks again instead of calling it saved.
void Rename(CareerPart& career, std::string_view name) {
    if (name != career.Character.Name) career.Saved = false;
    career.Character.Name = name;
}

}  // namespace

std::string SuggestedNames(Game& g, const NameSet& set) {
    std::string choices;
    for (int k = 0; k < 10; ++k) choices += MakeName(g, set) + "/";
    return choices + "10 more/Enter manually/Leave blank";
}

void NameCharacter(Game& g) {
    // Prepared afresh each time, so one race's names never leak into another's.
    const NameSet set = PrepareNames(g.rules);
    // The name given for an earlier save of this character is offered last
    // (the other answers keep their numbers), so that its pages and files
    // can all carry one name without typing it again. A "/" would split the
    // list: such a name is offered by "Enter manually" alone, as its text.
    const std::string given = g.career.Character.Name;
    const bool offerGiven = !IsBlank(given) && given.find('/') == std::string::npos;
    while (true) {
        std::string names = SuggestedNames(g, set);
        if (offerGiven) names += "/" + given + " (as before)";
        const Picked picked = Answer(
            g, PickQuestion{.Choices = names, .Title = "Suggested names", .When = AutoWhen::Never});
        if (picked.Index == MoreNames) continue;
        if (picked.Index == EnterManually) {
            const std::string typed =
                g.ui.InputText("Give character's name", g.session.AppTitle, given);
            if (typed.empty()) continue;
            Rename(g.career, typed);
            return;
        }
        if (offerGiven && picked.Index == GivenBefore) return;
        Rename(g.career, picked.Index == LeaveBlank ? "" : picked.Text);
        return;
    }
}

}  // namespace orrimar
