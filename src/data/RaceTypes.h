// The race type numbers the built-in rules know, each named after the
// sample race that uses it (data/README.md lists what each one does).
// Types 5, 9, 13 and 15 have no rules of their own.
#pragma once

namespace orrimar {

enum RaceType : int {
    RaceImperial = 1,  // the "Vilani Blood..." menu
    RaceConcord = 2,
    RaceVargr = 3,
    RaceZhodani = 4,
    RaceAslanMale = 6,
    RaceAslanFemale = 7,
    RaceDroyne = 8,
    RaceDominion = 10,
    RaceChelith = 11,
    RaceTarrenai = 12,
    RaceLysithi = 21,
    RaceSkethra = 24,
    RaceCovenant = 25,
};

}  // namespace orrimar
