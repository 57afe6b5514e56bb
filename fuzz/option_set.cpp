// An option-set slot file read from memory: saving what was read and
// reading it back must give the same settings, and a career is played
// under them.
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "startup/OptionSets.h"

namespace orrimar::fuzz {

void OptionSet(std::string_view data) {
    const uint64_t seed = Hash(data);
    Game g = SampleGame();
    Begin(g, seed);
    ReadOptionSetText(g, Lines(data));

    Game again = g;
    ReadOptionSetText(again, OptionSetLines(g, "fuzz"));
    bool same = again.Character.Options == g.Character.Options;
    for (size_t i = 0; i < g.PrefSkill.size(); ++i)
        same = same && again.PrefSkill[i].Name == g.PrefSkill[i].Name &&
               again.PrefSkill[i].Level == g.PrefSkill[i].Level;
    if (!same) Fail("an option set read back differs from the one saved");

    Begin(g, seed);
    PlayCareerOf(g, seed, seed >> 8, seed >> 16);
}

}  // namespace orrimar::fuzz
