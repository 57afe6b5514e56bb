// Special assignments of the NAVY.
#include "career/specials/Families.h"
#include "career/specials/SharedResults.h"

namespace orrimar {

namespace {

using namespace specials;

SpecialThrow NavyThrow() {
    return Die(1, 6).Plus(1, {StatAbove(StatEdu, 7)});
}

const SpecialTable& NavyEnlisted() {
    static const SpecialTable table{
        "Navy enlisted",
        NavyThrow(),
        {
            At(1).Log("- cross-train").Grant({"XTRAIN"}),
            At(2).Then(SpecialistSchool(
                {"Mechanical", "Electronics", "Gravitic", "Commo", "Engineering", "Ship's Boat"},
                {"ACADEMIC", "Medical", "SPACE TECHNICAL", "SPACE", "Computer", "Liaison"})),
            At(3).Log("- Recruiting").Grant({"Recruiting"}),
            At(4)
                .Log("- Engineering School")
                .Try(5, {"Mechanical", "Electronics", "Gravitics", "Engineering"}),
            At(5).Log("- Gunnery School").Try(5, {"GUNNERY", "GUNNERY", "GUNNERY", "GUNNERY"}),
            At(6, 7).Then(OfficerCandidateSchool),
        }};
    return table;
}

const SpecialTable& NavyOfficer();

// An Admiral's Aide serves the fleet, so the further posting comes from
// the navy's own officer table (the army's would hand a naval officer
// Commando School and its branch). Result 4 of that table may post the
// aide once more, which the tables' depth bound keeps finite.
const SpecialTable& NavalAttache() {
    static const SpecialTable table =
        AttacheOrAide("- Naval Attache", "- Admiral's Aide", NavyOfficer);
    return table;
}

const SpecialTable& NavyOfficer() {
    static const SpecialTable table{
        "Navy officer",
        NavyThrow(),
        {
            At(1).Log("- cross-train").Grant({"XTRAIN"}),
            At(2)
                .Log("- Intelligence School")
                .Try(4, {"Forgery", "Bribery", "Streetwise", "Interrogation", "GUN COMBAT"}),
            At(3).Log("- Recruiting").Grant({"Recruiting"}),
            At(4).Then(NavalAttache),
            At(5)
                .Log("- Command College")
                .Try(4, {"Ship Tactics", "Fleet Tactics", "Leader", "Admin"}),
            At(6, 7)
                .Log("- Staff College")
                .Try(4, {"Admin", "Fleet Tactics", "Computer", "Robot Ops", "Liaison"}),
        }};
    return table;
}

}  // namespace

const SpecialTable& NavySpecials() {
    static const SpecialTable table{"Navy",
                                    NoThrow(),
                                    {
                                        Any().If(Enlisted()).Then(NavyEnlisted),
                                        Any().Then(NavyOfficer),
                                    }};
    return table;
}

}  // namespace orrimar
