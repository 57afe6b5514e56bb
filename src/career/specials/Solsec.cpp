// Special assignments of the SOLSEC service.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// Two dice, lifted by a sharp mind and by standing; a total above 12 finds
// no course.
const SpecialTable& SpecialistTraining() {
    static const SpecialTable table{
        "SOLSEC specialist training",
        Die(2, 6).Plus(4, {StatAbove(StatInt, 7)}).Plus(4, {StatAbove(StatSoc, 7)}),
        {
            At(2).Grant({"Medical"}),
            At(3).Grant({"Liaison"}),
            At(4).Grant({"Mechanical"}),
            At(5).Grant({"Electronics"}),
            At(6).Grant({"Gravitics"}),
            At(7).Grant({"VEHICLE"}),
            At(8).Grant({"Navigation"}),
            At(9).Grant({"Computer"}),
            At(10).Grant({"Ships Boat"}),
            At(11).Grant({"Legal"}),
            At(12).Grant({"Trader"}),
            // Above 12: no course.
            AtLeast(13),
        }};
    return table;
}

}  // namespace

const SpecialTable& SolsecSpecials() {
    static const SpecialTable table{
        "SOLSEC",
        Die(1, 6)
            .Plus(1, {TermAtMost(5)})
            .Plus(1, {StatAbove(StatSoc, 5)})
            .Plus(-1, {StatBelow(StatSoc, 5)}),
        {
            AtMost(1).Log("- Trade Mission").Try(4, {"Broker", "Liaison", "Streetwise", "Trader"}),
            At(2).Log("- Cultural Exchange").Try(4, {"Admin", "Liaison", "Streetwise"}),
            At(3)
                .Log("- Crisis")
                .Try(4, {"Admin", "Computer", "GUN COMBAT", "Interrogation", "VEHICLE", "Pilot"}),
            At(4).Log("- Records Analysis").Try(3, {"Jack of Trades", "+1 Par", "Computer"}),
            At(5).Log("- College").Try(4, {"+1 Edu"}),
            At(6).Log("- Specialist Training").Then(SpecialistTraining),
            // The history text is ISO-8859-1, like every text of the program.
            At(7).Log("- Proteg\xe9").Try(3, {"Leader", "+1 Par"}).Grant({"+1 Par"}),
            At(8)
                .Log("- Council Secretary")
                .Try(4, {"Admin", "Liaison", "Computer"})
                .Grant({"+1 Par"}),
        }};
    return table;
}

}  // namespace orrimar
