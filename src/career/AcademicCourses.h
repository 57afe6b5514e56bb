// The throws of the courses of study and the small steps the courses
// share: admission, years at study, education gains and course ranks.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct CareerPart;
struct RulesPart;

enum class Course {
    College,
    MilitaryAcademy,
    MerchantAcademy,
    NavalAcademy,
    GraduateSchool,
    MedicalSchool,
    FlightSchool,
};
enum class Stage { Admission, Success, Honours };

// One 2D6 throw: the modifier applies when characteristic `Stat` (by
// position) is above `Above`; the throw passes at `Target` or more.
struct AcademicThrow {
    int Stat = 0;
    int Above = 0;
    int Modifier = 0;
    int Target = 0;   // 0: the course has no such throw
    int Forced = 12;  // what the throw counts as under "Force academic success"
};

// The officer training corps throws of college graduates.
extern const AcademicThrow OtcThrow;
extern const AcademicThrow NotcThrow;

const AcademicThrow& CourseThrow(Course course, Stage stage);
bool PassThrow(Game& g, const AcademicThrow& roll);
bool PassCourseThrow(Game& g, Course course, Stage stage);
// The admission throw; a rejection is logged.
bool Admitted(Game& g, Course course);

// One NextYear per year spent at study.
void SpendYears(Game& g, int years);
// 1D6 less `subtract`, +1 for Int above 8, at least 1, added to Edu and
// shown as "+" gain and `label`. Returns the gain.
int EducationGain(Game& g, int subtract, const std::string& label);
// Raises Rank to `rank` when the service has that rank.
void GrantCourseRank(CareerPart& career, const RulesPart& rules, int rank);
// Raises Rank to the service's lowest officer rank.
void GrantOfficerRank(CareerPart& career, const RulesPart& rules);
// A yes/no question titled with the program title.
bool AskAcademic(Game& g, const std::string& question);

}  // namespace orrimar
