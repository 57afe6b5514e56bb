// The special-assignment dispatcher: the academic offer, then the table of
// the character's service.
#include <array>
#include <string>
#include <vector>

#include "ask/Questions.h"
#include "career/Academic.h"
#include "career/HandOffs.h"
#include "career/specials/Families.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "model/Text.h"

namespace orrimar {

namespace {

// Service.PlusEdu entries 1..7, in the order they are offered.
const std::array<const char*, 8> AcademicCourse = {"",
                                                   "College",
                                                   "Military Academy",
                                                   "Merchant Academy",
                                                   "Naval Academy",
                                                   "Graduate School",
                                                   "Medical School",
                                                   "Flight School"};

constexpr const char* NormalSpecial = "Take normal Special Assignment";

// Returns true when a course was taken in place of the special assignment.
bool TakeAcademicInstead(Game& g) {
    std::vector<int> offered;
    for (int k = 1; k < static_cast<int>(AcademicCourse.size()); ++k)
        if (g.Service.PlusEdu[k] == 1) offered.push_back(k);
    if (offered.empty()) return false;

    std::string choices;
    for (int k : offered) choices += std::string(AcademicCourse[k]) + "/";
    choices += NormalSpecial;
    g.PickAuto = g.Character.Opt(OptAutoGen);
    const int pick = PickOne(g, choices, "Academic available instead of Special");
    // Closing the window takes the normal assignment: the year is not lost.
    if (pick < 1 || pick > static_cast<int>(offered.size())) return false;

    g.Service.PlusEdu[offered[pick - 1]] = 2;
    g.AcademicFlag = "ACADEMIC";
    AcademicOptions(g);
    return true;
}

struct Family {
    const char* Code;
    void (*Run)(Game&);
    // The schools the family's tables may send a character to, when any.
    std::vector<specials::SchoolVisit> (*Schools)(int race,
                                                  const std::string& schoolLine) = nullptr;
};

const Family Families[] = {
    {"ARMY", ArmySpecial},
    {"MARINE", ArmySpecial},
    {"GUARD", ArmySpecial},
    {"NAVY", NavySpecial},
    {"MERCHANT",
     [](Game& g) {
         if (g.Race.Code == RaceAslanMale)
             AslanMerchantSpecial(g, "M");
         else if (g.Race.Code == RaceAslanFemale)
             AslanMerchantSpecial(g, "F");
         else
             MerchantSpecial(g);
     }},
    {"JOURNAL", JournalSpecial},
    {"CORSAIR", CorsairSpecial},
    {"PIRATE", CorsairSpecial},
    {"COAFC", [](Game& g) { CoafcSpecial(g, "SD"); }},
    {"COAFCSD", [](Game& g) { CoafcSpecial(g, "SD"); }},
    {"COAFCPD", [](Game& g) { CoafcSpecial(g, "PD"); }},
    {"COPS", PoliceSpecial, PoliceSchools},
    {"DMIL", DmilSpecial},
    {"DNAVY", DnavySpecial},
    {"IRIS", IrisSpecial},
    {"FMILIT", [](Game& g) { MilitarySpecial(g, "F"); }},
    {"MMILIT", [](Game& g) { MilitarySpecial(g, "M"); }},
    {"FSPACE", [](Game& g) { SpaceSpecial(g, "F"); }},
    {"MSPACE", [](Game& g) { SpaceSpecial(g, "M"); }},
    {"PARTY", PartySpecial},
    {"SOLSEC", SolsecSpecial},
    {"IMOJ", ImojSpecial},
};

const Family* FamilyOf(const std::string& serviceType) {
    const std::string code = UCase(serviceType);
    for (const auto& family : Families)
        if (code == family.Code) return &family;
    return nullptr;
}

}  // namespace

SpecialsKind SpecialsFor(const std::string& serviceType) {
    if (FamilyOf(serviceType)) return SpecialsKind::Table;
    // Explorers and SORAG have no table here (SORAG's come through its
    // assignment table).
    const std::string code = UCase(serviceType);
    return code == "EXPLORER" || code == "SORAG" ? SpecialsKind::None : SpecialsKind::Undefined;
}

std::vector<specials::SchoolVisit> SpecialSchools(const std::string& serviceType, int race,
                                                  const std::string& schoolLine) {
    const Family* family = FamilyOf(serviceType);
    return family && family->Schools ? family->Schools(race, schoolLine)
                                     : std::vector<specials::SchoolVisit>{};
}

void SpecialAssignment(Game& g) {
    if (g.Character.Opt(OptAcademicSpecials) && TakeAcademicInstead(g)) return;

    if (const Family* family = FamilyOf(g.Service.Type)) {
        family->Run(g);
        return;
    }
    if (SpecialsFor(g.Service.Type) == SpecialsKind::None) return;
    DataProblemMet(g, "Specials not defined for career type " + g.Service.Type);
}

}  // namespace orrimar
