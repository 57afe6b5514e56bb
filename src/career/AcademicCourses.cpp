#include "career/AcademicCourses.h"

#include <algorithm>
#include <array>

#include "career/Driver.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

constexpr int Str = 1, Dex = 2, Int = 4, Edu = 5, Soc = 6;

struct CourseThrows {
    AcademicThrow Admission, Success, Honours;
};

// Indexed by Course. The Naval Academy's success and honours throws count
// as 99 when forced; every other forced throw counts as 12.
const std::array<CourseThrows, 7> Courses = {{
    {{Edu, 8, 2, 9}, {Int, 7, 2, 7}, {Int, 9, 1, 10}},         // College
    {{Str, 9, 2, 10}, {Int, 7, 2, 9}, {Int, 8, 1, 9}},         // Military Academy
    {{Edu, 9, 2, 10}, {Int, 7, 2, 9}, {Int, 8, 1, 9}},         // Merchant Academy
    {{Soc, 9, 2, 9}, {Edu, 7, 2, 9, 99}, {Int, 9, 1, 9, 99}},  // Naval Academy
    {{Edu, 9, 2, 9}, {Int, 8, 2, 7}, {Edu, 10, 1, 11}},        // Graduate School
    {{Edu, 9, 2, 9}, {Edu, 7, 2, 8}, {Edu, 10, 1, 11}},        // medical school
    {{Dex, 8, 1, 9}, {Int, 7, 1, 7}, {}},                      // flight school
}};

}  // namespace

// A commission needs a throw above 7 (OTC) or above 8 (NOTC). Like every
// throw of a course, these count as 12 under "Force academic success".
const AcademicThrow OtcThrow = {Soc, 7, 1, 8};
const AcademicThrow NotcThrow = {Soc, 9, 1, 9};

const AcademicThrow& CourseThrow(Course course, Stage stage) {
    const CourseThrows& c = Courses[static_cast<size_t>(course)];
    switch (stage) {
        case Stage::Admission:
            return c.Admission;
        case Stage::Success:
            return c.Success;
        case Stage::Honours:
            break;
    }
    return c.Honours;
}

bool PassThrow(Game& g, const AcademicThrow& roll) {
    if (roll.Target <= 0) return false;
    if (g.career.Character.Opt(OptForceAcademic)) return roll.Forced >= roll.Target;
    ThrowFor(g, "the course", {}, roll.Target);
    int total = RollDice(g, 2, 6);
    if (g.career.Character.Stats[roll.Stat] > roll.Above) total += roll.Modifier;
    if (g.career.Explain && g.career.Character.Stats[roll.Stat] > roll.Above)
        ExplainModifier(
            g, roll.Modifier,
            UCase(Trim(StatName(g, roll.Stat))) + " " + std::to_string(roll.Above + 1) + "+");
    ExplainResult(g, total >= roll.Target, "passed", "failed");
    return total >= roll.Target;
}

bool PassCourseThrow(Game& g, Course course, Stage stage) {
    return PassThrow(g, CourseThrow(course, stage));
}

bool Admitted(Game& g, Course course) {
    if (PassCourseThrow(g, course, Stage::Admission)) return true;
    AddHistory(g, "- rejected");
    return false;
}

void SpendYears(Game& g, int years) {
    for (int i = 0; i < years; ++i) NextYear(g);
}

int EducationGain(Game& g, int subtract, const std::string& label) {
    auto& stats = g.career.Character.Stats;
    ThrowFor(g, "the education gained");
    int gain = RollDice(g, 1, 6) - subtract;
    ExplainModifier(g, -subtract, "the course");
    if (stats[Int] > 8) gain++;
    if (stats[Int] > 8) ExplainModifier(g, 1, "INT 9+");
    gain = std::max(gain, 1);
    if (g.career.Explain) ExplainOutcome(g, "+" + std::to_string(gain) + " EDU (at least 1)");
    RaisedCharacteristic(g, Edu, stats[Edu] + gain,
                         [&] { ShowCharacter(g, "+" + std::to_string(gain) + label); });
    return gain;
}

// A course only hands out a rank the service has: where the service's
// ranks stop below it (a small service without officer grades), the
// rank stays as it was rather than pointing past the rank table. A
// course never lowers a rank either: an officer who takes a course in
// place of a special assignment keeps the grade already held.
void GrantCourseRank(CareerPart& career, const RulesPart& rules, int rank) {
    const int top = std::min(RanksOf(rules, career).Top(), CharacterRecord::MaxRank);
    if (rank < 1 || rank > top) return;
    auto& c = career.Character;
    c.Rank = static_cast<int16_t>(std::max<int>(c.Rank, rank));
}

void GrantOfficerRank(CareerPart& career, const RulesPart& rules) {
    const PlayedRanks ranks = RanksOf(rules, career);
    const int top = std::min(ranks.Top(), CharacterRecord::MaxRank);
    for (int i = 1; i <= top; ++i) {
        if (StartsWith(ranks.Code(i), "O")) {
            GrantCourseRank(career, rules, i);
            return;
        }
    }
}

bool AskAcademic(Game& g, const std::string& question) {
    return g.ui.YesNo(question, g.session.AppTitle, true, MsgIcon::Question);
}

}  // namespace orrimar
