#pragma once

#include <string>

namespace orrimar {

struct Game;

// Courses of study before enlistment.
void AcademicOptions(Game& g);
// A course taken in place of a special assignment: the one chosen there, and no list.
void AcademicInPlaceOfSpecial(Game& g, const std::string& course);

}  // namespace orrimar
