#include "career/Academic.h"

namespace orrimar {

// Courses of study are not offered yet: the career starts at enlistment.
void AcademicOptions(Game&) {}

}  // namespace orrimar
