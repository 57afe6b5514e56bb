// Special assignments of the DNAVY service: the sixth characteristic, not
// a die, decides the posting, or the die among a few postings.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

const SpecialTable& DnavyAssignments() {
    static const SpecialTable table{
        "DNAVY assignments",
        NoThrow(),  // always applied with the number chosen below
        {
            At(1).Log("- Attache").Grant({"+1 Sen"}),
            At(2).Log("Command College").Try(4, {"TACTICAL", "TACTICAL", "Leader"}),
            At(3)
                .Log("- Engineering School")
                .Try(4, {"Mechanical", "Electronics", "Gravitics", "Engineering"}),
            At(4)
                .Log("- Gunnery School")
                .Try(5, {"SPACE COMBAT", "SPACE COMBAT", "SPACE COMBAT", "SPACE COMBAT",
                         "SPACE COMBAT"}),
            At(5)
                .Log("- Intelligence School")
                .Try(4, {"Forgery", "Bribery", "GUN COMBAT", "Streetwise", "Interrogation"}),
            At(6).Log("- PSI School").Grant({"PSIONIC"}),
            At(7)
                .Log("- Specialist School")
                .Try(4,
                     {"Mechanical", "Electronics", "Gravitics", "Engineering", "MILITARY MEDICAL"}),
            At(8).Log("- Staff College").Try(4, {"Fleet Tactics", "Liaison", "Fleet Tactics"}),
        }};
    return table;
}

}  // namespace

const SpecialTable& DnavySpecials() {
    static const SpecialTable table{
        "DNAVY",
        StatValue(StatSoc),
        {
            At(1, 2).Then(DnavyAssignments, Fixed(4)),
            At(3).Then(DnavyAssignments, Fixed(6)),
            At(4).Then(DigitOf("DNAVY 4", "378", DnavyAssignments)),
            At(5).Then(DigitOf("DNAVY 5", "12568", DnavyAssignments)),
            At(6).Log("- OCS").SetRank(10).Then(DigitOf("DNAVY 6", "25", DnavyAssignments)),
            // Any other value: no special assignment.
            Any(),
        }};
    return table;
}

}  // namespace orrimar
