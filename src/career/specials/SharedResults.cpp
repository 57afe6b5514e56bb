#include "career/specials/SharedResults.h"

#include <utility>

namespace orrimar::specials {

SpecialTable SpecialistSchool(std::vector<std::string> technical,
                              std::vector<std::string> academic) {
    return {
        "Specialist School",
        NoThrow(),
        {
            Any()
                .If(IntEduAtMost(15))
                .Log("- Specialist School")
                .Then(SkillList("Specialist School technical", Die(1, 6), std::move(technical))),
            Any()
                .Log("- Specialist School")
                .Then(SkillList("Specialist School academic", Die(1, 6), std::move(academic))),
        }};
}

const SpecialTable& OfficerCandidateSchool() {
    static const SpecialTable table{
        "OCS",
        RankValue(),
        {
            Any().If(RaceIs(12)).Log("- Training").Rolls(3),
            At(7).Log("- OCS").SetRank(11).Rolls(2).Announce("Promoted to officer rank ", true),
            At(8, 9).Log("- OCS").SetRank(12).Announce("Promoted to officer rank ", true),
            Any().Log("- OCS").SetRank(10).Rolls(2).Announce("Promoted to officer rank ", true),
        }};
    return table;
}

const SpecialTable& CommandoSchool() {
    static const SpecialTable table{
        "Commando School",
        NoThrow(),
        {
            Any()
                .If(BranchOpened(1))
                .Log("- Commando School (as instructor)")
                .Grant({"Instruction"}),
            Any()
                .Log("- Commando School")
                .Try(5, {"Brawling", "GUN COMBAT", "Demolitions", "Intrusion", "Stealth",
                         "Survival", "Recon", "Vacc Suit", "BLADE COMBAT", "Instruction"})
                .Open(1, "Transfer to branch Commando now available"),
        }};
    return table;
}

const SpecialTable& TavrchedlTraining() {
    static const SpecialTable table{
        "Tavrchedl' Training",
        NoThrow(),
        {
            Any()
                .If(Enlisted())
                .Log(" - Tavrchedl' Training")
                .Try(3, {"NV Comm", "Psychology", "INTERPERSONAL", "TALENT"})
                .Open(6, "Transfer to branch Tavrchedl' now available"),
            Any()
                .Log("Tavrchedl' Training")
                .Try(3, {"NV Comm", "Psychology", "INTERPERSONAL", "TALENT"})
                .Open(6, "Transfer to branch Tavrchedl' now available"),
        }};
    return table;
}

SpecialTable AttacheOrAide(std::string attache, std::string aide, TableFn officerTable) {
    return {
        "Attache or aide",
        Die(1, 6),
        {
            AtMost(4).Log(std::move(attache)).Grant({"+1 Soc"}).RaiseRank().Announce("Promoted!"),
            At(5, 6).Log(std::move(aide)).Grant({"+1 Soc"}).Then(officerTable, Die(1, 5)),
        }};
}

}  // namespace orrimar::specials
