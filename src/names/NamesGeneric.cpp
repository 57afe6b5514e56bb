// The generic name set: plain consonant clusters and vowels that serve
// every race without a language of its own.
#include "names/NamePieces.h"

namespace orrimar {

NameSet MakeNameGenericTables() {
    NameSet set;
    set.T1 = {"B",  "Br", "C",  "Ch", "Cr", "D",  "Dr", "F",   "Fr", "G",  "Gr", "K",
              "Kr", "L",  "M",  "N",  "P",  "Ph", "Pr", "Phr", "R",  "Rh", "S",  "Sk",
              "Sl", "Sp", "Sr", "St", "T",  "Th", "Tr", "V",   "Vr", "W",  "Wr"};
    set.T2 = {"c", "b", "d", "f", "g", "k", "l", "m", "n", "p", "r", "s", "t", "w", "y"};
    set.T3 = {"a", "e", "i", "o", "u"};
    set.T4 = {"c", "s", "t", "r", "l", "n"};
    return set;
}

}  // namespace orrimar
