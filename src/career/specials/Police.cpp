// Special assignments of the COPS (police) service. Its schools are data
// files: the academy digit at the thrown position of the service's
// [SCHOOL] line picks ICOPn.SCH, or the race's own academies.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// Two skills of the academy, each picked by one die.
constexpr int AcademySkills = 2;

const SpecialTable& PoliceAssignments() {
    static const SpecialTable table{
        "Police",
        Die(1, 9),
        {
            // Race types 6 and 7 have one academy each and know no other
            // posting: every throw but 9 lands there.
            AtMost(8).If(RaceIs(6)).SchoolIn("AMCOP.SCH", AcademySkills),
            AtMost(8).If(RaceIs(7)).SchoolIn("AFCOP.SCH", AcademySkills),
            At(1, 6).If(RaceIs(4)).SchoolAt("ZCOP", AcademySkills),
            At(1, 6).If(RaceIs(2)).SchoolAt("SCOP", AcademySkills),
            At(1, 6).SchoolAt("ICOP", AcademySkills),
            At(7)
                .Log("- Cross-training")
                .Grant({"XTRAIN"})
                .Open(3, "Transfer to branch Detective now available"),
            At(8).Log("- Medical school").Grant({"Admin", "MILITARY MEDICAL"}),
            At(9).If(RaceIs(12)).Log("- Training").Rolls(3),
            At(9).Log("- OCS").SetRank(10).Rolls(2),
        }};
    return table;
}

}  // namespace

const SpecialTable& PoliceSpecials() {
    static const SpecialTable table{"Police",
                                    NoThrow(),
                                    {
                                        // Race type 2 throws one die: academies only.
                                        Any().If(RaceIs(2)).Then(PoliceAssignments, Die(1, 6)),
                                        Any().Then(PoliceAssignments),
                                    }};
    return table;
}

}  // namespace orrimar
