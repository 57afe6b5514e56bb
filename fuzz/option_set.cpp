// An option-set slot file read from memory: saving what was read and
// reading it back must give the same settings, and a career is played
// under them.
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "session/OptionSets.h"

namespace orrimar::fuzz {

void OptionSet(std::string_view data) {
    const uint64_t seed = Hash(data);
    Game g = SampleGame();
    Begin(g, seed);
    ReadOptionSetText(g, Lines(data));

    Game again = g;
    ReadOptionSetText(again, OptionSetLines(g, "fuzz"));
    bool same = again.career.Character.Options == g.career.Character.Options;
    for (size_t i = 0; i < g.session.PrefSkill.size(); ++i)
        same = same && again.session.PrefSkill[i].Name == g.session.PrefSkill[i].Name &&
               again.session.PrefSkill[i].Level == g.session.PrefSkill[i].Level;
    if (!same) Fail("an option set read back differs from the one saved");

    Begin(g, seed);
    PlayCareerOf(g, seed, seed >> 8, seed >> 16);
}

}  // namespace orrimar::fuzz
