// Special assignments of the FSPACE and MSPACE services: one table for the
// female service ("F") and one for the male ("M").
#include <string>
#include <utility>
#include <vector>

#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

// Officers add one: they never reach OCS (1), and only they reach 7.
SpecialThrow SpaceThrow() {
    return Die(1, 6).Plus(1, {Officer()});
}

// A new officer may later transfer to the staff.
const SpecialTable& SpaceOcs() {
    static const std::string staff = "Transfer to branch Staff now available";
    static const SpecialTable table{"Clan space OCS",
                                    RankValue(),
                                    {
                                        At(7).Log("- OCS").SetRank(11).Rolls(3).Open(7, staff),
                                        AtLeast(8).Log("- OCS").SetRank(12).Rolls(3).Open(7, staff),
                                        Any().Log("- OCS").SetRank(10).Rolls(3).Open(7, staff),
                                    }};
    return table;
}

// Rows 1 to 3 are the same for both services.
std::vector<SpecialRow> SharedRows() {
    return {
        At(1).Then(SpaceOcs),
        At(2)
            .Log("- Specialist School")
            .Then(SkillList("Clan space specialist school", Die(1, 6),
                            {"TECHNICAL", "SPACE TECHNICAL", "VEHICLE", "Interrogation",
                             "SPACE COMBAT", "ENVIRON"})),
        At(3).Log("- Cross Train").Grant({"XTRAIN"}),
    };
}

SpecialTable WithSharedRows(std::string name, std::vector<SpecialRow> own) {
    SpecialTable table{std::move(name), SpaceThrow(), SharedRows()};
    for (auto& row : own) table.Rows.push_back(std::move(row));
    return table;
}

}  // namespace

const SpecialTable& MaleSpaceSpecials() {
    static const SpecialTable table = WithSharedRows(
        "MSPACE",
        {
            At(4).Log("- Flight School").Try(5, {"SPACE COMBAT", "Vacc Suit", "Pilot"}),
            At(5).Log("- Gunnery School").Try(5, {"GUNNERY", "GUNNERY", "GUNNERY", "GUNNERY"}),
            At(6)
                .Log("- Ship School")
                .Try(4, {"Personal Weapons", "Tactics", "Zero G Weapons", "Zero G Combat"}),
            At(7).Log("- Command College").Try(4, {"Tactics", "Leader", "Recon"}),
        });
    return table;
}

const SpecialTable& FemaleSpaceSpecials() {
    static const SpecialTable table = WithSharedRows(
        "FSPACE", {
                      At(4)
                          .Log("- Intelligence School")
                          .Try(4, {"SPACE COMBAT", "Bribery", "Forgery", "GUN COMBAT",
                                   "Interrogation", "Streetwise"}),
                      At(5)
                          .Log(" - Purser Training")
                          .Try(4, {"Admin", "ECONOMIC", "ECONOMIC", "Computer", "Liaison",
                                   "Tolerance", "Legal"}),
                      // A skilled physician teaches instead.
                      At(6)
                          .If(SkillAbove("Medical", 2))
                          .Log("- Medical Training (instructor)")
                          .Grant({"Instruction"}),
                      At(6)
                          .Log("- Medical Training")
                          .Grant({"Medical-2"})
                          .Try(4, {"Jack of Trades", "Medical", "Steward"}),
                      At(7).Log("- Staff College").Try(4, {"Admin", "Combat Eng", "Computer"}),
                  });
    return table;
}

}  // namespace orrimar
