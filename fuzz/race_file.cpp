// A race file read from memory; a race the loader takes must then roll a
// character, a name and a homeworld.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "data/Race.h"
#include "model/Generate.h"
#include "names/Homeworld.h"
#include "names/Names.h"

namespace orrimar::fuzz {

void RaceFile(std::string_view data) {
    RaceRecord race;
    DataProblem problem;
    if (!ReadRaceText("FUZZ.ERI", Lines(data), race, problem)) {
        (void)problem.Text();
        return;
    }
    Game g = SampleGame();
    Begin(g, Hash(data));
    LoadedRules(g).Race = race;
    Generate(g);
    g.career.Character.Homeworld = MakeHomeworld(g, 2);
    g.career.Character.Name = MakeName(g, PrepareNames(g.rules));
}

}  // namespace orrimar::fuzz
