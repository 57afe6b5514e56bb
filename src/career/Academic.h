#pragma once

namespace orrimar {

struct Game;

// Courses of study before enlistment (or in place of a special assignment).
void AcademicOptions(Game& g);

}  // namespace orrimar
