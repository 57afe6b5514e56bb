#include "career/MedicalFlight.h"

#include <algorithm>

#include "career/AcademicCourses.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"

namespace orrimar {

void MedicalSchool(Game& g) {
    AddHistory(g, "Med School");
    if (!Admitted(g, Course::MedicalSchool)) return;
    if (!PassCourseThrow(g, Course::MedicalSchool, Stage::Success)) {
        AddHistory(g, "- failed");
        SpendYears(g, 1);
        return;
    }
    AddSkill(g, "+1 Edu");
    AddSkill(g, "Medical-3");
    AddSkill(g, "Admin");
    SpendYears(g, 4);
    if (PassCourseThrow(g, Course::MedicalSchool, Stage::Honours)) {
        AddHistory(g, "- honours");
        SpendYears(g, 1);
    } else {
        AddSkill(g, "Computer");
        AddSkill(g, "Medical");
    }
}

void FlightSchool(Game& g) {
    AddHistory(g, "Flight School");
    if (!Admitted(g, Course::FlightSchool)) return;
    if (!PassCourseThrow(g, Course::FlightSchool, Stage::Success)) {
        AddHistory(g, "- failed");
        SpendYears(g, 1);
        return;
    }
    AddSkill(g, "Ship's Boat");
    AddSkill(g, "Navigation");
    ThrowFor(g, "Pilot levels");
    const int pilot = std::max(1, RollDice(g, 1, 6) - 3);
    ExplainModifier(g, -3, "flight school");
    for (int i = 0; i < pilot; ++i) AddSkill(g, "Pilot");
    SpendYears(g, 4);
}

}  // namespace orrimar
