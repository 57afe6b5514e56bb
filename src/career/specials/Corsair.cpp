// Special assignments of the CORSAIR and PIRATE services.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

}  // namespace

const SpecialTable& CorsairSpecials() {
    static const SpecialTable table{
        "Corsair",
        Die(1, 5),
        {
            At(1)
                .Log("- Infiltrate")
                .Try(5, {"Stealth", "Reconnaisance", "Bribery", "Disguise", "Tactics"}),
            At(2).Log("- Mutiny").Try(5, {"Stealth", "GUN COMBAT", "Leader", "Tactics"}),
            At(3).Log("- Sabotage").Try(4, {"Demolition", "Intrusion", "Disguise"}),
            At(4).Log("- Ship Heist").Try(4, {"Disguise", "Bribery", "Forgery", "GUN COMBAT"}),
            At(5)
                .Log("- Lieutenant")
                .Try(4, {"Leader", "Recruiting", "Interrogation", "Bootlicking", "GUN COMBAT"}),
        }};
    return table;
}

}  // namespace orrimar
