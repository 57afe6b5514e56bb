// Medical school and flight school: reached from college or the naval
// academy, or taken in place of a special assignment.
#pragma once

namespace orrimar {

struct Game;

void MedicalSchool(Game& g);
void FlightSchool(Game& g);

}  // namespace orrimar
