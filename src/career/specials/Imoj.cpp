// Special assignments of the IMOJ service. Its officers start at rank 8.
#include "career/specials/Families.h"
#include "career/specials/FamilyTable.h"

namespace orrimar {

namespace {

using namespace specials;

constexpr int FirstOfficerRank = 8;

SpecialThrow ImojThrow() {
    return Die(1, 6).Plus(1, {StatAbove(StatEdu, 7)});
}

const SpecialTable& CommandoSchool() {
    static const SpecialTable table{
        "IMOJ Commando School",
        NoThrow(),
        {
            Any()
                .Log("- Commando School")
                .Grant({"GUN COMBAT"})
                .Try(5, {"Battle Dress", "HAND COMBAT", "Demolitions", "HEAVY WEAPONS", "Intrusion",
                         "Recon", "Stealth", "Survival", "Battle Dress", "SPECIAL COMBAT"}),
        }};
    return table;
}

// The student's course, also taken by a seasoned interrogator who is not
// asked to teach.
SpecialRow InterrogationCourse() {
    return Any().Grant({"Interrogation"}).Try(4, {"INFLUENCE", "INVESTIGATION", "VICE"});
}

const SpecialTable& InterrogatorSchool() {
    static const SpecialTable table{
        "IMOJ Interrogator School",
        NoThrow(),
        {
            Any()
                .If(SkillAbove("Interrogation", 2))
                .Log("- Interrogator School")
                .Then(SpecialTable{"IMOJ interrogation instructor",
                                   Die(1, 6),
                                   {
                                       AtLeast(5).Log(" (Instructor)").Grant({"Instruction"}),
                                       InterrogationCourse(),
                                   }}),
            Any()
                .Log("- Interrogator School")
                .Then(
                    SpecialTable{"IMOJ interrogation course", NoThrow(), {InterrogationCourse()}}),
        }};
    return table;
}

const SpecialTable& ImojEnlisted() {
    static const SpecialTable table{
        "IMOJ enlisted",
        ImojThrow(),
        {
            At(1).Log("- Cross-train").Grant({"XTRAIN", "XTRAIN"}),
            At(2).Then(CommandoSchool),
            At(3)
                .Log("- Support School")
                .Try(4,
                     {"Commo", "Computer", "Demolitions", "Forensic", "Sensor Ops", "TECHNICAL"}),
            At(4).Then(InterrogatorSchool),
            At(5)
                .Log("- Intelligence School")
                .Try(4, {"VICE", "Commo", "Computer", "INFLUENCE", "INVESTIGATION", "Language",
                         "Streetwise"}),
            At(6, 7).Then(SpecialTable{"IMOJ OCS",
                                       RankValue(),
                                       {
                                           At(5).Log("- OCS").SetRank(9).Rolls(3),
                                           // A senior rank goes straight to 10, untrained.
                                           At(6, 7).Log("- OCS").SetRank(10),
                                           Any().Log("- OCS").SetRank(FirstOfficerRank).Rolls(3),
                                       }}),
        }};
    return table;
}

// A seasoned administrator or physician may be asked to teach.
const SpecialTable& MedicalInstructorOrStudent() {
    static const SpecialTable table{"IMOJ medical instructor",
                                    Die(1, 6),
                                    {
                                        AtLeast(5).Log(" (Instructor)").Grant({"Instruction"}),
                                        Any().Grant({"Admin", "Medical", "SCIENCE"}),
                                    }};
    return table;
}

const SpecialTable& MedicalSchool() {
    static const SpecialTable table{
        "IMOJ Medical School",
        NoThrow(),
        {
            Any()
                .If(SkillAbove("Admin", 2))
                .Log("- Medical School")
                .Then(MedicalInstructorOrStudent),
            Any()
                .If(SkillAbove("Medical", 2))
                .Log("- Medical School")
                .Then(MedicalInstructorOrStudent),
            Any().Log("- Medical School").Grant({"Admin", "Medical", "SCIENCE"}),
        }};
    return table;
}

const SpecialTable& ImojOfficer() {
    static const SpecialTable table{
        "IMOJ officer",
        ImojThrow(),
        {
            At(1)
                .Log("- Assassination Training")
                .PickSkills(1, 3, "Brawling/Martial Arts/BLADE COMBAT/GUN COMBAT", "Select Skill"),
            At(2).Then(CommandoSchool),
            At(3)
                .Log("- Naval Studies")
                .Try(5, {"Computer", "Engineering", "GUNNERY", "Navigation", "Pilot", "Sensor Ops",
                         "Ship's Boat", "Vacc Suit", "Zero G Environ"}),
            At(4).Then(InterrogatorSchool),
            At(5)
                .Log("- Command College")
                .Try(4, {"Combat Engineering", "Leader", "Recon", "INFLUENCE", "Ship Tactics",
                         "Tactics"}),
            At(6).Then(MedicalSchool),
            At(7).Then(
                SpecialTable{"IMOJ attache or aide",
                             Die(1, 6),
                             {
                                 AtMost(4).Log("- MoJ Attache").Grant({"+1 Soc"}).RaiseRank(14),
                                 At(5, 6).Log("- MoJ Aide").Grant({"+1 Soc"}),
                             }}),
        }};
    return table;
}

}  // namespace

const SpecialTable& ImojSpecials() {
    static const SpecialTable table{"IMOJ",
                                    NoThrow(),
                                    {
                                        Any().If(RankBelow(FirstOfficerRank)).Then(ImojEnlisted),
                                        Any().Then(ImojOfficer),
                                    }};
    return table;
}

}  // namespace orrimar
