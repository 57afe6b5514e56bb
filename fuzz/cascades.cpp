// The same input read as cascade.dat and as COYNS.DAT; every cascade it
// names is then taken as a skill, and a career is played by a race that
// draws coins.
#include "career/Cascades.h"
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "career/Skills.h"
#include "model/Generate.h"
#include "text/Text.h"

namespace orrimar::fuzz {

void Cascades(std::string_view data) {
    const std::vector<std::string> lines = Lines(data);
    const uint64_t seed = Hash(data);
    Game g = SampleGame();
    Begin(g, seed, 1);
    if (!ReadCascadeText(LoadedRules(g), lines).empty() ||
        !ReadCoynsText(LoadedRules(g), lines).empty())
        return;

    Generate(g);
    const int count = g.rules.StdCascade.Size();
    for (int i = 1; i <= count; ++i) {
        std::string name = g.rules.StdCascade[i].substr(0, g.rules.StdCascade[i].find('/'));
        AddSkill(g, name);
    }

    // The coin-drawing race of the sample data.
    const auto& races = g.windows.RaceList.Entries;
    for (size_t r = 0; r < races.size(); ++r) {
        if (races[r].Key != "DROYNE.ERI") continue;
        PlayCareerOf(g, r, seed >> 8, seed >> 16);
        break;
    }
}

}  // namespace orrimar::fuzz
