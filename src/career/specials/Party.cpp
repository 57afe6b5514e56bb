// Special assignments of the PARTY service.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

}  // namespace

const SpecialTable& PartySpecials() {
    static const SpecialTable table{
        "Party",
        Die(1, 6).Plus(1, {StatAbove(StatSoc, 7)}).Plus(1, {StatAbove(StatSoc, 11)}),
        {
            At(1).Log("- Trade Mission").Try(4, {"Broker", "Liaison", "Streetwise", "Trader"}),
            At(2).Log("- Cultural Exchange").Try(4, {"Admin", "Liaison", "Streetwise"}),
            At(3).Log("- Party Education").Grant({"Recruiting", "Instruction"}),
            At(4)
                .Log("- Council Secretary")
                .Try(4, {"Admin", "Liaison", "Computer"})
                .Grant({"+1 Par"}),
            At(5).Log("- College").Try(4, {"+1 Edu"}),
            AtLeast(6)
                .Log("- Party Congress")
                .Try(4, {"Admin", "Liaison", "Streetwise", "Leader"})
                .Grant({"+2 Par"}),
        }};
    return table;
}

}  // namespace orrimar
