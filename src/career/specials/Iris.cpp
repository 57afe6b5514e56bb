// Special assignments of the IRIS service.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// Results 6 and 8 both send the character to commando school.
SpecialRow CommandoSchoolAt(int result) {
    return At(result)
        .Log("- Commando school")
        .Try(5, {"Brawling", "GUN COMBAT", "Demolitions", "Intrusion", "Stealth", "Survival",
                 "Recon", "Battledress", "BLADE COMBAT", "Instruction"});
}

}  // namespace

const SpecialTable& IrisSpecials() {
    static const SpecialTable table{
        "IRIS",
        Die(1, 6).Plus(1, {BranchHas(BranchMark::Covert)}).Plus(2, {BranchHas(BranchMark::Strike)}),
        {
            // Old hands teach rather than learn.
            At(1).If(SkillAbove("Medical", 3)).Log("- Medical school").Grant({"Instruction"}),
            At(1).Log("- Medical school").Grant({"Medical-2"}),
            At(2)
                .If(SkillAbove("Interrogation", 3))
                .Log("- Interrogation school")
                .Grant({"Instruction"}),
            At(2)
                .Log("- Interrogation school")
                .Try(4, {"Interrogation", "Interrogation", "Interrogation"}),
            At(3)
                .Log("- Intelligence school")
                .Try(5, {"Interrogation", "Liaison", "Admin", "Streetwise"}),
            At(4)
                .Log("- Naval studies")
                .Try(5, {"Pilot", "Ship's Boat", "Navigation", "Vacc Suit", "Zero G Environ",
                         "GUNNERY"}),
            At(5).Log("- Command college").Try(5, {"Tactics", "Tactics", "Recon", "Combat Eng"}),
            CommandoSchoolAt(6),
            At(7)
                .Log("- Assassin training")
                .Try(3, {"Stealth", "Intrusion", "GUN COMBAT"})
                .Try(5, {"BLADE COMBAT", "HAND COMBAT"}),
            CommandoSchoolAt(8),
            // 9 (a branch both covert and strike): nothing.
            At(9),
        }};
    return table;
}

}  // namespace orrimar
