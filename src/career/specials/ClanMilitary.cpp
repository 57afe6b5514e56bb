// Special assignments of the FMILIT and MMILIT services: one table for the
// female service ("F") and one for the male ("M").
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// Officers add one: they never reach OCS (1), and only they reach 7.
SpecialThrow MilitaryThrow() {
    return Die(1, 6).Plus(1, {Officer()});
}

const SpecialTable& MilitaryOcs() {
    static const SpecialTable table{"Clan military OCS",
                                    RankValue(),
                                    {
                                        At(7).Log("- OCS").SetRank(11).Rolls(3),
                                        AtLeast(8).Log("- OCS").SetRank(12).Rolls(3),
                                        Any().Log("- OCS").SetRank(10).Rolls(3),
                                    }};
    return table;
}

SpecialRow ProtectedForces() {
    return At(3)
        .Log("- Protected Forces")
        .Try(3, {"Vacc Suit", "High G Environ", "Zero G Environ"});
}

// One die, three more for officers; 9 finds no course.
const SpecialTable& FemaleSpecialistSchool() {
    static const SpecialTable table{"FMILIT specialist school",
                                    Die(1, 6).Plus(3, {Officer()}),
                                    {
                                        At(1).Grant({"VEHICLE"}),
                                        At(2).Grant({"MILITARY MEDICAL"}),
                                        At(3).Grant({"Commo"}),
                                        At(4).Grant({"Gravitics"}),
                                        At(5, 6).Grant({"TECHNICAL"}),
                                        At(7).Grant({"Computer"}),
                                        At(8).Grant({"INBORN"}),
                                        At(9),
                                    }};
    return table;
}

}  // namespace

const SpecialTable& MaleMilitarySpecials() {
    static const SpecialTable table{
        "MMILIT",
        MilitaryThrow(),
        {
            At(1).Then(MilitaryOcs),
            At(2)
                .Log("- Special Forces")
                .Try(5, {"Dewclaw", "GUN COMBAT", "SPECIAL COMBAT", "Survival", "Recon"}),
            ProtectedForces(),
            At(4)
                .Log("- Assault Training")
                .Try(5, {"ENVIRON", "GUN COMBAT", "SPECIAL COMBAT", "Survival", "Recon",
                         "HEAVY WEAPONS", "Battledress"}),
            At(5)
                .Log("- Assassin Training")
                .Try(4, {"Dewclaw", "Personal Weapons", "GUN COMBAT", "Recon", "Demolitions"})
                .Open(6, "Transfer to branch Assassin now available"),
            At(6).Log("- Attache").Grant({"Tolerance", "Independence"}),
            At(7).Log("- Command College").Try(4, {"Tactics", "Leader", "Recon"}),
        }};
    return table;
}

const SpecialTable& FemaleMilitarySpecials() {
    static const SpecialTable table{
        "FMILIT",
        MilitaryThrow(),
        {
            At(1).Then(MilitaryOcs),
            At(2).Log("- Cross-train").Grant({"XTRAIN"}),
            ProtectedForces(),
            At(4).Log("- Specialist School").Then(FemaleSpecialistSchool),
            At(5)
                .Log("- Intelligence School")
                .Try(4, {"Forgery", "Streetwise", "Bribery", "Interrogation"}),
            At(6).Log("- Attache").Grant({"Tolerance", "Steward"}),
            At(7).Log("- Staff College").Try(4, {"Admin", "Combat Eng", "Computer"}),
        }};
    return table;
}

}  // namespace orrimar
