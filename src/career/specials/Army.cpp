// Special assignments of the ARMY, MARINE and GUARD services.
#include "career/specials/Families.h"
#include "career/specials/SharedResults.h"

namespace orrimar {

namespace {

using namespace specials;

const SpecialTable& ArmyEnlisted() {
    static const SpecialTable table{
        "Army enlisted",
        Die(1, 6)
            .Plus(1, {CareerIs(ServiceKind::Marine), StatAbove(StatEdu, 6)})
            .Plus(1, {CareerIs(ServiceKind::Army), StatAtLeast(StatEnd, 7)}),
        {
            At(1).Log("- cross-training").Grant({"XTRAIN"}),
            At(2).Then(SpecialistSchool(
                {"Mechanical", "Electronics", "Gravitic", "Commo", "VEHICLE", "Ship's Boat"},
                {"ACADEMIC", "Medical", "SPACE", "ENVIRON", "Computer", "Liaison"})),
            // The Guard trains Tavrchedl' where the others go to Commando School.
            At(3).If(CareerIs(ServiceKind::Guard)).Then(TavrchedlTraining),
            At(3).Then(CommandoSchool),
            At(4)
                .Log("- Protected Forces")
                .Try(3, {"Vacc Suit", "High G Environ", "Zero G Environ"}),
            At(5).Log("- Recruiting").Grant({"Recruiting"}),
            AtLeast(6).Then(OfficerCandidateSchool),
        }};
    return table;
}

const SpecialTable& ArmyOfficer();

// A General's Aide throws again on this same officer table.
const SpecialTable& MilitaryAttache() {
    static const SpecialTable table =
        AttacheOrAide("- Military Attache", "- General's Aide", ArmyOfficer);
    return table;
}

const SpecialTable& ArmyOfficer() {
    static const SpecialTable table{
        "Army officer",
        Die(1, 6),
        {
            At(1)
                .Log("- Intelligence School")
                .Try(4, {"Forgery", "Bribery", "Streetwise", "Interrogation", "VICE"}),
            At(2).Log("- Command College").Try(4, {"Tactics", "Leader", "Recon"}),
            At(3).If(CareerIs(ServiceKind::Guard)).Then(TavrchedlTraining),
            At(3).Then(CommandoSchool),
            At(4)
                .Log("- Staff College")
                .Try(4, {"Admin", "Combat Engineering", "Computer", "Robot Ops"}),
            At(5).Log("- Recruiting").Grant({"Recruiting"}),
            AtLeast(6).Then(MilitaryAttache),
        }};
    return table;
}

}  // namespace

const SpecialTable& ArmySpecials() {
    static const SpecialTable table{"Army",
                                    NoThrow(),
                                    {
                                        Any().If(Enlisted()).Then(ArmyEnlisted),
                                        Any().Then(ArmyOfficer),
                                    }};
    return table;
}

}  // namespace orrimar
