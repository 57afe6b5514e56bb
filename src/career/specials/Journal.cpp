// Special assignments of the JOURNAL service.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

}  // namespace

const SpecialTable& JournalSpecials() {
    static const SpecialTable table{"Journal",
                                    Die(1, 6),
                                    {
                                        At(1)
                                            .Log("- Survival school")
                                            .Try(4, {"Survival", "GUN COMBAT"})
                                            .Only(Not(RaceIs(7)), 4, "Hunting")
                                            .Try(4, {"HAND COMBAT", "Jack of Trades"}),
                                        At(2).Log("- Journalism school").Grant({"Instruction"}),
                                        At(3).Log("- Space school").Grant({"Vacc Suit"}),
                                        At(4)
                                            .Log("- Ship training")
                                            .Only(Not(RaceIs(7)), 4, "Pilot")
                                            .Try(4, {"Navigation", "Engineering", "SPACE"}),
                                        At(5, 6).Log("- Language school").Grant({"Language"}),
                                    }};
    return table;
}

}  // namespace orrimar
