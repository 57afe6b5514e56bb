// Special assignments of the DMIL service: the sixth characteristic, not
// a die, decides the posting, or the die among a few postings.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

const SpecialTable& DmilAssignments() {
    static const SpecialTable table{
        "DMIL assignments",
        NoThrow(),  // always applied with the number chosen below
        {
            At(1).Log("- Aide").Grant({"Steward", "+1 Sen"}),
            At(2).Log("- Attache").Grant({"+1 Sen"}),
            At(3).Log("- Command College").Try(4, {"Tactics", "Leader", "Recon"}),
            At(4)
                .Log("- Cross-train")
                .Grant({"XTRAIN"})
                .Open(8, "Transfer to branch Drop Troops now available"),
            At(5)
                .Log("- Intelligence School")
                .Try(4, {"Forgery", "Bribery", "Streetwise", "Interrogation"}),
            At(6)
                .Log("- Orital Assault Training")
                .Try(5, {"GUN COMBAT", "HEAVY WEAPONS", "Recon", "Battledress", "Survival",
                         "Tactics"}),
            At(7)
                .Log(" - Protected Forces")
                .Try(3, {"Vacc Suit", "Zero G Combat", "Zero G Weapon"}),
            At(8)
                .Log("- Skirmish School")
                .Try(4, {"GUN COMBAT", "BLADE COMBAT", "Demolitions", "Survival", "Recon",
                         "Battledress"}),
            At(9)
                .Log("- Staff College")
                .Try(4, {"Admin", "Appeal", "Combat Eng", "Computer", "Liaison"}),
        }};
    return table;
}

}  // namespace

const SpecialTable& DmilSpecials() {
    static const SpecialTable table{
        "DMIL",
        StatValue(StatSoc),
        {
            At(1).Then(DmilAssignments, Fixed(7)),
            At(2).Then(DigitOf("DMIL 2", "4678", DmilAssignments)),
            At(3).Then(DmilAssignments, Fixed(1)),
            At(4).Then(DigitOf("DMIL 4", "49", DmilAssignments)),
            At(5).Then(DigitOf("DMIL 5", "2459", DmilAssignments)),
            At(6).Log("- OCS").SetRank(10).Then(DigitOf("DMIL 6", "3459", DmilAssignments)),
            // Any other value: no special assignment.
            Any(),
        }};
    return table;
}

}  // namespace orrimar
