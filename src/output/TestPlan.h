// The test plan: loads every race, service and branch combination the lists
// offer and reports branches without assignments. Offered only when the
// environment variable _ZIP has a value.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct SessionPart;

// Whether the "Test Plan" menu entry is offered: _ZIP is not empty.
bool TestPlanOffered();

// "testplan.dat" in the data folder, whatever the case of an existing one.
std::string TestPlanPath(const SessionPart& session);

// Runs the plan: every combination is selected in list order, written to
// the plan file as "c1=", "c2=", "c3=" lines (indexes from 0) and counted;
// a branch without a named assignment gives "Problem! " and its name.
// Returns the number of combinations tested.
int RunTestPlan(Game& g);

}  // namespace orrimar
