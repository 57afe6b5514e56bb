// Special assignments of the COAFC services: one table with space skills
// ("SD": COAFC and COAFCSD) and one with planetary skills ("PD": COAFCPD).
#include <string>

#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// The texts in which the two forms differ.
struct Arm {
    const char* Name;
    const char* SchoolText;
    const char* Flight;  // the eighth skill of special forces school
    const char* Landing;
    const char* Branch;
    const char* Technical;  // specialist school, lower list
    const char* Field;
    const char* Drive;  // specialist school, upper list
    const char* Craft;
    const char* Engine;  // engineering school
    const char* Tactics;
    const char* Systems;
};

constexpr Arm SpaceArm{"COAFC SD",
                       "- SSS School",
                       "Vacc Suit",
                       "Grav Belt",
                       "Transfer to branch SSS now available",
                       "SPACE TECHNICAL",
                       "SPACE",
                       "Gravitics",
                       "Ship's Boat",
                       "Gravitics",
                       "Ship Tactics",
                       "Robot Ops"};
constexpr Arm PlanetaryArm{"COAFC PD",
                           "- SAS School",
                           "AIRCRAFT",
                           "Parachute",
                           "Transfer to branch SAS now available",
                           "TECHNICAL",
                           "VEHICLE",
                           "Mechanical",
                           "AIRCRAFT",
                           "Combat Eng",
                           "Airplane Tactics",
                           "Commo"};

SpecialThrow CoafcThrow() {
    return Die(1, 6).Plus(1, {StatAbove(StatSoc, 10)});
}

// Result 5 for enlisted and officers alike; race type 10 has no such school.
SpecialRow SpecialForcesSchool(const Arm& arm) {
    return At(5)
        .Log(arm.SchoolText)
        .Try(5, {"Brawling", "GUN COMBAT", "Demolitions", "SPECIAL COMBAT", "Recon", "BLADE COMBAT",
                 arm.Flight, "Instruction", "PHYSICAL", arm.Landing})
        .Open(2, arm.Branch);
}

// Unlike the core services' school, the lower Int + Edu takes the list
// beginning "ACADEMIC".
SpecialTable SpecialistSchool(const Arm& arm) {
    return {"COAFC specialist school",
            NoThrow(),
            {
                Any()
                    .If(IntEduAtMost(15))
                    .Log("- Specialist school")
                    .Then(SkillList("COAFC specialist lower", Die(1, 6),
                                    {"ACADEMIC", "Medical", arm.Technical, arm.Field, "Computer",
                                     "INTERPERSONAL"})),
                Any()
                    .Log("- Specialist school")
                    .Then(SkillList("COAFC specialist upper", Die(1, 6),
                                    {"Mechanical", "Electronics", arm.Drive, "Commo", "Engineering",
                                     arm.Craft})),
            }};
}

SpecialTable EnlistedTable(const Arm& arm) {
    return {std::string(arm.Name) + " enlisted",
            CoafcThrow(),
            {
                At(1).Log("- Cross-training").Grant({"XTRAIN"}),
                At(2).Then(SpecialistSchool(arm)),
                At(3).Log("- Recruiting").Grant({"Recruiting"}),
                At(4)
                    .Log("- Gunnery school")
                    .Try(5, {"WEAPON SYSTEM", "WEAPON SYSTEM", "WEAPON SYSTEM", "WEAPON SYSTEM"}),
                At(5).If(RaceIs(10)),
                SpecialForcesSchool(arm),
                At(6)
                    .Log("- Engineering School")
                    .Try(4, {"Mechanical", "Electronics", "Engineering", arm.Engine}),
                At(7).Then(SpecialTable{"COAFC OCS",
                                        RankValue(),
                                        {
                                            Any().If(RaceIs(12)).Log("- Training").Rolls(3),
                                            At(7).Log("- OCS").SetRank(11).Rolls(3),
                                            AtLeast(8).Log("- OCS").SetRank(12).Rolls(3),
                                            Any().Log("- OCS").SetRank(10).Rolls(3),
                                        }}),
            }};
}

SpecialTable OfficerTable(const Arm& arm) {
    return {std::string(arm.Name) + " officer",
            CoafcThrow(),
            {
                At(1).Log("- Cross training").Grant({"XTRAIN"}),
                At(2).Log("IntSch ").Try(
                    4, {"Forgery", "GUN COMBAT", "Bribery", "Streetwise", "Interrogation"}),
                At(3).Log("- Recruiting").Grant({"Recruiting"}),
                At(4).Log("- COAFC Attache").Grant({"+1 Soc"}).RaiseRank(),
                At(5).If(RaceIs(10)),
                SpecialForcesSchool(arm),
                At(6)
                    .Log("- Staff college")
                    .Try(4, {arm.Tactics, arm.Systems, "Admin", "Computer", "Liaison"}),
                At(7)
                    .Log("- Command college")
                    .Try(4, {arm.Tactics, arm.Systems, "Leader", "Computer", "Leader"}),
            }};
}

SpecialTable CoafcSpecials(const Arm& arm) {
    return {arm.Name,
            NoThrow(),
            {
                Any().If(Enlisted()).Then(EnlistedTable(arm)),
                Any().Then(OfficerTable(arm)),
            }};
}

}  // namespace

const SpecialTable& CoafcSpaceSpecials() {
    static const SpecialTable table = CoafcSpecials(SpaceArm);
    return table;
}

const SpecialTable& CoafcPlanetarySpecials() {
    static const SpecialTable table = CoafcSpecials(PlanetaryArm);
    return table;
}

}  // namespace orrimar
