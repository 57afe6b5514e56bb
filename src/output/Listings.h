// Reference listings of the loaded data, opened from the "Show..." menus of
// the main window and the term window, so a user can check data files.
#pragma once

#include <string>

#include "model/Models.h"

namespace orrimar {

struct Game;
struct SessionPart;
struct RulesPart;
struct WindowsPart;

// The full listing of the loaded race, service and branch, lines ended by
// CR LF. Reads only: the race, service and branch records stay as they are.
std::string RaceServiceDataText(const Game& g);
// The listing as the text viewer shows it: its title and font.
TextViewerModel RaceServiceDataViewer(const Game& g);
// "Race, Service and Branch data" (main window and term window).
void ShowRaceServiceData(Game& g);

// "All races": each race-list entry's first 50 characters, trimmed.
std::string AllRacesText(const WindowsPart& windows);
void ShowAllRaces(Game& g);

// "All services for race": the same for the service list.
std::string AllServicesText(const WindowsPart& windows);
void ShowAllServicesForRace(Game& g);

// "Race/services": selects every race in turn (loading it and refilling the
// service list), so the last race of the list stays selected afterwards.
std::string RaceServicesText(Game& g);
void ShowRaceServices(Game& g);

// "All branches for service" has no action.
void ShowAllBranchesForService(Game& g);

// "Cascades listing": the page written to "clist.htm" in the data folder.
std::string CascadeListingHtml(const RulesPart& rules);
std::string CascadeListingPath(const SessionPart& session);
// Writes the page and opens it; a failed write is reported naming the file.
void ShowCascadesListing(Game& g);

}  // namespace orrimar
