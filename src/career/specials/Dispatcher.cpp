// The special-assignment dispatcher: the academic offer, then the table of
// the character's service.
#include <array>
#include <string>
#include <vector>

#include "ask/Question.h"
#include "career/Academic.h"
#include "career/HandOffs.h"
#include "career/specials/Registry.h"
#include "career/specials/TableWalk.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// The [PLUSEDU] courses 1..7, in the order they are offered.
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
        if (CourseOffer(g, k) == 1) offered.push_back(k);
    if (offered.empty()) return false;

    std::string choices;
    for (int k : offered) choices += std::string(AcademicCourse[k]) + "/";
    choices += NormalSpecial;
    const int pick = Answer(g, PickQuestion{.Choices = choices,
                                            .Title = "Academic available instead of Special"})
                         .Index;
    // Closing the window takes the normal assignment: the year is not lost.
    if (pick < 1 || pick > static_cast<int>(offered.size())) return false;

    g.career.CourseMark[offered[pick - 1]] = 2;
    AcademicInPlaceOfSpecial(g, AcademicCourse[offered[pick - 1]]);
    return true;
}

}  // namespace

SpecialsKind SpecialsFor(ServiceKind kind) {
    if (specials::FamilyOf(kind)) return SpecialsKind::Table;
    // Explorers and SORAG have no table here (SORAG's come through its
    // assignment table).
    return kind == ServiceKind::Explorer || kind == ServiceKind::Sorag ? SpecialsKind::None
                                                                       : SpecialsKind::Undefined;
}

std::vector<specials::SchoolVisit> SpecialSchools(ServiceKind kind, int race,
                                                  const SchoolDigits& school) {
    const specials::SpecialFamily* family = specials::FamilyOf(kind);
    const specials::SpecialTable* root = family ? RootFor(*family, race) : nullptr;
    return root ? SchoolsOf(*root, race, school) : std::vector<specials::SchoolVisit>{};
}

void SpecialAssignment(Game& g) {
    if (g.career.Character.Opt(OptAcademicSpecials) && TakeAcademicInstead(g)) return;

    if (const specials::SpecialFamily* family = specials::FamilyOf(g.rules.Service.Type.Kind)) {
        if (const specials::SpecialTable* root = RootFor(*family, g.rules.Race.Code))
            RunSpecialTable(g, *root);
        return;
    }
    if (SpecialsFor(g.rules.Service.Type.Kind) == SpecialsKind::None) return;
    DataProblemMet(g, "Specials not defined for career type " + g.rules.Service.Type.Text);
}

}  // namespace orrimar
